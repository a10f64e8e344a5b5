#include "records/UndoReplay.h"

#include <algorithm>
#include <tuple>

#include "platform/Platform.h"
#include "records/DocumentHooks.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/ReplaceAllLog.h"
#include "records/UndoBuffer.h"
#include "records/UndoView.h"

namespace {

bool ColumnInside(const RecordNode* node, int column)
{
    return node && column >= 0 && column <= node->length;
}

// Whether putting back `records` records and `bytes` bytes keeps the
// counters within their limit; when not, the user is told and the refusal
// noted.
bool RoomFor(const CRecordList& list, RecordIndex records, ByteTotal bytes, UndoReplayResult& result)
{
    result.refused = !list.MayGrow(records, bytes);
    return !result.refused;
}

bool ReplayBytes(CRecordList& list, const UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    const int column = entry.Column();
    if (!ColumnInside(node, column)) return false;
    const RecordNode* run = entry.SavedBytes();
    const int runLength = run ? run->length : 0;
    const std::uint8_t* runBytes = run ? run->data : nullptr;
    bool fits = false;
    switch (entry.Kind()) {
    case UndoKind::Typed:  // take the typed bytes out
        fits = entry.TypedCount() >= 0 && column + entry.TypedCount() <= node->length &&
               list.RestoreBytes(node, column, entry.TypedCount(), nullptr, 0);
        break;
    case UndoKind::Overwrite:  // write the old bytes back over the same places
        fits = column + runLength <= node->length && list.RestoreBytes(node, column, runLength, runBytes, runLength);
        break;
    case UndoKind::DeletedChars:  // put the deleted bytes back
        fits = RoomFor(list, 0, runLength, result) && list.RestoreBytes(node, column, 0, runBytes, runLength);
        break;
    case UndoKind::Replace:  // the new text gives way to the old
        fits = entry.NewLength() >= 0 && column + entry.NewLength() <= node->length &&
               RoomFor(list, 0, runLength - entry.NewLength(), result) &&
               list.RestoreBytes(node, column, entry.NewLength(), runBytes, runLength);
        break;
    default: break;
    }
    result.node = node;
    result.line = entry.Line();
    result.column = column;
    return fits;
}

// Whether the joins of putting the chain back at (node, column) stay within
// the record limit, as they did before the removal.
bool RemovalJoinsFit(const RecordNode* node, int column, const RecordNode* chain, bool joinLast)
{
    if (!node) return true;  // appended after the last record: nothing to join
    const RecordNode* last = chain;
    while (last->next) last = last->next;
    const int rest = node->length - column;
    if (column != 0 && chain == last) return column + chain->length + (joinLast ? rest : 0) <= kMaxRecordLength;
    if (column != 0 && column + chain->length > kMaxRecordLength) return false;
    return !joinLast || last->length + rest <= kMaxRecordLength;
}

bool ReplayRemoval(CRecordList& list, UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    // A cut to the end of the document that started at column 0 took the
    // last records whole: the chain goes back after the last record.
    const bool append = !node && entry.Line() == list.recordCount && entry.Column() == 0;
    if (!append && !ColumnInside(node, entry.Column())) return false;
    if (!entry.RemovedChain()) return false;
    const bool joinLast = !entry.RemovalEndsWithBreak();
    if (!RemovalJoinsFit(node, entry.Column(), entry.RemovedChain(), joinLast)) return false;
    RecordIndex records = 0;
    ByteTotal bytes = 0;
    for (const RecordNode* record = entry.RemovedChain(); record; record = record->next) {
        ++records;
        bytes += record->length;
    }
    // Its last record joins the one at the insertion point again.
    if (joinLast && node) --records;
    if (!RoomFor(list, records, bytes, result)) return false;
    // The document owns the records again.
    RecordNode* at = list.InsertChain(node, entry.Column(), entry.TakeRemovedChain(), joinLast);
    result = {at, entry.Line(), entry.Column()};
    return at != nullptr;
}

bool ReplayPaste(CRecordList& list, const UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    const ByteTotal bytes = entry.PastedBytes();
    const RecordIndex lineBreaks = entry.PastedLineBreaks();
    if (!ColumnInside(node, entry.Column()) || bytes < 0 || lineBreaks < 0) return false;
    // Walk over the pasted line breaks: each ends a record removed whole.
    const RecordNode* record = node;
    int segment = node->length - entry.Column();
    ByteTotal wholeBytes = 0;
    for (RecordIndex k = 0; k < lineBreaks; ++k) {
        wholeBytes += segment;
        record = record->next;
        if (!record) return false;
        segment = record->length;
    }
    const ByteTotal remaining = bytes - wholeBytes;
    if (remaining < 0 || remaining > segment) return false;
    if (entry.Column() + segment - remaining > kMaxRecordLength) return false;
    RecordNode* at = list.DeleteForward(node, entry.Column(), bytes, lineBreaks, true);
    result = {at, entry.Line(), entry.Column()};
    return at != nullptr;
}

bool ReplayJoin(CRecordList& list, const UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    if (!ColumnInside(node, entry.JoinColumn()) || !RoomFor(list, 1, 0, result)) return false;
    int column = entry.JoinColumn();
    RecordNode* upper = list.SplitRecord(node, column, false);
    if (!upper) return false;
    result = {upper->next, entry.Line() + 1, 0};  // the caret goes to the start of the lower record
    return true;
}

bool ReplaySplit(CRecordList& list, const UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    // The upper record still ends where it was split, and the lower one
    // starts with the indent that was put there.
    const int indent = entry.SplitIndent();
    if (!node || !node->next || entry.Column() != node->length || indent < 0) return false;
    RecordNode* lower = node->next;
    if (indent > lower->length) return false;
    if (node->length + lower->length - indent > kMaxRecordLength) return false;
    if (indent > 0 && !list.RestoreBytes(lower, 0, indent, nullptr, 0)) return false;
    if (!list.JoinNext(node)) return false;
    result = {node, entry.Line(), entry.Column()};
    return true;
}

bool ReplayBlockSnapshot(CRecordList& list, const UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    const RecordNode* record = node;
    ByteTotal bytes = 0;  // what the unindent took off
    for (const RecordNode* saved = entry.SavedRecords(); saved; saved = saved->next) {
        if (!record) return false;
        bytes += saved->length - record->length;
        record = record->next;
    }
    if (!node || !RoomFor(list, 0, bytes, result) || !list.RestoreBlock(node, entry.SavedRecords())) return false;
    result = {node, entry.Line(), 0};
    return true;
}

bool StartsWithIndent(const RecordNode* record, int spaces)
{
    if (spaces == 0) return record->length > 0 && record->data[0] == '\t';
    if (record->length < spaces) return false;
    for (int i = 0; i < spaces; ++i)
        if (record->data[i] != ' ') return false;
    return true;
}

bool ReplayBlockIndent(CRecordList& list, const UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    // The same indent comes off every record it was put on.
    const int spaces = entry.IndentSpaces();
    const RecordIndex lastLine = entry.LastLine();
    if (!node || spaces < 0 || lastLine < entry.Line()) return false;
    RecordNode* record = node;
    for (RecordIndex line = entry.Line(); line <= lastLine; ++line, record = record->next) {
        if (!record || !StartsWithIndent(record, spaces)) return false;
    }
    const int width = spaces > 0 ? spaces : 1;
    record = node;
    // Every record was checked to start with the indent: taking it off fits.
    for (RecordIndex line = entry.Line(); line <= lastLine; ++line, record = record->next)
        std::ignore = list.RestoreBytes(record, 0, width, nullptr, 0);
    result = {node, entry.Line(), 0};
    return true;
}

bool ReplayReplaceAll(CRecordList& list, const UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    // Every replacement must still be in place before any is taken back.
    const CReplaceAllLog* log = entry.ReplaceAllLog();
    if (!log || !node || entry.Column() < 0 || !log->Fits(node, entry.Line())) return false;
    if (!RoomFor(list, 0, log->RestoredGrowth(), result)) return false;
    if (!log->Restore(list, node, entry.Line())) return false;
    // The caret goes back where it was before the Replace All.
    result = {node, entry.Line(), std::min<int>(entry.Column(), node->length)};
    return true;
}

}  // namespace

