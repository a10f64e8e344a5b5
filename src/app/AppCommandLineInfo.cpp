#include "app/AppCommandLineInfo.h"

#include <cctype>
#include <limits>

namespace {

constexpr std::uint32_t kPendingDos = 1;
constexpr std::uint32_t kPendingUnix = 2;
constexpr std::uint32_t kPendingSource = 4;
constexpr std::uint32_t kPendingHex = 8;

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

CAppCommandLineInfo::CAppCommandLineInfo(std::uint32_t& pendingFlags, std::int32_t& pendingWidth)
    : pendingFlags_(pendingFlags), pendingWidth_(pendingWidth)
{
}

void CAppCommandLineInfo::ParseParam(const std::string& param, bool isSwitch, bool isLast)
{
    if (isSwitch) {
        // Whole, case-sensitive comparison: "H" or "hex" match nothing.
        if (param == "s") pendingFlags_ |= kPendingSource;
        else if (param == "h") pendingFlags_ |= kPendingHex;
        else if (param == "d") pendingFlags_ |= kPendingDos;
        else if (param == "u") pendingFlags_ |= kPendingUnix;
        else if (param == "w") expectWidth = true;
    } else if (expectWidth) {
        pendingWidth_ = ParseWidthArgument(param);
        expectWidth = false;
    } else {
        fileName = param;
    }
    if (isLast) shellCommand = fileName.empty() ? ShellCommand::FileNew : ShellCommand::FileOpen;
}

bool IsCommandLineSwitch(const std::string& arg, std::string* switchText)
{
    if (!arg.empty() && arg[0] == '-') {
        *switchText = arg.substr(1);
        return true;
    }
    if (arg.size() == 2 && arg[0] == '/' && IsAsciiLetter(arg[1])) {
        *switchText = arg.substr(1);
        return true;
    }
    switchText->clear();
    return false;
}

void ParseCommandLine(CAppCommandLineInfo& info, const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string text;
        bool isSwitch = IsCommandLineSwitch(args[i], &text);
        info.ParseParam(isSwitch ? text : args[i], isSwitch, i + 1 == args.size());
    }
}

std::int32_t ParseWidthArgument(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kMax) value = kMax;
    }
    return negative ? 0 : static_cast<std::int32_t>(value);
}
