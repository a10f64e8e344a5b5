#include "records/UndoBuffer.h"

#include "records/ByteRun.h"
#include "records/RecordStorage.h"
#include "records/ReplaceAllLog.h"

CUndoBuffer::CUndoBuffer() { Reset(); }

CUndoBuffer::~CUndoBuffer()
{
    for (UndoEntry& entry : entries) FreeData(entry);
}

void CUndoBuffer::Reset()
{
    for (UndoEntry& entry : entries) {
        FreeData(entry);
        entry = UndoEntry{};
    }
    current = -1;
    currentEntry = nullptr;
    historyComplete = true;
}

void CUndoBuffer::Abandon()
{
    Reset();
    historyComplete = false;
}

void CUndoBuffer::FreeData(UndoEntry& entry)
{
    switch (entry.kind_) {
    case UndoKind::Removal:
    case UndoKind::BlockSnapshot: FreeChain(entry.data_); break;
    case UndoKind::Overwrite:
    case UndoKind::DeletedChars:
    case UndoKind::Replace: FreeByteRuns(entry.data_); break;
    default: break;
    }
    entry.data_ = nullptr;
    delete entry.replaceAll_;
    entry.replaceAll_ = nullptr;
}

void CUndoBuffer::StartEntry(const UndoEntry& made)
{
    current = current >= kEntries - 1 ? 0 : current + 1;
    UndoEntry& entry = entries[current];
    if (entry.kind_ != UndoKind::Free) historyComplete = false;  // the oldest change is lost
    FreeData(entry);
    entry = made;
    currentEntry = &entry;
}

UndoEntry* CUndoBuffer::NewestOf(UndoKind kind, RecordIndex line)
{
    if (current < 0 || currentEntry->kind_ != kind || currentEntry->line_ != line) return nullptr;
    return currentEntry;
}

void CUndoBuffer::RecordTyped(RecordIndex line, int column, int count)
{
    if (count <= 0) return;
    UndoEntry* newest = NewestOf(UndoKind::Typed, line);
    if (newest && newest->column_ + newest->value_ == column && newest->value_ + count <= kMaxRun) {
        newest->value_ += count;
        return;
    }
    StartEntry(UndoEntry::Typed(line, column, count));
}

void CUndoBuffer::RecordOverwriteRun(RecordIndex line, int column, std::uint8_t oldByte)
{
    UndoEntry* newest = NewestOf(UndoKind::Overwrite, line);
    if (newest && newest->column_ + newest->data_->length == column && newest->data_->length < kMaxRun) {
        if (!AppendToByteRun(newest->data_, oldByte)) {
            ReportOutOfMemory();
            Abandon();
        }
        return;
    }
    RecordNode* run = NewByteRun(&oldByte, 1);
    if (!run) {
        ReportOutOfMemory();
        Abandon();
        return;
    }
    StartEntry(UndoEntry::Overwrite(line, column, run));
}

void CUndoBuffer::RecordOverwrite(RecordIndex line, int column, std::uint8_t oldByte)
{
    RecordOverwriteRun(line, column, oldByte);
}

void CUndoBuffer::RecordOverwriteDigit(RecordIndex line, int column, std::uint8_t oldByte)
{
    if (current >= 0 && currentEntry->line_ == line) {
        // The last byte the newest entry covers is already restored by it.
        const UndoEntry& newest = *currentEntry;
        std::int64_t covered = -1;
        if (newest.kind_ == UndoKind::Typed) covered = newest.column_ + newest.value_ - 1;
        if (newest.kind_ == UndoKind::Overwrite) covered = newest.column_ + newest.data_->length - 1;
        if (covered == column) return;
    }
    RecordOverwriteRun(line, column, oldByte);
}

void CUndoBuffer::RecordDeletedChar(RecordIndex line, int column, std::uint8_t byte)
{
    UndoEntry* newest = NewestOf(UndoKind::DeletedChars, line);
    if (newest && newest->data_->length < kMaxRun) {
        bool merged = false;
        bool stored = true;
        if (newest->column_ == column) {  // Delete: the run grows at its end
            merged = true;
            stored = AppendToByteRun(newest->data_, byte);
        } else if (newest->column_ == column + 1) {  // Backspace: the run grows at its front
            merged = true;
            stored = PrependToByteRun(newest->data_, byte);
            if (stored) newest->column_ = column;
        }
        if (merged) {
            if (!stored) {
                ReportOutOfMemory();
                Abandon();
            }
            return;
        }
    }
    RecordNode* run = NewByteRun(&byte, 1);
    if (!run) {
        ReportOutOfMemory();
        Abandon();
        return;
    }
    StartEntry(UndoEntry::DeletedChars(line, column, run));
}

void CUndoBuffer::RecordRemoval(RecordIndex line, int column, RecordNode* chain, bool endsWithBreak)
{
    StartEntry(UndoEntry::Removal(line, column, chain, endsWithBreak));
}

void CUndoBuffer::RecordPaste(RecordIndex line, int column, ByteTotal byteTotal,
                              RecordIndex lineBreaks)
{
    StartEntry(UndoEntry::Paste(line, column, byteTotal, lineBreaks));
}

void CUndoBuffer::RecordJoin(RecordIndex line, int column) { StartEntry(UndoEntry::Join(line, column)); }

void CUndoBuffer::RecordSplit(RecordIndex line, int column, int indent)
{
    StartEntry(UndoEntry::Split(line, column, indent));
}

void CUndoBuffer::RecordBlockSnapshot(RecordIndex line, const RecordNode* first, const RecordNode* last)
{
    RecordNode* copies = nullptr;
    RecordNode* copiesTail = nullptr;
    for (const RecordNode* node = first; node; node = node->next) {
        RecordNode* copy = AllocateRecord(node->data, node->length);
        if (!copy) {
            FreeChain(copies);
            ReportOutOfMemory();
            Abandon();
            return;
        }
        copy->prev = copiesTail;
        if (copiesTail) copiesTail->next = copy;
        else copies = copy;
        copiesTail = copy;
        if (node == last) break;
    }
    StartEntry(UndoEntry::BlockSnapshot(line, copies));
}

void CUndoBuffer::RecordBlockIndent(RecordIndex firstLine, RecordIndex lastLine, int spaces)
{
    StartEntry(UndoEntry::BlockIndent(firstLine, lastLine, spaces));
}

void CUndoBuffer::RecordReplace(RecordIndex line, int column, int newLength,
                                const std::uint8_t* oldBytes, int oldLength)
{
    RecordNode* run = NewByteRun(oldBytes, oldLength);
    if (!run) {
        ReportOutOfMemory();
        Abandon();
        return;
    }
    StartEntry(UndoEntry::Replace(line, column, newLength, run));
}

void CUndoBuffer::RecordReplaceAll(RecordIndex line, int column, CReplaceAllLog* log)
{
    if (!log) {
        Abandon();  // nothing to reverse it with: this change cannot be undone
        return;
    }
    StartEntry(UndoEntry::ReplaceAll(line, column, log));
}
