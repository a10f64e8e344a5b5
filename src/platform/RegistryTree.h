#pragma once
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Registry.h"

// The in-memory form of a registry store: three root keys, each a tree of
// named keys holding typed values. Names compare case-insensitively.
struct RegValue {
    std::string name;
    RegType type = REG_NONE;
    std::vector<std::uint8_t> data;
};

struct RegNode {
    std::string name;
    std::vector<RegValue> values;
    std::vector<std::unique_ptr<RegNode>> subKeys;  // kept in name order

    RegNode() = default;
    RegNode(RegNode&&) = default;
    RegNode& operator=(RegNode&&) = default;
    ~RegNode();  // frees the keys below without recursing through them

    RegNode* FindSubKey(const std::string& key) const;
    RegNode* AddSubKey(const std::string& key);  // existing or new
    bool RemoveSubKey(const std::string& key);
    RegValue* FindValue(const std::string& value);
    void SetValue(const std::string& value, RegType type, std::vector<std::uint8_t> data);
};

struct RegistryTree {
    RegNode roots[3];

    RegistryTree();
    RegNode& Root(RegRoot root) { return roots[static_cast<int>(root)]; }
    const RegNode& Root(RegRoot root) const { return roots[static_cast<int>(root)]; }
    void Clear();
};

// What a store may hold. The program writes keys at most five levels deep
// with short names; a store far past that is damaged or hostile, and would
// cost unbounded time and space to read, write back and free.
constexpr std::size_t kMaxRegKeyDepth = 64;  // names below the root
constexpr std::size_t kMaxRegKeyNameBytes = 255;
// Whether a key path (the names below a root) keeps those limits.
bool RegKeyPathFits(std::span<const std::string> names);

const char* RegRootName(RegRoot root);
bool RegRootFromName(const std::string& name, RegRoot* root);
bool RegNamesEqual(const std::string& a, const std::string& b);
// The order subkeys are kept in, without regard to case.
bool RegNameLess(const std::string& a, const std::string& b);
// The name with its letters in one case: equal for names RegNamesEqual calls equal.
std::string FoldRegName(const std::string& name);
// Splits "a\b\c" into its parts; false for empty parts or control characters.
bool SplitRegPath(const std::string& path, std::vector<std::string>* parts);
