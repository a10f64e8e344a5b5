#include "platform/RegFileFormat.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unordered_map>

#include "platform/TextLines.h"

const char kRegFileHeader[] = "Windows Registry Editor Version 5.00";

namespace {

constexpr std::size_t kHexBytesPerLine = 24;
// The program's longest value is about a kilobyte; a line, its continuation
// lines included, past a mebibyte is damage.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Splits the text into logical lines: CR LF or LF ends a line, and a line
// whose last character is a backslash continues on the next.
bool LogicalLines(const std::string& text, std::vector<std::string>* lines)
{
    std::string current;
    bool continuing = false;
    for (std::string line : TextLines(text)) {
        if (continuing) {
            std::size_t first = line.find_first_not_of(" \t");
            line = first == std::string::npos ? std::string() : line.substr(first);
        }
        // Only a hex list can end in a backslash: quoted data ends in a
        // quote, a dword in a digit and a key in a bracket.
        bool continues = !line.empty() && line.back() == '\\';
        if (continues) line.pop_back();
        if (current.size() + line.size() > kMaxLineBytes) return false;
        current += line;
        continuing = continues;
        if (!continuing) {
            lines->push_back(std::move(current));
            current.clear();
        }
    }
    if (continuing) return false;
    return true;
}

bool ParseQuoted(const std::string& line, std::size_t* pos, std::string* out)
{
    if (*pos >= line.size() || line[*pos] != '"') return false;
    ++*pos;
    out->clear();
    while (*pos < line.size()) {
        char c = line[(*pos)++];
        if (c == '"') return true;
        if (c == '\\') {
            if (*pos >= line.size()) return false;
            c = line[(*pos)++];
            if (c != '\\' && c != '"') return false;
        }
        *out += c;
    }
    return false;
}

bool ParseHexList(const std::string& text, std::vector<std::uint8_t>* out)
{
    out->clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos + 2 > text.size()) return false;
        int hi = HexDigit(text[pos]), lo = HexDigit(text[pos + 1]);
        if (hi < 0 || lo < 0) return false;
        out->push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        pos += 2;
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos == text.size()) break;
        if (text[pos] != ',') return false;
        ++pos;
        if (pos == text.size()) return false;
    }
    return true;
}

bool ParseData(const std::string& text, RegType* type, std::vector<std::uint8_t>* data)
{
    if (!text.empty() && text[0] == '"') {
        std::size_t pos = 0;
        std::string s;
        if (!ParseQuoted(text, &pos, &s) || pos != text.size()) return false;
        *type = REG_SZ;
        data->assign(s.begin(), s.end());
        data->push_back(0);
        return true;
    }
    if (text.rfind("dword:", 0) == 0) {
        std::string digits = text.substr(6);
        if (digits.size() != 8) return false;
        std::uint32_t v = 0;
        for (char c : digits) {
            int d = HexDigit(c);
            if (d < 0) return false;
            v = v * 16 + static_cast<std::uint32_t>(d);
        }
        *type = REG_DWORD;
        data->assign({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                      static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)});
        return true;
    }
    if (text.rfind("hex:", 0) == 0) {
        *type = REG_BINARY;
        return ParseHexList(text.substr(4), data);
    }
    if (text.rfind("hex(", 0) == 0) {
        std::size_t close = text.find("):", 4);
        if (close == std::string::npos || close == 4 || close > 12) return false;
        std::uint32_t t = 0;
        for (std::size_t i = 4; i < close; ++i) {
            int d = HexDigit(text[i]);
            if (d < 0) return false;
            t = t * 16 + static_cast<std::uint32_t>(d);
        }
        *type = static_cast<RegType>(t);
        return ParseHexList(text.substr(close + 2), data);
    }
    return false;
}

bool ParseValueLine(const std::string& line, std::string* name, RegType* type,
                    std::vector<std::uint8_t>* data)
{
    std::size_t pos = 0;
    if (line[0] == '@') {
        name->clear();
        pos = 1;
    } else if (!ParseQuoted(line, &pos, name)) {
        return false;
    }
    if (pos >= line.size() || line[pos] != '=') return false;
    for (char c : *name)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return ParseData(line.substr(pos + 1), type, data);
}

std::string Quote(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

// A REG_SZ can be written as a quoted string only when that gives back the
// same bytes: printable text followed by exactly one NUL.
bool QuotableString(const RegValue& v)
{
    if (v.type != REG_SZ || v.data.empty() || v.data.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < v.data.size(); ++i)
        if (v.data[i] < 0x20 || v.data[i] == 0x7F) return false;
    return true;
}

void AppendHexList(const std::vector<std::uint8_t>& data, std::size_t prefixLength, std::string* out)
{
    char buf[4];
    std::size_t onLine = prefixLength / 3;
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", data[i]);
        *out += buf;
        if (i + 1 < data.size()) {
            *out += ',';
            if (++onLine >= kHexBytesPerLine) {
                *out += "\\\n  ";
                onLine = 0;
            }
        }
    }
}

void AppendValue(const RegValue& v, std::string* out)
{
    std::string head = v.name.empty() ? std::string("@") : Quote(v.name);
    head += '=';
    *out += head;
    char buf[32];
    if (QuotableString(v)) {
        *out += Quote(std::string(v.data.begin(), v.data.end() - 1));
    } else if (v.type == REG_DWORD && v.data.size() == 4) {
        std::uint32_t d = v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) |
                          (static_cast<std::uint32_t>(v.data[3]) << 24);
        std::snprintf(buf, sizeof buf, "dword:%08x", d);
        *out += buf;
    } else {
        if (v.type == REG_BINARY) {
            std::snprintf(buf, sizeof buf, "hex:");
        } else {
            std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(v.type));
        }
        *out += buf;
        AppendHexList(v.data, head.size() + std::string(buf).size(), out);
    }
    *out += '\n';
}

