#include "commands/ClipboardCommands.h"

#include <algorithm>

#include "commands/ClipboardCodec.h"
#include "commands/ClipboardMessages.h"
#include "platform/Platform.h"
#include "records/ClipRecords.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/RecordRanges.h"
#include "view/AppViewBase.h"

namespace {

std::string CopiedMessage(RecordIndex startRecord, int startByte, RecordIndex endRecord, int endByte,
                          RecordIndex count)
{
    return FillInNumbers(kFmtCopied, {startRecord + 1, startByte + 1, endRecord + 1, endByte, count});
}

// Whether the records a copy of the range would make fit in the clipboard's
// private block, whose fields are 32-bit; when not, tells the user. Counts
// as CRecordList::CopyRange copies.
bool RangeFitsClipBlock(const CRecordList& list, RecordNode* startNode, RecordIndex startIndex, int startColumn,
                        RecordIndex endIndex, int endColumn)
{
    // The range holds at most its records and the document's bytes: most
    // documents fit without walking the range.
    if (ClipBlockHolds(endIndex - startIndex + 1, list.totalBytes)) return true;
    RecordIndex records = 0;
    ByteTotal bytes = 0;
    const RecordNode* node = startNode;
    for (RecordIndex index = startIndex; node; ++index, node = node->next) {
        const int from = index == startIndex ? startColumn : 0;
        int to = node->length;
        if (index == endIndex) {
            if (endColumn == 0 && index != startIndex) break;
            to = endColumn;
        }
        ++records;
        bytes += std::max(to - from, 0);
        if (!ClipBlockHolds(records, bytes)) {
            ShowMessage(kMsgClipBlockTooLarge, kCapClipboardTooLarge, MbIcon::Stop);
            return false;
        }
        if (index == endIndex) break;
    }
    return true;
}

bool SelectionFitsClipBlock(const CAppViewBase& view, const CRecordList& list)
{
    return RangeFitsClipBlock(list, view.selStartNode, view.selStartRecord, view.selStartByte, view.selEndRecord,
                              view.selEndByte);
}

// Puts the caret at (node, record, byte) after the records changed, with the
// selection collapsed onto it. The first visible record keeps its index as
// far as the document still reaches; its node is looked up again, as the
// one shown before may have left the document.
void PlaceCaretAfterEdit(CAppViewBase& view, const CRecordList& list, RecordNode* node, RecordIndex record,
                         int byte)
{
    view.caretNode = node;
    view.caretRecord = record;
    view.caretByte = byte;
    view.CollapseSelection();
    view.selAnchorAtStart = true;
    view.caretRow = view.rowsPerRecord * record;
    view.caretCol = view.ByteToColumn(node, byte);
    const DisplayRow lastRow = std::max<DisplayRow>(view.rowsPerRecord * list.recordCount - 1, 0);
    view.topRow = std::clamp<DisplayRow>(view.topRow, 0, lastRow);
    view.topRecord = view.topRow / view.rowsPerRecord;
    view.topNode = nullptr;
    view.topNode = view.NodeAt(view.topRecord);
    view.vertScroll.position = view.topRow;
    view.UpdateVScrollRange();
    view.EnsureCaretVisible(false);
}

// Cut of the view's selection (checked non-empty by the callers).
bool CutViewSelection(CAppViewBase& view, CRecordEdits& edits, CClipRecords& holder, std::string& message)
{
    const CRecordList& list = edits.List();
    const RecordIndex startRecord = view.selStartRecord;
    const int startByte = view.selStartByte;
    // A refused join is told here and changes nothing.
    if (!CheckJoinLength(view.selStartNode, startRecord, startByte, view.selEndRecord, view.selEndByte))
        return false;
    RecordNode* node =
        edits.CutRange(holder, view.selStartNode, startRecord, startByte, view.selEndRecord, view.selEndByte);
    if (node) {
        PlaceCaretAfterEdit(view, list, node, startRecord, startByte);
    } else {
        // Nothing follows the removed records: the caret goes to the end.
        PlaceCaretAfterEdit(view, list, list.tail, list.recordCount - 1, list.tail ? list.tail->length : 0);
    }
    message = FillIn(kFmtMoved, holder.recordCount);
    return true;
}

// Bytes of the selection (a paste over it takes them out first).
ByteTotal SelectedBytes(const CAppViewBase& view)
{
    if (view.selStartRecord == view.selEndRecord) return view.selEndByte - view.selStartByte;
    const RecordNode* node = view.selStartNode;
    ByteTotal bytes = node->length - view.selStartByte;
    for (RecordIndex record = view.selStartRecord + 1; record < view.selEndRecord && node->next; ++record) {
        node = node->next;
        bytes += node->length;
    }
    return bytes + view.selEndByte;
}

// Whether the holder's first record still fits the record the selection
// leaves behind once it is removed, and the paste the document's counters;
// tells the user when not.
bool PasteFitsAfterRemoval(const CAppViewBase& view, const CRecordEdits& edits, const CClipRecords& holder)
{
    if (!holder.HasRecords()) return true;
    const RecordNode* endNode = view.selEndNode ? view.selEndNode
                                                : FindRelative(view.selStartNode, view.selEndRecord - view.selStartRecord);
    const int tail = endNode ? std::max(endNode->length - view.selEndByte, 0) : 0;
    if (holder.head->length + view.selStartByte + tail > kMaxRecordLength) {
        ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
        return false;
    }
    return edits.PasteFitsCounters(holder, tail, view.selEndRecord - view.selStartRecord, SelectedBytes(view));
}

}  // namespace

