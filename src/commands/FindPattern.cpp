#include "commands/FindPattern.h"

#include <cstdio>

#include "commands/FindMessages.h"
#include "view/EbcdicTables.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;  // not a hex digit: counts as 0
}

// Bytes of the UTF-8 character starting at text[i] (1 for an invalid byte).
std::size_t CharacterBytes(const std::string& text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t k = 1;
    while (k < n && i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80) ++k;
    return k;
}

int EscapeByte(char c)
{
    switch (c) {
    case '\\': return 92;
    case 'a': return 7;
    case 'b': return 8;
    case 'f': return 12;
    case 'n': return 10;
    case 'r': return 13;
    case 't': return 9;
    case 'v': return 11;
    default: return -1;
    }
}

}  // namespace

int TextCharacters(const std::string& text)
{
    int count = 0;
    for (std::size_t i = 0; i < text.size(); i += CharacterBytes(text, i)) ++count;
    return count;
}

PatternParse ParsePattern(const std::string& text, FindPattern& pattern)
{
    pattern = FindPattern{};
    if (TextCharacters(text) > kMaxFindTextChars) return PatternParse::TooLong;
    FindPattern out;
    auto add = [&out](std::uint8_t byte, bool literal) {
        out.bytes[out.length] = byte;
        out.literal[out.length] = literal;
        ++out.length;
    };
    auto addCharacter = [&](std::size_t at) {
        const std::size_t n = CharacterBytes(text, at);
        for (std::size_t k = 0; k < n; ++k) add(static_cast<std::uint8_t>(text[at + k]), false);
        return n;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '\\') {
            i += addCharacter(i);
            continue;
        }
        if (i + 1 == text.size()) {  // a lone backslash at the end stands for itself
            add('\\', false);
            break;
        }
        const char next = text[i + 1];
        if (next == 'x') {
            // Two characters follow as the hex digits, whatever they are.
            const std::size_t first = i + 2;
            if (first >= text.size()) return PatternParse::IncompleteEscape;
            const std::size_t second = first + CharacterBytes(text, first);
            if (second >= text.size()) return PatternParse::IncompleteEscape;
            const std::size_t after = second + CharacterBytes(text, second);
            add(static_cast<std::uint8_t>(HexValue(text[first]) * 16 + HexValue(text[second])), true);
            i = after;
            continue;
        }
        const int escaped = EscapeByte(next);
        if (escaped >= 0) {
            add(static_cast<std::uint8_t>(escaped), true);
            i += 2;
            continue;
        }
        i += 1 + addCharacter(i + 1);
    }
    pattern = out;
    return PatternParse::Ok;
}

const char* PatternParseMessage(PatternParse result)
{
    switch (result) {
    case PatternParse::TooLong: return kMsgTextTooLong;
    case PatternParse::IncompleteEscape: return kMsgIncompleteEscape;
    case PatternParse::Ok: break;
    }
    return nullptr;
}

std::string StoredReplacement(const FindPattern& replacement, bool asciiView)
{
    std::string bytes;
    for (int i = 0; i < replacement.length; ++i) {
        const std::uint8_t b = replacement.bytes[i];
        bytes += static_cast<char>(asciiView || replacement.literal[i] ? b : DisplayToEbcdic[b]);
    }
    return bytes;
}

std::string SearchTextForBytes(const std::uint8_t* bytes, int count, bool asciiView)
{
    std::string text;
    int characters = 0;
    for (int i = 0; i < count && bytes[i] != 0; ++i) {
        const std::uint8_t shown = asciiView ? bytes[i] : EbcdicToDisplay[bytes[i]];
        std::string piece;
        if (shown == '\\' && asciiView) {
            piece = "\\\\";
        } else if (shown >= 0x20 && shown <= 0x7E && shown != '\\') {
            piece = static_cast<char>(shown);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", bytes[i]);
            piece = hex;
        }
        // Escapes take several characters; one that does not fit is left out
        // with all that follows, so the text still finds a prefix.
        const int pieceChars = static_cast<int>(piece.size());
        if (characters + pieceChars > kMaxFindTextChars) break;
        text += piece;
        characters += pieceChars;
    }
    return text;
}
