#include "platform/RegistryTree.h"

#include <algorithm>

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

const char* const kRootNames[3] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"};

}  // namespace

bool RegNamesEqual(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// Case-insensitive ordering, so keys are listed the way the user expects.
bool RegNameLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

std::string FoldRegName(const std::string& name)
{
    std::string folded = name;
    for (char& c : folded) c = Lower(c);
    return folded;
}

RegNode::~RegNode()
{
    // Each node taken off the list hands its children over first, so its
    // own destruction finds none: the stack stays flat at any depth.
    std::vector<std::unique_ptr<RegNode>> pending = std::move(subKeys);
    while (!pending.empty()) {
        std::unique_ptr<RegNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->subKeys) pending.push_back(std::move(child));
        node->subKeys.clear();
    }
}

namespace {

// The first child not ordered before `key`: the key itself when present.
// A store with many siblings must not cost a scan per key.
auto LowerBound(const std::vector<std::unique_ptr<RegNode>>& subKeys, const std::string& key)
{
    return std::lower_bound(subKeys.begin(), subKeys.end(), key, [](const auto& node, const std::string& k) {
        return RegNameLess(node->name, k);
    });
}

}  // namespace

RegNode* RegNode::FindSubKey(const std::string& key) const
{
    auto at = LowerBound(subKeys, key);
    return at != subKeys.end() && RegNamesEqual((*at)->name, key) ? at->get() : nullptr;
}

RegNode* RegNode::AddSubKey(const std::string& key)
{
    auto at = LowerBound(subKeys, key);
    if (at != subKeys.end() && RegNamesEqual((*at)->name, key)) return at->get();
    auto node = std::make_unique<RegNode>();
    node->name = key;
    return subKeys.insert(at, std::move(node))->get();
}

bool RegNode::RemoveSubKey(const std::string& key)
{
    auto at = LowerBound(subKeys, key);
    if (at == subKeys.end() || !RegNamesEqual((*at)->name, key)) return false;
    subKeys.erase(at);
    return true;
}

RegValue* RegNode::FindValue(const std::string& value)
{
    for (auto& v : values)
        if (RegNamesEqual(v.name, value)) return &v;
    return nullptr;
}

void RegNode::SetValue(const std::string& value, RegType type, std::vector<std::uint8_t> data)
{
    RegValue* v = FindValue(value);
    if (!v) {
        values.push_back(RegValue{value, type, {}});
        v = &values.back();
    }
    v->type = type;
    v->data = std::move(data);
}

RegistryTree::RegistryTree() { Clear(); }

void RegistryTree::Clear()
{
    for (int i = 0; i < 3; ++i) {
        roots[i].values.clear();
        roots[i].subKeys.clear();
        roots[i].name = kRootNames[i];
    }
}

bool RegKeyPathFits(std::span<const std::string> names)
{
    return names.size() <= kMaxRegKeyDepth &&
           std::all_of(names.begin(), names.end(),
                       [](const std::string& name) { return name.size() <= kMaxRegKeyNameBytes; });
}

const char* RegRootName(RegRoot root) { return kRootNames[static_cast<int>(root)]; }

bool RegRootFromName(const std::string& name, RegRoot* root)
{
    for (int i = 0; i < 3; ++i) {
        if (RegNamesEqual(name, kRootNames[i])) {
            *root = static_cast<RegRoot>(i);
            return true;
        }
    }
    return false;
}

bool SplitRegPath(const std::string& path, std::vector<std::string>* parts)
{
    parts->clear();
    if (path.empty()) return true;
    if (std::any_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return false;
    for (std::size_t start = 0;;) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        if (end == start) return false;  // an empty part
        parts->emplace_back(path, start, end - start);
        if (end == path.size()) return true;
        start = end + 1;
    }
}
