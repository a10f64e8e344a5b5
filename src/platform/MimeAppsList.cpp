#include "platform/MimeAppsList.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/TextLines.h"

namespace {

constexpr char kAddedGroup[] = "Added Associations";
constexpr char kRemovedGroup[] = "Removed Associations";

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

// An association line of a group: its index among the lines, key and list.
struct Association {
    std::size_t line;
    std::string key;
    std::vector<std::string> ids;
};

// The association lines of every group named `group`, in text order.
std::vector<Association> Associations(const std::vector<Line>& lines, const std::string& group)
{
    std::vector<Association> list;
    bool inGroup = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (GroupHeader(lines[i].body, &name)) {
            inGroup = name == group;
            continue;
        }
        Association association{i, {}, {}};
        if (inGroup && AssociationLine(lines[i].body, &association.key, &association.ids))
            list.push_back(std::move(association));
    }
    return list;
}

// The line of `key` that readers honour (the last), or null.
const Association* Honoured(const std::vector<Association>& list, const std::string& key)
{
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->key == key) return &*it;
    return nullptr;
}

// Takes the ids that `pick` names out of the lines of `group`. A line left
// empty goes, unless it is the last of its key and an earlier line of the
// key stays: that one would be honoured in its place, so it stays as "key=".
bool RemoveIds(std::vector<Line>& lines, const std::string& group,
               const std::function<bool(const std::string& key, const std::string& id)>& pick)
{
    std::vector<Association> list = Associations(lines, group);
    std::map<std::string, std::size_t> last;
    std::map<std::string, std::size_t> staying;
    std::vector<bool> emptied(list.size(), false);
    bool changed = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        Association& association = list[i];
        last[association.key] = i;
        const std::size_t before = association.ids.size();
        std::erase_if(association.ids, [&](const std::string& id) { return pick(association.key, id); });
        if (association.ids.size() != before) {
            changed = true;
            emptied[i] = association.ids.empty();
            lines[association.line].body = RewriteAssociation(lines[association.line].body, association.ids);
        }
        if (!emptied[i]) ++staying[association.key];
    }
    for (std::size_t i = list.size(); i-- > 0;) {
        if (emptied[i] && !(last[list[i].key] == i && staying[list[i].key] > 0))
            lines[list[i].line].dropped = true;
    }
    // Emptied lines go in one pass: erasing each at once costs a shift of
    // the rest of the list per line.
    std::erase_if(lines, [](const Line& line) { return line.dropped; });
    return changed;
}

}  // namespace

bool HasMimeAssociation(const std::string& text, const std::string& mimeType, const std::string& desktopId)
{
    const std::vector<Association> list = Associations(SplitLines(text), kAddedGroup);
    const Association* honoured = Honoured(list, mimeType);
    return honoured && std::find(honoured->ids.begin(), honoured->ids.end(), desktopId) != honoured->ids.end();
}

std::string AddMimeAssociation(const std::string& text, const std::string& mimeType,
                               const std::string& desktopId)
{
    std::vector<Line> lines = SplitLines(text);
    const bool unremoved = RemoveIds(lines, kRemovedGroup, [&](const std::string& key, const std::string& id) {
        return key == mimeType && id == desktopId;
    });
    const std::vector<Association> added = Associations(lines, kAddedGroup);
    if (const Association* honoured = Honoured(added, mimeType)) {
        std::vector<std::string> ids = honoured->ids;
        if (std::find(ids.begin(), ids.end(), desktopId) != ids.end()) return unremoved ? JoinLines(lines) : text;
        ids.push_back(desktopId);
        lines[honoured->line].body = RewriteAssociation(lines[honoured->line].body, ids);
        return JoinLines(lines);
    }

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
    std::string out = JoinLines(lines);
    if (!out.empty() && out.back() != '\n') out += '\n';
    if (!out.empty()) out += '\n';
    out.append("[").append(kAddedGroup).append("]\n").append(newLine).append("\n");
    return out;
}

std::string RemoveMimeAssociation(const std::string& text, const std::string& mimeType,
                                  const std::string& desktopId)
{
    std::vector<Line> lines = SplitLines(text);
    const bool changed = RemoveIds(lines, kAddedGroup, [&](const std::string& key, const std::string& id) {
        return key == mimeType && id == desktopId;
    });
    return changed ? JoinLines(lines) : text;
}

std::string RemoveMimeAssociations(const std::string& text,
                                   const std::function<bool(const std::string& desktopId)>& remove)
{
    std::vector<Line> lines = SplitLines(text);
    const bool changed =
        RemoveIds(lines, kAddedGroup, [&](const std::string&, const std::string& id) { return remove(id); });
    return changed ? JoinLines(lines) : text;
}