void AppendKeyLines(const std::string& path, const RegNode& node, std::string* out)
{
    out->append("\n[").append(path).append("]\n");
    for (const auto& v : node.values) AppendValue(v, out);
}

// Every key below `root`, parents before children, in tree order. The walk
// keeps its own stack: a tree built in memory has no depth limit.
void AppendSubKeys(const RegNode& root, std::string* out)
{
    struct Level {
        const RegNode* node;
        std::size_t next;        // the child to write next
        std::size_t pathLength;  // of the node's own path
    };
    std::string path = root.name;
    std::vector<Level> levels{{&root, 0, path.size()}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.node->subKeys.size()) {
            levels.pop_back();
            continue;
        }
        const RegNode& child = *level.node->subKeys[level.next++];
        path.resize(level.pathLength);
        path.append("\\").append(child.name);
        AppendKeyLines(path, child, out);
        levels.push_back({&child, 0, path.size()});
    }
}

// Builds the tree of one parse. Keys and values are found through hash
// indexes, and subkeys are appended and put in name order once at the end:
// a store with many siblings or values costs no scan or shift per line.
class TreeBuilder {
public:
    explicit TreeBuilder(RegistryTree* tree) : tree_(tree) {}

    // The key a "[path]" line names; false when the path is malformed or
    // past the limits of a key path.
    bool OpenKey(const std::string& keyPath)
    {
        // A key below the one before (as a written store lists every first
        // child) walks only its own names.
        const bool child = !path_.empty() && keyPath.size() > text_.size() + 1 && keyPath[text_.size()] == '\\' &&
                           keyPath.compare(0, text_.size(), text_) == 0;
        if (!SplitRegPath(keyPath.substr(child ? text_.size() + 1 : 0), &parts_) || parts_.empty()) return false;
        std::span<const std::string> names(parts_);
        if (!child) {
            RegRoot root;
            if (!RegRootFromName(parts_[0], &root)) return false;
            path_.assign(1, &tree_->Root(root));
            names = names.subspan(1);
        }
        if (path_.size() - 1 + names.size() > kMaxRegKeyDepth || !RegKeyPathFits(names)) return false;
        for (const std::string& name : names) path_.push_back(SubKey(path_.back(), name));
        text_ = keyPath;
        return true;
    }

    RegNode* Current() const { return path_.empty() ? nullptr : path_.back(); }

    void SetValue(const std::string& name, RegType type, std::vector<std::uint8_t> data)
    {
        RegNode* node = path_.back();
        auto [at, added] = values_.try_emplace(Slot(node, name), node->values.size());
        if (added) node->values.push_back(RegValue{name, type, {}});
        RegValue& value = node->values[at->second];
        value.type = type;
        value.data = std::move(data);
    }

    void SortSubKeys()
    {
        std::vector<RegNode*> pending;
        for (RegNode& root : tree_->roots) pending.push_back(&root);
        while (!pending.empty()) {
            RegNode* node = pending.back();
            pending.pop_back();
            std::sort(node->subKeys.begin(), node->subKeys.end(),
                      [](const auto& a, const auto& b) { return RegNameLess(a->name, b->name); });
            for (const auto& child : node->subKeys) pending.push_back(child.get());
        }
    }

private:
    static std::string Slot(const RegNode* owner, const std::string& name)
    {
        std::string slot(reinterpret_cast<const char*>(&owner), sizeof owner);
        return slot + FoldRegName(name);
    }

    RegNode* SubKey(RegNode* parent, const std::string& name)
    {
        auto [at, added] = keys_.try_emplace(Slot(parent, name), nullptr);
        if (added) {
            parent->subKeys.push_back(std::make_unique<RegNode>());
            parent->subKeys.back()->name = name;
            at->second = parent->subKeys.back().get();
        }
        return at->second;
    }

    RegistryTree* tree_;
    std::unordered_map<std::string, RegNode*> keys_;
    std::unordered_map<std::string, std::size_t> values_;
    std::vector<RegNode*> path_;  // the nodes of the last key line, its root first
    std::string text_;            // and its path
    std::vector<std::string> parts_;
};

}  // namespace

bool ParseRegFile(const std::string& text, RegistryTree* tree)
{
    tree->Clear();
    std::string body = text;
    if (body.rfind("\xEF\xBB\xBF", 0) == 0) body.erase(0, 3);
    std::vector<std::string> lines;
    if (!LogicalLines(body, &lines)) return false;

    std::size_t i = 0;
    while (i < lines.size() && lines[i].empty()) ++i;
    if (i == lines.size() || lines[i] != kRegFileHeader) return false;

    TreeBuilder builder(tree);
    for (++i; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            if (line.back() != ']' || !builder.OpenKey(line.substr(1, line.size() - 2))) break;
            continue;
        }
        std::string name;
        RegType type;
        std::vector<std::uint8_t> data;
        if (!builder.Current() || !ParseValueLine(line, &name, &type, &data)) break;
        builder.SetValue(name, type, std::move(data));
    }
    if (i < lines.size()) {
        tree->Clear();
        return false;
    }
    builder.SortSubKeys();
    return true;
}

std::string FormatRegFile(const RegistryTree& tree)
{
    std::string out = kRegFileHeader;
    out += '\n';
    for (int r = 0; r < 3; ++r) {
        const RegNode& root = tree.roots[r];
        if (!root.values.empty()) AppendKeyLines(root.name, root, &out);
        AppendSubKeys(root, &out);
    }
    return out;
}
