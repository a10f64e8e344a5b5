#include "options/FileTypeList.h"

#include <algorithm>

#include "options/VerbCommandLine.h"

namespace {

std::string UpperCase(std::string text)
{
    for (auto& c : text) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return text;
}

// Enabled rows first; then, for the flag columns, the rows with the flag.
int CompareFlags(bool enabledA, bool enabledB, bool flagA, bool flagB)
{
    if (enabledA != enabledB) return enabledA ? -1 : 1;
    if (flagA != flagB) return flagA ? -1 : 1;
    return 0;
}

}  // namespace

long CFileTypeList::AddExtension(const SystemFileType& type)
{
    long key;
    auto known = keyOfType_.find(type.typeName);
    if (known != keyOfType_.end()) {
        key = known->second;
    } else {
        key = nextKey_++;
        FileTypeEntry entry;
        entry.typeName = type.typeName;
        // A type without a description shows its extension: "txt file".
        entry.description = type.description.empty() ? type.extension.substr(1) + " file" : type.description;
        if (type.hasVerb) {
            entry.enabled = true;
            ReadVerbCommand(type.verbCommand, &entry);
        }
        entries_.emplace(key, entry);
        keyOfType_.emplace(type.typeName, key);
    }
    entries_[key].extensions += " " + type.extension;
    return key;
}

void CFileTypeList::Fill(const std::vector<SystemFileType>& types)
{
    for (const auto& type : types) {
        if (type.extension.size() < 2 || type.extension[0] != '.' || type.typeName.empty()) continue;
        AddExtension(type);
    }
}

FileTypeEntry* CFileTypeList::Find(long key)
{
    auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

std::vector<long> CFileTypeList::Keys() const
{
    std::vector<long> keys;
    for (const auto& [key, entry] : entries_) keys.push_back(key);
    return keys;
}

std::string CFileTypeList::ColumnText(const FileTypeEntry& entry, int column)
{
    switch (column) {
    case kEnabledColumn: return entry.enabled ? "X" : "";
    case kDescriptionColumn: return entry.description;
    case kHexColumn: return entry.enabled && entry.hex ? "X" : "";
    case kSourceColumn: return entry.enabled && entry.source ? "X" : "";
    case kModeColumn: return entry.enabled ? VerbModeText(entry) : "";
    default: return {};
    }
}

int CFileTypeList::Compare(const FileTypeEntry& a, const FileTypeEntry& b, int column)
{
    switch (column) {
    case kEnabledColumn: return CompareFlags(a.enabled, b.enabled, false, false);
    case kDescriptionColumn: return UpperCase(a.description).compare(UpperCase(b.description));
    case kHexColumn: return CompareFlags(a.enabled, b.enabled, a.hex, b.hex);
    case kSourceColumn: return CompareFlags(a.enabled, b.enabled, a.source, b.source);
    case kModeColumn:
        if (a.enabled != b.enabled) return a.enabled ? -1 : 1;
        if (a.mode != 0 || b.mode != 0) return a.mode - b.mode;
        return a.width - b.width;
    default: return 0;
    }
}

void CFileTypeList::Sort(std::vector<long>* keys, int column) const
{
    std::stable_sort(keys->begin(), keys->end(), [&](long a, long b) {
        return Compare(entries_.at(a), entries_.at(b), column) < 0;
    });
}
