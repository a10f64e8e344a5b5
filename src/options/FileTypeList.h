#pragma once
#include <map>
#include <string>
#include <vector>

#include "options/FileTypeEntry.h"
#include "platform/FileTypes.h"

// The rows of the File Types dialog: one per file type, keyed by a running
// number given in the order the types are first met, with every extension
// of the type gathered in its row.
class CFileTypeList {
public:
    // The columns, in order.
    enum Column { kEnabledColumn, kDescriptionColumn, kHexColumn, kSourceColumn, kModeColumn, kColumnCount };

    // Adds one extension of the system's list: to the row of its type when
    // there is one, else to a new row (whose verb, when present, is read
    // back). Answers the row's key.
    long AddExtension(const SystemFileType& type);
    // Every extension of the system's list, in order.
    void Fill(const std::vector<SystemFileType>& types);

    FileTypeEntry* Find(long key);
    const std::map<long, FileTypeEntry>& Entries() const { return entries_; }
    // Row keys in the order the rows were added.
    std::vector<long> Keys() const;

    // The text of a column for an entry.
    static std::string ColumnText(const FileTypeEntry& entry, int column);
    // The sort order of a column (always ascending): negative when `a` goes
    // before `b`, 0 when they tie.
    static int Compare(const FileTypeEntry& a, const FileTypeEntry& b, int column);
    // `keys` sorted by a column; ties keep their order.
    void Sort(std::vector<long>* keys, int column) const;

private:
    std::map<long, FileTypeEntry> entries_;
    std::map<std::string, long> keyOfType_;
    long nextKey_ = 0;
};
