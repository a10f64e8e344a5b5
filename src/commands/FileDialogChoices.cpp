#include "commands/FileDialogChoices.h"

#include <cctype>
#include <cstdio>

std::uint16_t lastOpenMode = 0;
std::int32_t lastOpenWidth = 0;

const char* const kSaveFormatNames[kSaveFormatCount] = {"Binary", "DOS Text (CR-LF)",
                                                          "UNIX Text (LF)"};

// The toolkit wants the pairs without the terminating empty pair.
const char kOpenFilter[] = "All files (*.*)|*|Text (*.txt)|*.txt|Source|*.c;*.cpp;*.mak;*.java";
const char kSaveFilter[] = "All Files (*.*)|*|Text (*.txt)|*.txt|C|*.c";

std::int32_t InitialOpenAs(std::uint16_t mode, std::int32_t width)
{
    if (mode == 1) return kOpenAsDos;
    if (mode == 2) return kOpenAsUnix;
    return width != 0 ? kOpenAsBinary : kOpenAsAuto;
}

void RememberOpenAs(std::int32_t openAs, std::uint16_t* mode, std::int32_t* width)
{
    switch (openAs) {
    case kOpenAsBinary:
        *mode = 0;
        if (*width == 0) *width = kDefaultOpenWidth;
        break;
    case kOpenAsDos:
        *mode = 1;
        *width = 0;
        break;
    case kOpenAsUnix:
        *mode = 2;
        *width = 0;
        break;
    default:
        *mode = 0;
        *width = 0;
        break;
    }
}

WidthEntry ParseWidthEntry(const std::string& text, std::int32_t* width)
{
    std::size_t i = 0;
    auto blank = [&](std::size_t at) { return std::isspace(static_cast<unsigned char>(text[at])); };
    while (i < text.size() && blank(i)) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::size_t digitsStart = i;
    long long value = 0;
    bool huge = false;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1000000000LL) huge = true, value = 1000000000LL;
    }
    if (i == digitsStart) return WidthEntry::NotInteger;
    while (i < text.size() && blank(i)) ++i;
    if (i != text.size()) return WidthEntry::NotInteger;
    if (negative) value = -value;
    if (huge || value < 0 || value > kMaxOpenWidth) return WidthEntry::OutOfRange;
    *width = static_cast<std::int32_t>(value);
    return WidthEntry::Ok;
}

std::string WidthEntryMessage(WidthEntry result)
{
    switch (result) {
    case WidthEntry::NotInteger: return "Please enter an integer.";
    case WidthEntry::OutOfRange: {
        char text[80];
        std::snprintf(text, sizeof text, "Please enter an integer between %d and %d.", 0,
                      static_cast<int>(kMaxOpenWidth));
        return text;
    }
    default: return {};
    }
}

int SaveFormatIndex(std::int32_t format)
{
    if (format & 1) return 1;
    if (format & 2) return 2;
    return 0;
}

std::int16_t SaveFormatFromIndex(int index)
{
    return static_cast<std::int16_t>(index >= 0 && index < kSaveFormatCount ? index : 0);
}
