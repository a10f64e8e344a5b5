#pragma once
#include <cstdint>
#include <memory>

#include "records/RecordNode.h"

class CClipRecords;
class CRecordList;
class CReplaceAllLog;
class CUndoBuffer;
class IDocumentHooks;
class IUndoView;
struct SourceOptions;

// The edits the editor makes to a document's records. Each call changes the
// records, records in the undo journal how to reverse the change, and marks
// the document modified; a refused edit does none of the three. So no caller
// can forget a step. Every edit that adds records or bytes is refused, with
// the message, when the document's counters would pass their limit
// (CRecordList::MayGrow). `record` is the index of `node` (the journal keeps
// indexes), columns are byte indexes. Cheap to make: it only refers to the
// list, the journal and the document it works on.
class CRecordEdits {
public:
    // `document` may be null: nothing is marked then.
    CRecordEdits(CRecordList& list, CUndoBuffer& journal, IDocumentHooks* document)
        : list_(list), journal_(journal), document_(document)
    {
    }

    CRecordList& List() const { return list_; }

    // --- Bytes of one record (RecordEdits.cpp) ---

    // Inserts `count` typed bytes at `column` (more than one when a Tab
    // became spaces). False when the record would reach 65535 bytes or the
    // counters pass their limit (the user is told), or memory ran out.
    [[nodiscard]] bool Type(RecordNode* node, RecordIndex record, int column, const std::uint8_t* bytes, int count);
    // Overwrites the byte at `column`. `secondDigit`: the low hex digit typed
    // right after the high one, which the journal's newest entry may already
    // restore.
    [[nodiscard]] bool Overwrite(RecordNode* node, RecordIndex record, int column, std::uint8_t byte,
                                 bool secondDigit);
    // Deletes the byte at `column` (Delete; Backspace deletes the one before
    // the caret).
    [[nodiscard]] bool DeleteByte(RecordNode* node, RecordIndex record, int column);
    // Replaces `deleteCount` bytes at `column` by `count` bytes (Replace of
    // Find and Replace). False as Type is.
    [[nodiscard]] bool Replace(RecordNode* node, RecordIndex record, int column, int deleteCount,
                               const std::uint8_t* bytes, int count);

    // --- Record structure (RecordEdits.cpp) ---

    // Breaks the record at `column` (Enter); with smartIndent the lower
    // record starts with the upper one's indent. Returns the upper record,
    // `column` coming back as the caret column in the lower one. Null when
    // refused (told) or memory ran out.
    [[nodiscard]] RecordNode* Split(RecordNode* node, RecordIndex record, int& column, bool smartIndent);
    // Joins `upper` with the record after it. False when there is none,
    // when the result would pass 65535 bytes (told: "Total size of merged
    // record exceeds maximum size.") or memory ran out.
    [[nodiscard]] bool JoinNext(RecordNode* upper, RecordIndex record);
    // Indents or unindents the records first to last (Tab and Shift+Tab on
    // a selection in source mode) as CRecordList::ShiftBlock does. False
    // when an indent was refused for size (told; nothing changed). An
    // unindent that takes nothing off is journaled but marks nothing.
    [[nodiscard]] bool ShiftBlock(bool unindent, RecordNode* first, RecordIndex firstRecord, RecordNode* last,
                                  RecordIndex lastRecord, const SourceOptions& options);

    // --- Ranges (RecordEditsRanges.cpp; see CRecordList's ranges) ---

    // Deletes a range (after CheckJoinLength). Returns the caret's record:
    // the joined record when the range started inside a record, else the
    // first record after it; null when the range ran to the end of the
    // document, or when memory ran out. An empty or refused range changes
    // nothing and returns startNode.
    [[nodiscard]] RecordNode* RemoveRange(RecordNode* startNode, RecordIndex startIndex, int startColumn,
                                          RecordIndex endIndex, int endColumn);
    // RemoveRange that first puts the removed records in `holder` (and on
    // the clipboard); the journal then takes them over, the holder keeping
    // their counts.
    [[nodiscard]] RecordNode* CutRange(CClipRecords& holder, RecordNode* startNode, RecordIndex startIndex,
                                       int startColumn, RecordIndex endIndex, int endColumn);
    // Inserts the holder's records at (index, column) of `node`; index and
    // column come back as the caret after the pasted text. Returns the
    // caret's record, `node` when there is nothing to paste, or null when
    // refused for size (with its message) or memory ran out.
    [[nodiscard]] RecordNode* PasteHeld(CClipRecords& holder, RecordNode* node, RecordIndex& index, int& column);
    // Whether a paste of the holder's records, where `tailLength` bytes
    // follow the caret, keeps the counters within their limit once
    // `freedRecords` records and `freedBytes` bytes have gone (a selection
    // it replaces). Tells the user when not.
    [[nodiscard]] bool PasteFitsCounters(const CClipRecords& holder, int tailLength, RecordIndex freedRecords,
                                         ByteTotal freedBytes) const;
    // PasteHeld of what the system clipboard holds (read into the holder
    // first).
    [[nodiscard]] RecordNode* PasteChain(CClipRecords& holder, RecordNode* node, RecordIndex& index, int& column);

    // --- Replace All and Undo (RecordEdits.cpp) ---

    // Replace All has changed the records as `log` tells: the find engine
    // rewrites them record by record, for speed, and hands its log here to
    // be journaled (the caret was at record, column before) and the document
    // marked. A null log (memory ran out) leaves a change nobody can undo:
    // the journal is emptied.
    void JournalReplaceAll(RecordIndex record, int column, std::unique_ptr<CReplaceAllLog> log);
    // Edit > Undo (CUndoBuffer::Undo): the document counts as unmodified
    // again when the journal runs empty.
    [[nodiscard]] bool Undo(IUndoView& view);

private:
    void Mark();

    CRecordList& list_;
    CUndoBuffer& journal_;
    IDocumentHooks* document_;
};
