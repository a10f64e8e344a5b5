#include "options/VerbCommandLine.h"

#include <cctype>
#include <vector>

#include "platform/VerbCommandSyntax.h"

namespace {

constexpr std::int16_t kDefaultWidth = 64;
constexpr long kMaxWidth = 32767;

}  // namespace

std::string BuildVerbCommand(const std::string& programPath, const FileTypeEntry& entry)
{
    std::string command = QuoteVerbProgram(programPath);
    if (entry.hex) command += " -h";
    if (entry.source) command += " -s";
    if (entry.mode == 1) command += " -d";
    else if (entry.mode == 2) command += " -u";
    else if (entry.width != 0) command += " -w " + std::to_string(entry.width);
    return command + " " + kVerbFileArgument;
}

void ReadVerbCommand(const std::string& command, FileTypeEntry* entry)
{
    std::vector<std::string> arguments;
    std::string switches;
    if (SplitVerbCommand(command, &arguments)) {
        for (std::size_t i = 1; i < arguments.size(); ++i) switches += " " + arguments[i];
    } else {
        // A quotation left open by a hand edit: whatever follows the first
        // blank after the opening quote's end is all there is to read.
        const std::size_t blank = command.find(' ', command.find('"', 1) + 1);
        if (blank != std::string::npos) switches = command.substr(blank);
    }
    bool dos = false;
    bool unixText = false;
    long width = 0;
    entry->hex = false;
    entry->source = false;
    for (std::size_t i = 0; i + 1 < switches.size(); ++i) {
        if (switches[i] != '-') continue;
        switch (switches[i + 1]) {
        case 'd': dos = true; break;
        case 'u': unixText = true; break;
        case 's': entry->source = true; break;
        case 'h': entry->hex = true; break;
        case 'w': {
            std::size_t pos = i + 2;
            while (pos < switches.size() && std::isspace(static_cast<unsigned char>(switches[pos]))) ++pos;
            bool negative = false;
            if (pos < switches.size() && (switches[pos] == '-' || switches[pos] == '+'))
                negative = switches[pos++] == '-';
            width = 0;
            while (pos < switches.size() && std::isdigit(static_cast<unsigned char>(switches[pos]))) {
                width = width * 10 + (switches[pos++] - '0');
                if (width > kMaxWidth) width = kMaxWidth + 1;
            }
            if (negative) width = 0;
            break;
        }
        default: break;
        }
    }
    entry->mode = dos ? 1 : unixText ? 2 : 0;
    entry->width = static_cast<std::int16_t>(width > kMaxWidth ? kDefaultWidth : width);
}

std::string VerbModeText(const FileTypeEntry& entry)
{
    if (entry.mode == 1) return "DOS";
    if (entry.mode == 2) return "UNIX";
    if (entry.width != 0) return "BINARY-" + std::to_string(entry.width);
    return "AUTO";
}

std::int16_t BinaryWidthFromField(const std::string& text)
{
    // The field's integer: blanks around an optional sign and digits; any
    // other text reads as 0.
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
    const std::size_t digits = pos;
    long value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos++] - '0');
        if (value > 1000000) value = 1000000;  // beyond any 5-character entry
    }
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    if (pos == digits || pos != text.size()) value = 0;
    if (negative) value = -value;
    const auto stored = static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
    return stored <= 0 ? kDefaultWidth : stored;
}
