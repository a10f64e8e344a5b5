#include "records/UndoBuffer.h"

#include "records/ByteRun.h"
#include "records/RecordRanges.h"
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
    switch (entry.kind) {
    case UndoKind::Removal:
    case UndoKind::BlockSnapshot: FreeChain(entry.data); break;
    case UndoKind::Overwrite:
    case UndoKind::DeletedChars:
    case UndoKind::Replace: FreeByteRuns(entry.data); break;
    default: break;
    }
    entry.data = nullptr;
    delete entry.replaceAll;
    entry.replaceAll = nullptr;
}

UndoEntry& CUndoBuffer::StartEntry(UndoKind kind, std::int32_t line, std::int32_t column, std::int32_t value)
{
    current = current >= kEntries - 1 ? 0 : current + 1;
    UndoEntry& entry = entries[current];
    if (entry.kind != UndoKind::Free) historyComplete = false;  // the oldest change is lost
    FreeData(entry);
    entry = UndoEntry{kind, line, column, value, 0, nullptr};
    currentEntry = &entry;
    return entry;
}

UndoEntry* CUndoBuffer::NewestOf(UndoKind kind, std::int32_t line)
{
    if (current < 0 || currentEntry->kind != kind || currentEntry->line != line) return nullptr;
    return currentEntry;
}

void CUndoBuffer::RecordTyped(std::int32_t line, std::int32_t column, std::int32_t count)
{
    if (count <= 0) return;
    UndoEntry* newest = NewestOf(UndoKind::Typed, line);
    if (newest && newest->column + newest->value == column && newest->value + count <= kMaxRun) {
        newest->value += count;
        return;
    }
    StartEntry(UndoKind::Typed, line, column, count);
}

void CUndoBuffer::RecordOverwriteRun(std::int32_t line, std::int32_t column, std::uint8_t oldByte)
{
    UndoEntry* newest = NewestOf(UndoKind::Overwrite, line);
    if (newest && newest->column + newest->data->length == column && newest->data->length < kMaxRun) {
        if (!AppendToByteRun(newest->data, oldByte)) {
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
    StartEntry(UndoKind::Overwrite, line, column, 0).data = run;
}

void CUndoBuffer::RecordOverwrite(std::int32_t line, std::int32_t column, std::uint8_t oldByte)
{
    RecordOverwriteRun(line, column, oldByte);
}

void CUndoBuffer::RecordOverwriteDigit(std::int32_t line, std::int32_t column, std::uint8_t oldByte)
{
    if (current >= 0 && currentEntry->line == line) {
        // The last byte the newest entry covers is already restored by it.
        int covered = -1;
        if (currentEntry->kind == UndoKind::Typed) covered = currentEntry->column + currentEntry->value - 1;
        if (currentEntry->kind == UndoKind::Overwrite) covered = currentEntry->column + currentEntry->data->length - 1;
        if (covered == column) return;
    }
    RecordOverwriteRun(line, column, oldByte);
}

void CUndoBuffer::RecordDeletedChar(std::int32_t line, std::int32_t column, std::uint8_t byte)
{
    UndoEntry* newest = NewestOf(UndoKind::DeletedChars, line);
    if (newest && newest->data->length < kMaxRun) {
        bool merged = false;
        bool stored = true;
        if (newest->column == column) {  // Delete: the run grows at its end
            merged = true;
            stored = AppendToByteRun(newest->data, byte);
        } else if (newest->column == column + 1) {  // Backspace: the run grows at its front
            merged = true;
            stored = PrependToByteRun(newest->data, byte);
            if (stored) newest->column = column;
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
    StartEntry(UndoKind::DeletedChars, line, column, 0).data = run;
}

void CUndoBuffer::RecordRemoval(std::int32_t line, std::int32_t column, RecordNode* chain, bool endsWithBreak)
{
    StartEntry(UndoKind::Removal, line, column, endsWithBreak ? 0 : 1).data = chain;
}

void CUndoBuffer::RecordPaste(std::int32_t line, std::int32_t column, std::int32_t byteTotal,
                              std::int32_t lineBreaks)
{
    StartEntry(UndoKind::Paste, line, column, byteTotal).lineBreaks = lineBreaks;
}

void CUndoBuffer::RecordJoin(std::int32_t line, std::int32_t column) { StartEntry(UndoKind::Join, line, column, 0); }

void CUndoBuffer::RecordSplit(std::int32_t line, std::int32_t column, std::int32_t indent)
{
    StartEntry(UndoKind::Split, line, column, indent);
}

void CUndoBuffer::RecordBlockSnapshot(std::int32_t line, const RecordNode* first, const RecordNode* last)
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
    StartEntry(UndoKind::BlockSnapshot, line, 0, 0).data = copies;
}

void CUndoBuffer::RecordBlockIndent(std::int32_t firstLine, std::int32_t lastLine)
{
    StartEntry(UndoKind::BlockIndent, firstLine, lastLine, BlockIndentSpaces());
}

void CUndoBuffer::RecordReplace(std::int32_t line, std::int32_t column, std::int32_t newLength,
                                const std::uint8_t* oldBytes, std::int32_t oldLength)
{
    RecordNode* run = NewByteRun(oldBytes, oldLength);
    if (!run) {
        ReportOutOfMemory();
        Abandon();
        return;
    }
    StartEntry(UndoKind::Replace, line, column, newLength).data = run;
}

void CUndoBuffer::RecordReplaceAll(std::int32_t line, std::int32_t column, CReplaceAllLog* log)
{
    if (!log) {
        Abandon();  // nothing to reverse it with: this change cannot be undone
        return;
    }
    StartEntry(UndoKind::ReplaceAll, line, column, 0).replaceAll = log;
}
