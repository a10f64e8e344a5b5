#pragma once
#include <cstdint>

#include "records/UndoEntry.h"

class CRecordList;
class CReplaceAllLog;
class IDocumentHooks;
class IUndoView;

// The undo journal: a ring of the last 20 changes, each holding what it takes
// to reverse it. Small keyboard edits in one place merge into runs of up to
// 16 bytes. There is no redo. Emptied on open, File > New and every
// successful save.
class CUndoBuffer {
public:
    static constexpr int kEntries = 20;
    static constexpr int kMaxRun = 16;

    CUndoBuffer();
    virtual ~CUndoBuffer();
    CUndoBuffer(const CUndoBuffer&) = delete;
    CUndoBuffer& operator=(const CUndoBuffer&) = delete;

    // Frees every entry; nothing can be undone.
    void Reset();
    [[nodiscard]] bool CanUndo() const { return current >= 0; }

    // --- Recording (each right after or before the change it reverses) ---

    // `count` bytes typed at (line, column) in insert mode; more than one
    // when a Tab became spaces.
    void RecordTyped(RecordIndex line, int column, int count = 1);
    // The byte at (line, column) is about to be overwritten; `oldByte` is its
    // value now.
    void RecordOverwrite(RecordIndex line, int column, std::uint8_t oldByte);
    // A second hex digit changes the byte at (line, column) again: nothing is
    // recorded when the newest entry already restores that byte.
    void RecordOverwriteDigit(RecordIndex line, int column, std::uint8_t oldByte);
    // `byte` was deleted from (line, column) by Delete or Backspace.
    void RecordDeletedChar(RecordIndex line, int column, std::uint8_t byte);
    // A range starting at (line, column) was removed; the entry owns `chain`
    // from now on.
    void RecordRemoval(RecordIndex line, int column, RecordNode* chain, bool endsWithBreak);
    // `byteTotal` bytes with `lineBreaks` line breaks were pasted at
    // (line, column).
    void RecordPaste(RecordIndex line, int column, ByteTotal byteTotal, RecordIndex lineBreaks);
    // The record at `line`, `column` bytes long, was joined with the next.
    void RecordJoin(RecordIndex line, int column);
    // The record at `line` was split at `column` and `indent` bytes were put
    // at the start of the lower record.
    void RecordSplit(RecordIndex line, int column, int indent);
    // Before a block unindent: keeps copies of the records first to last,
    // the first being at `line`.
    void RecordBlockSnapshot(RecordIndex line, const RecordNode* first, const RecordNode* last);
    // Right after ShiftBlock indented the records firstLine to lastLine by
    // `spaces` spaces each (0: a tab).
    void RecordBlockIndent(RecordIndex firstLine, RecordIndex lastLine, int spaces);
    // `oldLength` bytes at (line, column) were replaced by `newLength` bytes.
    void RecordReplace(RecordIndex line, int column, int newLength,
                       const std::uint8_t* oldBytes, int oldLength);
    // A Replace All that started with the caret at (line, column) made the
    // replacements in `log`; the entry owns the log from now on.
    void RecordReplaceAll(RecordIndex line, int column, CReplaceAllLog* log);

    // --- Replay ---

    // Reverses the newest entry, puts the caret on the change and steps back.
    // When the journal runs empty `document` (may be null) counts as
    // unmodified again, unless older changes were lost to the ring. An entry
    // that no longer fits the document is not applied anywhere: the user is
    // told and the journal is emptied. False when nothing was reversed.
    [[nodiscard]] bool Undo(CRecordList& list, IUndoView& view, IDocumentHooks* document);

    // The newest entry, or null when the journal is empty.
    const UndoEntry* Newest() const { return current >= 0 ? currentEntry : nullptr; }
    // Index of the newest entry in the ring, -1 when empty.
    std::int32_t Current() const { return current; }

private:
    // Makes `made` the newest entry, in place of the oldest when the ring is full.
    void StartEntry(const UndoEntry& made);
    // The newest entry when it has the kind and line given, else null.
    UndoEntry* NewestOf(UndoKind kind, RecordIndex line);
    void RecordOverwriteRun(RecordIndex line, int column, std::uint8_t oldByte);
    // A change went unrecorded: older entries would replay at wrong places.
    void Abandon();
    static void FreeData(UndoEntry& entry);

    std::int32_t current = -1;
    UndoEntry entries[kEntries];
    UndoEntry* currentEntry = nullptr;
    // Every change since the last Reset is still in the ring, so an empty
    // journal means the document is as it was then.
    bool historyComplete = true;
};
