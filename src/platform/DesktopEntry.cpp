#include "platform/DesktopEntry.h"

#include "platform/TextLines.h"

namespace {

constexpr char kGroupHeader[] = "[Desktop Entry]";

}  // namespace

std::string EscapeDesktopValue(const std::string& value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case ' ': out += i == 0 ? "\\s" : " "; break;
        default: out += c;
        }
    }
    return out;
}

std::string UnescapeDesktopValue(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[i + 1]) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default: out += text[i]; continue;  // not an escape: the backslash stays
        }
        ++i;
    }
    return out;
}

std::string QuoteExecArgument(const std::string& argument)
{
    std::string out = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

bool SplitExecLine(const std::string& exec, std::vector<std::string>* arguments)
{
    arguments->clear();
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size() &&
                       (exec[i + 1] == '"' || exec[i + 1] == '`' || exec[i + 1] == '$' || exec[i + 1] == '\\')) {
                current += exec[++i];
            } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
                current += exec[++i];
            } else {
                current += c;
            }
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inArgument) arguments->push_back(current);
            current.clear();
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (c == '"') {
            quoted = true;
        } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
            current += exec[++i];
        } else {
            current += c;
        }
    }
    if (quoted) return false;
    if (inArgument) arguments->push_back(current);
    return true;
}

bool ReadDesktopEntryKey(const std::string& text, const std::string& key, std::string* value)
{
    bool inGroup = false;
    for (const std::string& rawLine : TextLines(text)) {
        const std::string line = TrimBlanks(rawLine);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            if (inGroup) return false;  // the group ended without the key
            inGroup = line == kGroupHeader;
            continue;
        }
        if (!inGroup) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || TrimBlanks(line.substr(0, equals)) != key) continue;
        *value = UnescapeDesktopValue(TrimBlanks(line.substr(equals + 1)));
        return true;
    }
    return false;
}

std::string DesktopEntryText(const std::vector<std::pair<std::string, std::string>>& keys)
{
    std::string text = std::string(kGroupHeader) + "\n";
    for (const auto& [key, value] : keys) text += key + "=" + EscapeDesktopValue(value) + "\n";
    return text;
}
