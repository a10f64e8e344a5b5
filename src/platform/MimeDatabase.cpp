#include "platform/MimeDatabase.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "platform/TextLines.h"

namespace {

constexpr std::size_t kMaxNamePart = 127;
constexpr std::size_t kMaxExtension = 255;

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '!' ||
           c == '#' || c == '$' || c == '&' || c == '-' || c == '^' || c == '_' || c == '.' || c == '+';
}

// A part starts with a letter or digit, as the media-type rules ask: a type
// such as "#a/b" would turn its association line into a comment.
bool IsNamePart(const std::string& part)
{
    if (part.empty() || part.size() > kMaxNamePart) return false;
    if (!std::isalnum(static_cast<unsigned char>(part[0]))) return false;
    return std::all_of(part.begin(), part.end(), IsNameChar);
}

// A plain extension glob "*.ext": no further wildcards, no folder, no
// control characters.
bool ExtensionOfGlob(const std::string& glob, std::string* extension)
{
    if (glob.size() < 3 || glob.size() > kMaxExtension || glob[0] != '*' || glob[1] != '.') return false;
    for (std::size_t i = 1; i < glob.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(glob[i]);
        if (c < 0x20 || c == 0x7F || c == '*' || c == '?' || c == '[' || c == ']' || c == '/' || c == '\\')
            return false;
    }
    *extension = glob.substr(1);
    return true;
}

std::string DecodeEntities(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        // An entity is short: its ";" is looked for only that far, not to
        // the end of the text for every "&".
        const std::size_t reach = std::string_view(text).substr(i, 11).find(';');
        if (reach == std::string_view::npos) {
            out += text[i];
            continue;
        }
        const std::size_t semicolon = i + reach;
        const std::string name = text.substr(i + 1, semicolon - i - 1);
        std::uint32_t code = 0;
        if (name == "amp") code = '&';
        else if (name == "lt") code = '<';
        else if (name == "gt") code = '>';
        else if (name == "quot") code = '"';
        else if (name == "apos") code = '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const char* first = name.data() + (hex ? 2 : 1);
            const char* last = name.data() + name.size();
            if (std::from_chars(first, last, code, hex ? 16 : 10).ptr != last) code = 0;
        }
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out += text[i];
            continue;
        }
        // UTF-8 of the code point.
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        i = semicolon;
    }
    return out;
}

}  // namespace

bool IsMimeTypeName(const std::string& mimeType)
{
    const std::size_t slash = mimeType.find('/');
    if (slash == std::string::npos) return false;
    return IsNamePart(mimeType.substr(0, slash)) && IsNamePart(mimeType.substr(slash + 1));
}

std::vector<MimeGlob> ParseMimeGlobs(const std::string& text, std::vector<std::string>* cleared)
{
    std::vector<MimeGlob> globs;
    for (const std::string& line : TextLines(text)) {
        if (line.empty() || line[0] == '#') continue;
        // weight:type:glob[:flags[:...]]
        const std::size_t first = line.find(':');
        const std::size_t second = first == std::string::npos ? first : line.find(':', first + 1);
        if (second == std::string::npos) continue;
        MimeGlob glob;
        const char* wBegin = line.data();
        const char* wEnd = line.data() + first;
        if (first == 0 || std::from_chars(wBegin, wEnd, glob.weight).ptr != wEnd || glob.weight < 0 ||
            glob.weight > 100)
            continue;
        glob.mimeType = line.substr(first + 1, second - first - 1);
        if (!IsMimeTypeName(glob.mimeType)) continue;
        const std::size_t third = line.find(':', second + 1);
        const std::string pattern = line.substr(second + 1, third == std::string::npos ? std::string::npos
                                                                                       : third - second - 1);
        if (pattern == "__NOGLOBS__") {
            if (cleared) cleared->push_back(glob.mimeType);
            continue;
        }
        if (!ExtensionOfGlob(pattern, &glob.extension)) continue;
        globs.push_back(glob);
    }
    std::stable_sort(globs.begin(), globs.end(),
                     [](const MimeGlob& a, const MimeGlob& b) { return a.weight > b.weight; });
    return globs;
}

std::string MimeTypeComment(const std::string& xml)
{
    std::size_t pos = 0;
    while ((pos = xml.find("<comment", pos)) != std::string::npos) {
        const std::size_t close = xml.find('>', pos);
        if (close == std::string::npos) return {};
        const std::string tag = xml.substr(pos, close + 1 - pos);
        pos = close + 1;
        // "<comments>" or a translated comment is not the one.
        if (tag.size() > 9 && tag[8] != ' ' && tag[8] != '>' && tag[8] != '\t' && tag[8] != '\n') continue;
        if (tag.find("xml:lang") != std::string::npos || tag.back() != '>' || tag[tag.size() - 2] == '/') continue;
        const std::size_t end = xml.find("</comment>", pos);
        if (end == std::string::npos) return {};
        return DecodeEntities(xml.substr(pos, end - pos));
    }
    return {};
}