bool CopySelection(CAppViewBase& view, const CRecordList& list, CClipRecords& holder, std::string& message)
{
    if (!view.HasSelection() || !view.selStartNode || !SelectionFitsClipBlock(view, list)) return false;
    if (!list.CopyRange(holder, view.selStartNode, view.selStartRecord, view.selStartByte, view.selEndRecord,
                        view.selEndByte))
        return false;
    message = CopiedMessage(view.selStartRecord, view.selStartByte, view.selEndRecord, view.selEndByte,
                            holder.recordCount);
    return true;
}

bool CutSelection(CAppViewBase& view, CRecordEdits edits, CClipRecords& holder, std::string& message)
{
    if (!view.HasSelection() || !view.selStartNode || !SelectionFitsClipBlock(view, edits.List())) return false;
    return CutViewSelection(view, edits, holder, message);
}

bool PasteClipboard(CAppViewBase& view, CRecordEdits edits, CClipRecords& holder, std::string& message)
{
    if (!view.HasDocument()) return false;
    const CRecordList& list = edits.List();
    // Read first: nothing changes until the clipboard has been decoded.
    holder.GetFromClipboard();
    if (view.HasSelection()) {
        if (!CheckJoinLength(view.selStartNode, view.selStartRecord, view.selStartByte, view.selEndRecord,
                             view.selEndByte) ||
            !PasteFitsAfterRemoval(view, edits, holder))
            return false;
        RecordNode* node = edits.RemoveRange(view.selStartNode, view.selStartRecord, view.selStartByte,
                                             view.selEndRecord, view.selEndByte);
        if (!node) return false;  // out of memory: the program is stopping
        view.caretNode = node;
        view.caretRecord = view.selStartRecord;
        view.caretByte = view.selStartByte;
        view.CollapseSelection();
    }
    const RecordIndex count = holder.HasRecords() ? holder.recordCount : 0;
    RecordIndex record = view.caretRecord;
    int byte = view.caretByte;
    RecordNode* node = edits.PasteHeld(holder, view.caretNode, record, byte);
    if (!node) {
        // Refused for size (told); the caret stays where the text would go.
        PlaceCaretAfterEdit(view, list, view.caretNode, view.caretRecord, view.caretByte);
        return false;
    }
    PlaceCaretAfterEdit(view, list, node, record, byte);
    message = FillIn(kFmtPasted, count);
    return true;
}

bool TransferRecords(CAppViewBase& view, CRecordEdits edits, CClipRecords& holder, RecordIndex startRecord,
                     RecordIndex endRecord, bool copy, std::string& message)
{
    const CRecordList& list = edits.List();
    const RecordIndex first = startRecord - 1;
    if (first < 0 || first >= list.recordCount || endRecord < startRecord || endRecord > list.recordCount)
        return false;
    RecordNode* firstNode = view.NodeAt(first);
    if (!RangeFitsClipBlock(list, firstNode, first, 0, endRecord, 0)) return false;
    view.selStartRecord = first;
    view.selStartByte = 0;
    view.selStartNode = firstNode;
    // An end index equal to the record count means the end of the document.
    view.selEndRecord = endRecord;
    view.selEndByte = 0;
    view.selEndNode = endRecord < list.recordCount ? view.NodeAt(endRecord) : nullptr;
    view.selAnchorAtStart = true;
    if (!copy) return CutViewSelection(view, edits, holder, message);

    const bool copied = list.CopyRange(holder, view.selStartNode, first, 0, endRecord, 0);
    if (copied) message = CopiedMessage(first, 0, endRecord, 0, holder.recordCount);
    if (!view.selEndNode) {
        // The view's selection stays inside the document: it ends with the
        // last record's bytes.
        view.selEndRecord = list.recordCount - 1;
        view.selEndNode = list.tail;
        view.selEndByte = list.tail ? list.tail->length : 0;
        if (!view.HasSelection()) view.CollapseSelection();
    }
    view.UpdateCaret();
    return copied;
}
