#pragma once
#include <cstdint>

#include "records/RecordNode.h"

class CReplaceAllLog;

// What an undo entry reverses. The numbers are the entry kinds of the
// journal; 0 marks a free slot.
enum class UndoKind : std::uint16_t {
    Free = 0,
    Typed = 1,          // bytes typed in insert mode
    Overwrite = 2,      // bytes overwritten, kept as they were
    DeletedChars = 3,   // bytes deleted by Delete or Backspace, kept in order
    Removal = 4,        // a range taken out, kept as a detached chain
    Paste = 5,          // bytes and line breaks pasted
    Join = 6,           // a record joined with the next
    Split = 7,          // a record split (Enter), perhaps with an indent
    BlockSnapshot = 8,  // a block unindented, kept as copies of its records
    BlockIndent = 9,    // a block indented by the same indent on each record
    Replace = 10,       // one text replaced by another
    ReplaceAll = 11,    // every replacement of a Replace All
};

// One change the journal can reverse: the record index (line) and byte
// column where it happened, and what it takes to reverse it. Stored fields
// mean different things by kind, so entries are made by the makers below and
// read through the accessors named after what they hold.
class UndoEntry {
public:
    UndoEntry() = default;

    // --- Makers, one per kind ---

    static UndoEntry Typed(RecordIndex line, int column, int count)
    {
        return {UndoKind::Typed, line, column, count};
    }
    // `oldBytes`: a byte run (records/ByteRun.h) the entry owns.
    static UndoEntry Overwrite(RecordIndex line, int column, RecordNode* oldBytes)
    {
        return {UndoKind::Overwrite, line, column, 0, oldBytes};
    }
    // `deleted`: a byte run the entry owns.
    static UndoEntry DeletedChars(RecordIndex line, int column, RecordNode* deleted)
    {
        return {UndoKind::DeletedChars, line, column, 0, deleted};
    }
    // `chain`: the removed records (from the record storage), owned by the entry.
    static UndoEntry Removal(RecordIndex line, int column, RecordNode* chain, bool endsWithBreak)
    {
        return {UndoKind::Removal, line, column, endsWithBreak ? 0 : 1, chain};
    }
    static UndoEntry Paste(RecordIndex line, int column, ByteTotal byteTotal, RecordIndex lineBreaks)
    {
        UndoEntry entry{UndoKind::Paste, line, column, byteTotal};
        entry.lineBreaks_ = lineBreaks;
        return entry;
    }
    // The record at `line` was `upperLength` bytes long before the join.
    static UndoEntry Join(RecordIndex line, int upperLength)
    {
        return {UndoKind::Join, line, upperLength, 0};
    }
    static UndoEntry Split(RecordIndex line, int column, int indent)
    {
        return {UndoKind::Split, line, column, indent};
    }
    // `copies`: the block's records before the change, owned by the entry.
    static UndoEntry BlockSnapshot(RecordIndex line, RecordNode* copies)
    {
        return {UndoKind::BlockSnapshot, line, 0, 0, copies};
    }
    // `spaces` per record, 0 for a tab. The column field keeps the last
    // record's index, so it is as wide as a record index.
    static UndoEntry BlockIndent(RecordIndex firstLine, RecordIndex lastLine, int spaces)
    {
        return {UndoKind::BlockIndent, firstLine, lastLine, spaces};
    }
    // `oldBytes`: a byte run of the text replaced, owned by the entry.
    static UndoEntry Replace(RecordIndex line, int column, int newLength, RecordNode* oldBytes)
    {
        return {UndoKind::Replace, line, column, newLength, oldBytes};
    }
    // (line, column): the caret before the Replace All; the entry owns `log`.
    static UndoEntry ReplaceAll(RecordIndex line, int column, CReplaceAllLog* log)
    {
        UndoEntry entry{UndoKind::ReplaceAll, line, column, 0};
        entry.replaceAll_ = log;
        return entry;
    }

    // --- Accessors ---

    UndoKind Kind() const { return kind_; }
    RecordIndex Line() const { return line_; }
    // Byte column of the change; for ReplaceAll the caret's column before it.
    // (Not for BlockIndent, whose column field is LastLine.)
    int Column() const { return static_cast<int>(column_); }

    // Typed: bytes typed.
    int TypedCount() const { return static_cast<int>(value_); }
    // Overwrite, DeletedChars, Replace: the bytes to put back (a byte run).
    const RecordNode* SavedBytes() const { return data_; }
    // Removal: the removed records, and whether the removed text ended with
    // a line break (when not, its last record joins the one after it again).
    const RecordNode* RemovedChain() const { return data_; }
    bool RemovalEndsWithBreak() const { return value_ == 0; }
    // Hands the removed records over to whoever links them back in.
    RecordNode* TakeRemovedChain()
    {
        RecordNode* chain = data_;
        data_ = nullptr;
        return chain;
    }
    // Paste: bytes and line breaks pasted.
    ByteTotal PastedBytes() const { return value_; }
    RecordIndex PastedLineBreaks() const { return lineBreaks_; }
    // Join: the upper record's length before the join (where it splits again).
    int JoinColumn() const { return static_cast<int>(column_); }
    // Split: indent bytes put at the start of the lower record.
    int SplitIndent() const { return static_cast<int>(value_); }
    // BlockSnapshot: copies of the block's records before the change.
    const RecordNode* SavedRecords() const { return data_; }
    // BlockIndent: the block's last record and the indent (0 for a tab).
    RecordIndex LastLine() const { return column_; }
    int IndentSpaces() const { return static_cast<int>(value_); }
    // Replace: length of the text that went in.
    int NewLength() const { return static_cast<int>(value_); }
    // ReplaceAll: every replacement made.
    const CReplaceAllLog* ReplaceAllLog() const { return replaceAll_; }

private:
    // The journal merges small edits into its newest entry and frees what
    // entries own.
    friend class CUndoBuffer;

    UndoEntry(UndoKind kind, RecordIndex line, std::int64_t column, std::int64_t value, RecordNode* data = nullptr)
        : kind_(kind), line_(line), column_(column), value_(value), data_(data)
    {
    }

    UndoKind kind_ = UndoKind::Free;
    // All as wide as a record index: by kind they hold byte columns and
    // counts, or a record index (BlockIndent's column), a byte total and a
    // count of records (Paste).
    RecordIndex line_ = 0;
    std::int64_t column_ = 0;
    std::int64_t value_ = 0;
    RecordIndex lineBreaks_ = 0;
    // Owned: a chain of records from the record storage (Removal,
    // BlockSnapshot) or byte runs (Overwrite, DeletedChars, Replace).
    RecordNode* data_ = nullptr;
    // Owned, ReplaceAll only.
    CReplaceAllLog* replaceAll_ = nullptr;
};
