#pragma once
#include <cstdint>
#include <string>

#include "records/RecordFile.h"
#include "records/RecordNode.h"

// How the last Load went, so that the document can tell the user the right
// thing and fall back to an untitled document when nothing was read.
enum class LoadOutcome {
    Loaded,      // the whole file is in the list
    Partial,     // read only partly (read error, or the file changed); warned
    CannotOpen,  // nothing read: missing, unreadable or not a regular file
    Refused,     // too many records or bytes for the counters; already told
};

// The document's records: a doubly linked list of RecordNode, its totals,
// the file they came from and every operation on them. Members are grouped
// by concern, each group in its own source file.
class CRecordList {
public:
    CRecordList() = default;
    // Deletes the autosave copy when one was written, then frees every record.
    ~CRecordList();
    CRecordList(const CRecordList&) = delete;
    CRecordList& operator=(const CRecordList&) = delete;

    // --- Single records (RecordList.cpp) ---

    // Links a new record holding a copy of `length` bytes before `before`,
    // or after `tail` when `before` is null. Null when memory runs out (the
    // user has been told and the program asked to quit).
    RecordNode* NewRecord(RecordNode* before, const std::uint8_t* source, int length);
    // Replaces `deleteCount` bytes at `column` by `insertCount` bytes of
    // `source`. Refuses silently when there are fewer bytes to delete than
    // asked, and with "Record exceeds maximum size." when the record would
    // reach 65535 bytes. True when the record changed.
    bool Splice(RecordNode* node, int column, int deleteCount, const std::uint8_t* source, int insertCount);
    // Breaks a record at `column` (Enter). Returns the upper record; `column`
    // comes back as the caret column in the lower one (the indent width when
    // smart indent applies). Null when memory runs out.
    RecordNode* SplitRecord(RecordNode* node, int& column, bool indentFlag);
    // Appends the following record to `node` and removes it. Null, with
    // nothing changed, when there is no follower or the result would exceed
    // 65535 bytes (callers show their own message).
    RecordNode* JoinNext(RecordNode* node);
    // Frees every record; the list is left empty.
    void FreeAll();

    // --- Loading (RecordListLoad.cpp) ---

    // Reads a file into the (empty) list: mode request 0 AUTO, 1 DOS, 2 UNIX
    // (3: both bits), a non-zero width requests BINARY. Asks about an
    // over-long line. 0 when the whole file was read; 1 otherwise, with
    // `loadOutcome` saying why and the list holding what was read.
    int Load(const std::string& path, std::uint16_t modeRequest, std::int32_t width);

    // --- Saving (RecordListSave.cpp) ---

    // Writes every record to `path` in `mode` (DOS, UNIX or binary). Without
    // noBookkeeping a backup "%s.bak" of the old file is made first, the
    // autosave copy is deleted and `fileName` becomes `path`. 0 on success,
    // 1 on failure; a failed save leaves the old file as it was.
    int Save(bool noBookkeeping, const std::string& path, std::uint16_t mode);
    // Save with the bookkeeping; tells the user when it fails.
    bool SaveWithMessage(const std::string& path, std::uint16_t mode);
    // Expands tabs in place to the `srcMark` tab stops; `bytes` has room for
    // 65535. Returns the new length (never above 65535).
    int ExpandTabs(std::uint8_t* bytes, int length);

    // --- Autosave copy (RecordListRecovery.cpp) ---

    // Writes the autosave copy "%s.tbsav" ("Untitled.tbsav" when untitled)
    // in the current mode, without touching the backup or `fileName`.
    bool SaveRecoveryCopy();
    // Name of the autosave copy for the current `fileName`.
    std::string RecoveryCopyName() const;

    // --- Range operations and the undo journal's inverses: their own files ---

    // --- State ---

    // Full path of the file the records came from or were last saved to;
    // empty for an untitled document.
    std::string fileName;
    std::int32_t recordCount = 0;
    std::int32_t totalBytes = 0;
    RecordNode* head = nullptr;
    RecordNode* tail = nullptr;
    CRecordFile file;
    bool recoveryCopyWritten = false;
    LoadOutcome loadOutcome = LoadOutcome::Loaded;
    // Scratch area for splitting, joining, loading and saving; valid only
    // until the next list operation.
    std::uint8_t workBuffer[kMaxRecordLength];

private:
    int LoadRecords(const std::string& path);
    int WriteRecords(const std::string& path, std::uint16_t mode, const std::string& permissionsFrom);
    void DeleteRecoveryCopy();
};

// The record count and byte total are 32-bit; a file that would overflow
// them is refused. Tests lower the limit to reach that without gigabyte
// files; 0 puts it back.
void SetDocumentCounterLimitForTesting(std::int64_t limit);
