#pragma once
#include <cstdint>
#include <string>

#include "records/RecordIndex.h"

class CRecordList;

// What View > Properties reports about the document.
struct DocumentFacts {
    std::string path;  // empty for a document without a file
    std::uint16_t mode = 1;  // a new document's: DOS text
    RecordIndex recordCount = 0;
    ByteTotal totalBytes = 0;
    // Seconds since 1970; all zero when there is no file.
    std::int64_t createTime = 0;
    std::int64_t modifyTime = 0;
    std::int64_t accessTime = 0;
};

// The facts of a record list as it is in memory (edits included); a null
// list is an empty new document.
DocumentFacts FactsOf(const CRecordList* list);

// The report, with CR-LF line breaks: name, type, counts, then the file's
// three times as ctime texts (each ending in its own line feed), or
// "(N/A)" for each when there is no creation time.
std::string PropertiesReport(const DocumentFacts& facts);

// Texts of the Properties dialog.
inline constexpr char kPropertiesCaption[] = "Properties";
inline constexpr char kPropertiesTab[] = "General";
inline constexpr char kPropertiesOk[] = "&Ok";
