#include <algorithm>

#include "app/DocumentHooks.h"
#include "app/Globals.h"
#include "platform/Platform.h"
#include "records/ClipRecords.h"
#include "records/RecordChain.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/RecordRanges.h"
#include "records/UndoBuffer.h"

namespace {

// The records taken out of a range, and where the caret belongs afterwards.
struct DetachedRange {
    RecordChain chain;
    RecordNode* caret = nullptr;  // null: the range ran to the end of the document
};

// A non-empty range the list holds. `endNode` comes back as the end record,
// null when the end index is the record count (the end of the last record).
bool RangeIsValid(const CRecordList& list, RecordNode* startNode, int startIndex, int startColumn,
                  int endIndex, int endColumn, RecordNode*& endNode)
{
    if (!startNode || startIndex < 0 || endIndex < startIndex || startColumn < 0 || endColumn < 0) return false;
    if (startColumn > startNode->length) return false;
    if (endIndex == list.recordCount) {
        endNode = nullptr;
        // Nothing lies between the end of the last record and itself.
        return !(startNode == list.tail && startColumn == startNode->length && startColumn != 0);
    }
    endNode = FindRelative(startNode, endIndex - startIndex);
    if (!endNode || endColumn > endNode->length) return false;
    return endIndex > startIndex || endColumn > startColumn;
}

// Takes the range out of the list as a chain. The end goes first, so that a
// range within one record is cut at its end before its start. False only
// when memory ran out.
bool DetachRange(CRecordList& list, RecordNode* startNode, int startColumn, RecordNode* endNode,
                 int endColumn, DetachedRange& out)
{
    RecordNode* after = endNode;  // the first record after the range
    bool endsWithBreak = true;
    if (!endNode) {
        endsWithBreak = false;  // the last record's end: no record after, no final break
    } else if (endColumn != 0) {
        after = SplitOffTail(list, endNode, endColumn);
        if (!after) return false;
        endsWithBreak = false;
    }

    RecordNode* first = startNode;
    const bool joinDue = startColumn != 0;
    if (joinDue) {
        first = SplitOffTail(list, startNode, startColumn);
        if (!first) {
            if (endNode && endColumn != 0) list.JoinNext(endNode);  // put the end back together
            return false;
        }
    }

    out.chain = DetachChain(list, first, after);
    out.chain.endsWithBreak = endsWithBreak;
    // CheckJoinLength has made sure the joined record fits.
    if (joinDue && after) list.JoinNext(startNode);
    if (!list.head && !list.NewRecord(nullptr, nullptr, 0)) return false;
    out.caret = !endNode ? nullptr : joinDue ? startNode : after;
    return true;
}

}  // namespace

int BlockTabWidth() { return std::clamp(static_cast<int>(theSettings.srcMark), 2, 10); }

int BlockIndentSpaces() { return theSettings.srcType ? BlockTabWidth() : 0; }

bool CheckJoinLength(RecordNode* startNode, int startIndex, int startColumn, int endIndex, int endColumn)
{
    const RecordNode* endNode = FindRelative(startNode, endIndex - startIndex);
    const int bytesAfterEnd = endNode ? std::max(0, endNode->length - endColumn) : 0;
    if (startColumn + bytesAfterEnd <= kMaxRecordLength) return true;
    ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
    return false;
}

RecordNode* CRecordList::RemoveRange(RecordNode* startNode, int startIndex, int startColumn, int endIndex,
                                     int endColumn)
{
    RecordNode* endNode = nullptr;
    if (!RangeIsValid(*this, startNode, startIndex, startColumn, endIndex, endColumn, endNode)) return startNode;
    if (!CheckJoinLength(startNode, startIndex, startColumn, endIndex, endColumn)) return startNode;
    DetachedRange removed;
    if (!DetachRange(*this, startNode, startColumn, endNode, endColumn, removed)) return nullptr;
    theUndoBuffer.RecordRemoval(startIndex, startColumn, removed.chain.head, removed.chain.endsWithBreak);
    MarkDocumentModified();
    return removed.caret;
}

RecordNode* CRecordList::CutRange(RecordNode* startNode, int startIndex, int startColumn, int endIndex,
                                  int endColumn)
{
    theClipRecords.Clear();
    RecordNode* endNode = nullptr;
    if (!RangeIsValid(*this, startNode, startIndex, startColumn, endIndex, endColumn, endNode)) return startNode;
    if (!CheckJoinLength(startNode, startIndex, startColumn, endIndex, endColumn)) return startNode;
    DetachedRange removed;
    if (!DetachRange(*this, startNode, startColumn, endNode, endColumn, removed)) return nullptr;
    theClipRecords.TakeChain(removed.chain);
    theClipRecords.PutOnClipboard();
    theUndoBuffer.RecordRemoval(startIndex, startColumn, theClipRecords.ReleaseChain(), removed.chain.endsWithBreak);
    MarkDocumentModified();
    return removed.caret;
}

bool CRecordList::CopyRange(RecordNode* startNode, int startIndex, int startColumn, int endIndex, int endColumn)
{
    theClipRecords.Clear();
    RecordNode* endNode = nullptr;
    if (!RangeIsValid(*this, startNode, startIndex, startColumn, endIndex, endColumn, endNode)) return false;
    bool endsWithBreak = false;
    RecordNode* node = startNode;
    for (int index = startIndex;; ++index, node = node->next) {
        if (!node) {  // past the last record: the copy ends with its line break
            endsWithBreak = true;
            break;
        }
        const int from = index == startIndex ? startColumn : 0;
        int to = node->length;
        if (index == endIndex) {
            if (endColumn == 0 && index != startIndex) {
                endsWithBreak = true;
                break;
            }
            to = endColumn;
        }
        if (!theClipRecords.AppendRecord(node->data + from, to - from)) {
            theClipRecords.Clear();
            return false;
        }
        if (index == endIndex) break;
    }
    theClipRecords.endsWithBreak = endsWithBreak;
    theClipRecords.PutOnClipboard();
    return true;
}

RecordNode* CRecordList::PasteChain(RecordNode* node, int& index, int& column)
{
    theClipRecords.GetFromClipboard();
    return PasteHeld(node, index, column);
}

RecordNode* CRecordList::PasteHeld(RecordNode* node, int& index, int& column)
{
    if (!node || !theClipRecords.HasRecords() || column < 0 || column > node->length) return node;
    RecordChain chain = MeasureChain(theClipRecords.head);
    chain.endsWithBreak = theClipRecords.endsWithBreak;
    if (chain.head->length + node->length > kMaxRecordLength) {
        ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
        return nullptr;
    }
    const int pasteIndex = index;
    const int pasteColumn = column;
    RecordNode* tailPart = SplitOffTail(*this, node, column);
    if (!tailPart) return nullptr;
    theClipRecords.ReleaseChain();  // the records belong to the document now
    LinkChain(*this, tailPart, chain);
    RecordNode* lastPasted = chain.recordCount == 1 ? node : chain.tail;
    JoinNext(node);  // fits: checked above
    index += chain.recordCount;
    int lineBreaks = chain.recordCount - 1;
    RecordNode* caret = tailPart;
    if (chain.endsWithBreak) {
        ++lineBreaks;
        column = 0;
    } else {
        --index;
        column = lastPasted->length;
        caret = lastPasted;
        // Too long to join: the pasted text keeps a line break of its own.
        if (!JoinNext(lastPasted)) ++lineBreaks;
    }
    theUndoBuffer.RecordPaste(pasteIndex, pasteColumn, chain.totalBytes, lineBreaks);
    MarkDocumentModified();
    return caret;
}