bool ReplayUndoEntry(CRecordList& list, UndoEntry& entry, RecordNode* node, UndoReplayResult& result)
{
    switch (entry.Kind()) {
    case UndoKind::Typed:
    case UndoKind::Overwrite:
    case UndoKind::DeletedChars:
    case UndoKind::Replace: return ReplayBytes(list, entry, node, result);
    case UndoKind::Removal: return ReplayRemoval(list, entry, node, result);
    case UndoKind::Paste: return ReplayPaste(list, entry, node, result);
    case UndoKind::Join: return ReplayJoin(list, entry, node, result);
    case UndoKind::Split: return ReplaySplit(list, entry, node, result);
    case UndoKind::BlockSnapshot: return ReplayBlockSnapshot(list, entry, node, result);
    case UndoKind::BlockIndent: return ReplayBlockIndent(list, entry, node, result);
    case UndoKind::ReplaceAll: return ReplayReplaceAll(list, entry, node, result);
    case UndoKind::Free: break;
    }
    return false;
}

bool CUndoBuffer::Undo(CRecordList& list, IUndoView& view, IDocumentHooks* document)
{
    if (current < 0) return false;
    UndoEntry& entry = *currentEntry;

    // Walk to the change from the caret, never from the head.
    RecordNode* caret = view.UndoCaretNode();
    RecordIndex caretRecord = view.UndoCaretRecord();
    if (!caret) {
        caret = list.head;
        caretRecord = 0;
    }
    RecordNode* node = entry.Line() >= 0 && caret ? list.NodeFrom(caret, caretRecord, entry.Line()) : nullptr;
    const RecordIndex topRecord = view.UndoTopRecord();
    const RecordIndex entryLine = entry.Line();
    const bool reachesBack = entry.Kind() == UndoKind::ReplaceAll;

    UndoReplayResult result;
    if (!ReplayUndoEntry(list, entry, node, result)) {
        if (result.refused) return false;  // told; the entry stays for later
        // Applied anywhere else it would damage the document; older entries
        // are out of step as well.
        Abandon();
        ShowMessage(kMsgUndoOutOfStep, kCapOops, MbIcon::Warning);
        return false;
    }

    // Records from the change on may have been replaced or moved: the first
    // visible record keeps its index.
    if (reachesBack || topRecord >= entryLine) {
        RecordNode* top = topRecord >= 0 ? list.NodeFrom(result.node, result.line, topRecord) : nullptr;
        RecordIndex topIndex = topRecord;
        if (!top) {
            top = topRecord < result.line ? list.head : list.tail;
            topIndex = topRecord < result.line ? 0 : list.recordCount - 1;
        }
        view.SetUndoTop(top, topIndex);
    }
    view.PlaceUndoCaret(result.node, result.line, result.column);

    FreeData(entry);
    entry = UndoEntry{};
    current = current == 0 ? kEntries - 1 : current - 1;
    currentEntry = &entries[current];
    if (currentEntry->Kind() == UndoKind::Free) {
        current = -1;
        currentEntry = nullptr;
        // Back where the journal started, unless older changes were lost.
        if (historyComplete && document) document->ClearModified();
    }
    return true;
}
