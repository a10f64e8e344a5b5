#include "platform/MimeAppsList.h"

#include <vector>

#include "platform/TextLines.h"

namespace {

constexpr char kAddedGroup[] = "Added Associations";

// One line of the text with its terminator ("\n", or nothing on the last).
struct Line {
    std::string body;
    std::string end;
    bool dropped = false;
};

std::vector<Line> SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t newline = text.find('\n', pos);
        if (newline == std::string::npos) {
            lines.push_back({text.substr(pos), ""});
            break;
        }
        lines.push_back({text.substr(pos, newline - pos), "\n"});
        pos = newline + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<Line>& lines)
{
    std::string text;
    for (const auto& line : lines) text += line.body + line.end;
    return text;
}

// The group a header line opens, or false for any other line.
bool GroupHeader(const std::string& body, std::string* group)
{
    const std::string line = TrimBlanks(body);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    *group = line.substr(1, line.size() - 2);
    return true;
}

// An association line "type=id;id;": its key and its list.
bool AssociationLine(const std::string& body, std::string* key, std::vector<std::string>* ids)
{
    const std::string line = TrimBlanks(body);
    if (line.empty() || line[0] == '#') return false;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    *key = TrimBlanks(line.substr(0, equals));
    ids->clear();
    const std::string value = line.substr(equals + 1);
    std::size_t pos = 0;
    while (pos <= value.size()) {
        std::size_t semicolon = value.find(';', pos);
        if (semicolon == std::string::npos) semicolon = value.size();
        const std::string id = TrimBlanks(value.substr(pos, semicolon - pos));
        if (!id.empty()) ids->push_back(id);
        pos = semicolon + 1;
    }
    return true;
}

// The line rewritten with a new list, its key as it was written.
std::string RewriteAssociation(const std::string& body, const std::vector<std::string>& ids)
{
    std::string text = body.substr(0, body.find('=') + 1);
    for (const auto& id : ids) text += id + ";";
    if (!body.empty() && body.back() == '\r') text += '\r';
    return text;
}

// Calls `visit` for every association line of the "Added Associations"
// groups; it answers whether the line changed (then `ids` holds the new list).
template <typename Visit>
bool ForEachAddedAssociation(std::vector<Line>& lines, Visit visit)
{
    bool changed = false;
    bool inAdded = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string group;
        if (GroupHeader(lines[i].body, &group)) {
            inAdded = group == kAddedGroup;
            continue;
        }
        std::string key;
        std::vector<std::string> ids;
        if (!inAdded || !AssociationLine(lines[i].body, &key, &ids)) continue;
        if (!visit(key, ids)) continue;
        changed = true;
        if (ids.empty()) lines[i].dropped = true;
        else lines[i].body = RewriteAssociation(lines[i].body, ids);
    }
    // Emptied lines go in one pass: erasing each at once costs a shift of
    // the rest of the list per line.
    std::erase_if(lines, [](const Line& line) { return line.dropped; });
    return changed;
}

}  // namespace

bool HasMimeAssociation(const std::string& text, const std::string& mimeType, const std::string& desktopId)
{
    std::vector<Line> lines = SplitLines(text);
    bool found = false;
    ForEachAddedAssociation(lines, [&](const std::string& key, std::vector<std::string>& ids) {
        if (key != mimeType) return false;
        for (const auto& id : ids) found = found || id == desktopId;
        return false;
    });
    return found;
}

std::string AddMimeAssociation(const std::string& text, const std::string& mimeType,
                               const std::string& desktopId)
{
    if (HasMimeAssociation(text, mimeType, desktopId)) return text;
    std::vector<Line> lines = SplitLines(text);
    // The first line of the type takes the entry.
    bool added = false;
    ForEachAddedAssociation(lines, [&](const std::string& key, std::vector<std::string>& ids) {
        if (added || key != mimeType) return false;
        ids.push_back(desktopId);
        added = true;
        return true;
    });
    if (added) return JoinLines(lines);

    std::string newLine = mimeType;
    newLine.append("=").append(desktopId).append(";");
    // Else a new line after the last association of the first group.
    std::ptrdiff_t insertAt = -1;
    bool inAdded = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string group;
        if (GroupHeader(lines[i].body, &group)) {
            if (inAdded) break;
            inAdded = group == kAddedGroup;
            if (inAdded) insertAt = static_cast<std::ptrdiff_t>(i) + 1;
            continue;
        }
        if (inAdded && !TrimBlanks(lines[i].body).empty()) insertAt = static_cast<std::ptrdiff_t>(i) + 1;
    }
    if (insertAt >= 0) {
        // The line before may be the last of a text without a final newline.
        Line& before = lines[static_cast<std::size_t>(insertAt) - 1];
        if (before.end.empty()) before.end.push_back('\n');
        lines.insert(lines.begin() + insertAt, Line{newLine, "\n"});
        return JoinLines(lines);
    }
    // Else a new group at the end.
    std::string out = text;
    if (!out.empty() && out.back() != '\n') out += '\n';
    if (!out.empty()) out += '\n';
    out.append("[").append(kAddedGroup).append("]\n").append(newLine).append("\n");
    return out;
}

std::string RemoveMimeAssociation(const std::string& text, const std::string& mimeType,
                                  const std::string& desktopId)
{
    std::vector<Line> lines = SplitLines(text);
    const bool changed = ForEachAddedAssociation(lines, [&](const std::string& key, std::vector<std::string>& ids) {
        if (key != mimeType) return false;
        const std::size_t before = ids.size();
        std::erase(ids, desktopId);
        return ids.size() != before;
    });
    return changed ? JoinLines(lines) : text;
}

std::string RemoveMimeAssociations(const std::string& text,
                                   const std::function<bool(const std::string& desktopId)>& remove)
{
    std::vector<Line> lines = SplitLines(text);
    const bool changed = ForEachAddedAssociation(lines, [&](const std::string&, std::vector<std::string>& ids) {
        const std::size_t before = ids.size();
        std::erase_if(ids, remove);
        return ids.size() != before;
    });
    return changed ? JoinLines(lines) : text;
}
