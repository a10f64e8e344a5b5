#pragma once
#include <cstdint>
#include <string>

#include "platform/InstanceLock.h"
#include "records/CounterLimit.h"
#include "records/NodeIndex.h"
#include "records/RecordFile.h"
#include "records/RecordNode.h"
#include "records/SourceOptions.h"

class CClipRecords;
class CFileImage;
class CProgressMeter;
class IProgressSink;

// How the last Load went, so that the document can tell the user the right
// thing and fall back to an untitled document when nothing was read.
enum class LoadOutcome {
    Loaded,      // the whole file is in the list
    Partial,     // read only partly (read error, or the file changed); warned
    CannotOpen,  // nothing read: missing, unreadable or not a regular file
    Refused,     // more than the memory available could hold; already told
};

// The document's records: a doubly linked list of RecordNode, its totals,
// the file they came from and every operation on them. Members are grouped
// by concern, each group in its own source file. These operations change the
// records only: the editor's changes go through CRecordEdits
// (records/RecordEdits.h), which journals and marks each one as well. Every
// change of a record's bytes ends in ReplaceBytes, RestoreBlock, JoinNext or
// the splits; new records come from NewRecord.
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
    [[nodiscard]] RecordNode* NewRecord(RecordNode* before, const std::uint8_t* source, int length);
    // Links a new record after `tail` that borrows `length` bytes at `bytes`
    // from `image` (loading). Null when memory runs out (told as above).
    [[nodiscard]] RecordNode* BorrowedRecord(CFileImage* image, const std::uint8_t* bytes, int length);
    // Replaces `deleteCount` bytes at `column` by `insertCount` bytes of
    // `source`. Refuses silently when there are fewer bytes to delete than
    // asked, and with "Record exceeds maximum size." when the record would
    // reach 65535 bytes. True when the record changed.
    [[nodiscard]] bool Splice(RecordNode* node, int column, int deleteCount, const std::uint8_t* source,
                              int insertCount);
    // Breaks a record at `column` (Enter). Returns the upper record; `column`
    // comes back as the caret column in the lower one. With smartIndent the
    // lower record starts with the upper one's leading blanks (when it holds
    // more than blanks), and `column` is their width. Null when the counters
    // would pass their limit (told; nothing changed) or memory runs out.
    [[nodiscard]] RecordNode* SplitRecord(RecordNode* node, int& column, bool smartIndent);
    // Appends the following record to `node` and removes it. Null, with
    // nothing changed, when there is no follower or the result would exceed
    // 65535 bytes (callers show their own message).
    [[nodiscard]] RecordNode* JoinNext(RecordNode* node);
    // Frees every record; the list is left empty.
    void FreeAll();
    // Whether `records` more records and `bytes` more bytes (negative:
    // fewer) keep the counters within their limit (records/CounterLimit.h).
    // When not, tells the user "The document would hold more than ..." and
    // answers false; edits ask before they change anything.
    [[nodiscard]] bool MayGrow(RecordIndex records, ByteTotal bytes) const;
    // The record at `index` (from 0), found through the node index at the
    // same small cost wherever it lies; null when there is none. Short
    // steps from a record at hand are cheaper still (FindRelative).
    [[nodiscard]] RecordNode* NodeAt(RecordIndex index) const { return nodeIndex.NodeAt(index); }
    // The record at `index` when `known` is the record at `knownIndex`: a
    // short walk from it when near, else NodeAt.
    [[nodiscard]] RecordNode* NodeFrom(RecordNode* known, RecordIndex knownIndex, RecordIndex index) const;

    // --- Loading (RecordListLoad.cpp) ---

    // Reads a file into the (empty) list: mode request 0 AUTO, 1 DOS, 2 UNIX
    // (3: both bits), a non-zero width requests BINARY. Asks about an
    // over-long line. 0 when the whole file was read; 1 otherwise, with
    // `loadOutcome` saying why and the list holding what was read.
    // The file's mode comes back in file.mode: binary (not IsTextMode) when
    // the file was opened as binary records, whatever was read.
    [[nodiscard]] int Load(const std::string& path, std::uint16_t modeRequest, std::int32_t width);

    // --- Saving (RecordListSave.cpp) ---

    // Writes every record to `path` in `mode` (DOS, UNIX or binary). Without
    // noBookkeeping a backup "%s.bak" of the old file is made first, the
    // autosave copy is deleted and `fileName` becomes `path`. 0 on success,
    // 1 on failure. A failed save keeps the document's mode and width; a
    // save that replaces the file leaves it as it was, one that rewrites it
    // in place (a folder without write permission, other hard links) may
    // leave it partly written, with the backup holding the old bytes. Tabs
    // become spaces when `options` say so (source mode with srcSave); the
    // default writes every byte as it is. With `backupRequired` a save
    // whose backup of an existing file cannot be made fails before the file
    // changes.
    [[nodiscard]] int Save(bool noBookkeeping, const std::string& path, std::uint16_t mode,
                           const SourceOptions& options = {}, bool backupRequired = false);
    // Save with the bookkeeping; tells the user when it fails. Over a file
    // that ChangedOnDisk it asks first, and the backup then must be made;
    // No saves nothing and answers false, with the file, its backup and the
    // list as they were.
    [[nodiscard]] bool SaveWithMessage(const std::string& path, std::uint16_t mode, const SourceOptions& options = {});
    // True when `path` names the file the records were last read from or
    // saved to (`fileName`), and that file is no longer the one file.status
    // describes: another file, or another size or modification time. A
    // missing file has not changed; it is simply written.
    [[nodiscard]] bool ChangedOnDisk(const std::string& path) const;
    // Expands tabs in place to stops every `tabStop` columns; `bytes` has
    // room for 65535. Returns the new length (never above 65535).
    [[nodiscard]] int ExpandTabs(std::uint8_t* bytes, int length, int tabStop);

    // --- Autosave copy (RecordListRecovery.cpp) ---

    // Writes the autosave copy "%s.tbsav" ("Untitled.tbsav" when untitled)
    // in the current mode, without touching the backup or `fileName`; tabs
    // as Save does with `options`. A copy this document has not written
    // itself is never overwritten: when a file has that name already, or
    // another instance holds the name's lock, the copy goes to a free
    // stamped name (records/RecoveryNames.h).
    [[nodiscard]] bool SaveRecoveryCopy(const SourceOptions& options = {});
    // Name of the autosave copy: the one written, else the one for the
    // current `fileName`.
    std::string RecoveryCopyName() const;
    // Takes the instance lock for the current `fileName`'s copy unless it
    // is held already; the lock goes when the list does.
    void HoldInstanceLock();
    // Makes a lock taken before the list existed the list's own.
    void AdoptInstanceLock(CInstanceLock lock);
    // The copy at `copyName` now counts as written by this document: Save
    // and the end of the list remove it.
    void AdoptRecoveryCopy(const std::string& copyName);
    // The document is being replaced: its copy (when it wrote one) and its
    // lock go now rather than when the list is freed.
    void LetGoOfRecoveryCopy();
    // The program ends without its exit handling: the copy stays for the
    // next start, and the lock goes.
    void KeepRecoveryCopy();

    // --- Ranges and blocks (RecordListRanges.cpp, RecordListBlocks.cpp) ---
    // A range runs from (startIndex, startColumn) at startNode to the
    // exclusive end (endIndex, endColumn); an end column of 0 takes in the
    // line break before the end record, and an end index equal to
    // recordCount means the end of the last record. Removing and pasting
    // ranges are edits (CRecordEdits).

    // Copies a range into the clipboard holder (and onto the clipboard); the
    // document is unchanged. False when memory runs out or the range is
    // empty.
    [[nodiscard]] bool CopyRange(CClipRecords& holder, RecordNode* startNode, RecordIndex startIndex,
                                 int startColumn, RecordIndex endIndex, int endColumn) const;
    // Indents (options.BlockIndentSpaces() spaces, or a tab for 0) or
    // unindents (up to options.BlockTabWidth() spaces, or a tab) every record
    // from firstNode to lastNode. An indent that would make any of them too
    // long, or the document too large for its counters, changes none of
    // them: false, with the message.
    [[nodiscard]] bool ShiftBlock(bool unindent, RecordNode* firstNode, RecordNode* lastNode,
                                  const SourceOptions& options);

    // --- The inverse operations of Undo (RecordListInverse.cpp) ---

    // Deletes, from `column` of `node`, `breakCount` line breaks and
    // `byteCount` bytes (a paste). With joinAfter the record split at
    // `column` is joined again. Returns the caret's record; null when memory
    // ran out.
    [[nodiscard]] RecordNode* DeleteForward(RecordNode* node, int column, ByteTotal byteCount, RecordIndex breakCount,
                                            bool joinAfter);
    // Links a detached chain back in at `column` of `node` (null `node`:
    // after the last record); with joinLast its last record is joined with
    // the record after it. The list owns the chain afterwards. Returns the
    // record at the insertion point; null when memory ran out.
    [[nodiscard]] RecordNode* InsertChain(RecordNode* node, int column, RecordNode* chain, bool joinLast);
    // Splice for putting back what a record held before: it may reach 65535
    // bytes and shows no message. False when the arguments do not fit or
    // memory runs out.
    [[nodiscard]] bool RestoreBytes(RecordNode* node, int column, int deleteCount, const std::uint8_t* source,
                                    int insertCount);
    // Gives the records from `node` on the lengths and bytes of the chain
    // `saved`, in order. False when the list ends first or memory runs out.
    [[nodiscard]] bool RestoreBlock(RecordNode* node, const RecordNode* saved);

    // --- State ---

    // Full path of the file the records came from or were last saved to;
    // empty for an untitled document.
    std::string fileName;
    RecordIndex recordCount = 0;
    ByteTotal totalBytes = 0;
    RecordNode* head = nullptr;
    RecordNode* tail = nullptr;
    // Follows every change of the links, made here and by the chain
    // functions (records/RecordChain.h); read through NodeAt.
    mutable CNodeIndex nodeIndex;
    CRecordFile file;
    bool recoveryCopyWritten = false;
    // Shown the progress of loads and saves that take a while; none by default.
    IProgressSink* progressSink = nullptr;
    LoadOutcome loadOutcome = LoadOutcome::Loaded;
    // Scratch area for splitting, joining, loading and saving; valid only
    // until the next list operation.
    std::uint8_t workBuffer[kMaxRecordLength];

private:
    // The byte move shared by Splice and RestoreBytes, once their checks
    // passed: grows the buffer as needed and keeps totalBytes exact.
    [[nodiscard]] bool ReplaceBytes(RecordNode* node, int column, int deleteCount, const std::uint8_t* source,
                                    int insertCount);
    [[nodiscard]] int LoadRecords(const std::string& path, CProgressMeter& progress);
    // Links an unlinked record before `before` (null: after the last).
    void Link(RecordNode* node, RecordNode* before);
    [[nodiscard]] int WriteRecords(const std::string& path, std::uint16_t mode, const std::string& permissionsFrom,
                                   const std::string& backupName, bool backupRequired, const SourceOptions& options);
    // Bytes a save in `mode` writes; uses workBuffer when tabs are expanded.
    std::uint64_t SavedSize(std::uint16_t mode, const SourceOptions& options);
    void DeleteRecoveryCopy();

    // Where the copy was written, while recoveryCopyWritten is set.
    std::string recoveryCopyPath_;
    CInstanceLock instanceLock_;
};
