#include <tuple>

#include "platform/Platform.h"
#include "records/ClipRecords.h"
#include "records/RecordChain.h"
#include "records/RecordEdits.h"
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
            // Puts the end back together; only memory can fail, as it just did,
            // and the program is then stopping (reported).
            if (endNode && endColumn != 0) std::ignore = list.JoinNext(endNode);
            return false;
        }
    }

    out.chain = DetachChain(list, first, after);
    out.chain.endsWithBreak = endsWithBreak;
    // CheckJoinLength has made sure the joined record fits; only memory can
    // fail, and the program is then stopping (reported).
    if (joinDue && after) std::ignore = list.JoinNext(startNode);
    if (!list.head && !list.NewRecord(nullptr, nullptr, 0)) return false;
    out.caret = !endNode ? nullptr : joinDue ? startNode : after;
    return true;
}

}  // namespace

RecordNode* CRecordEdits::RemoveRange(RecordNode* startNode, RecordIndex startIndex, int startColumn,
                                      RecordIndex endIndex, int endColumn)
{
    RecordNode* endNode = nullptr;
    if (!RangeIsValid(list_, startNode, startIndex, startColumn, endIndex, endColumn, endNode)) return startNode;
    if (!CheckJoinLength(startNode, startIndex, startColumn, endIndex, endColumn)) return startNode;
    DetachedRange removed;
    if (!DetachRange(list_, startNode, startColumn, endNode, endColumn, removed)) return nullptr;
    journal_.RecordRemoval(startIndex, startColumn, removed.chain.head, removed.chain.endsWithBreak);
    Mark();
    return removed.caret;
}

RecordNode* CRecordEdits::CutRange(CClipRecords& holder, RecordNode* startNode, RecordIndex startIndex,
                                   int startColumn, RecordIndex endIndex, int endColumn)
{
    holder.Clear();
    RecordNode* endNode = nullptr;
    if (!RangeIsValid(list_, startNode, startIndex, startColumn, endIndex, endColumn, endNode)) return startNode;
    if (!CheckJoinLength(startNode, startIndex, startColumn, endIndex, endColumn)) return startNode;
    DetachedRange removed;
    if (!DetachRange(list_, startNode, startColumn, endNode, endColumn, removed)) return nullptr;
    holder.TakeChain(removed.chain);
    holder.PutOnClipboard();
    journal_.RecordRemoval(startIndex, startColumn, holder.ReleaseChain(), removed.chain.endsWithBreak);
    Mark();
    return removed.caret;
}

bool CRecordEdits::PasteFitsCounters(const CClipRecords& holder, int tailLength, RecordIndex freedRecords,
                                     ByteTotal freedBytes) const
{
    if (!holder.HasRecords()) return true;
    // Every pasted line break adds a record, and so does a last pasted
    // record that cannot be joined with the bytes after the caret.
    const bool lastJoins = !holder.endsWithBreak &&
                           (holder.head == holder.tail || holder.tail->length + tailLength <= kMaxRecordLength);
    const RecordIndex records = holder.recordCount - (lastJoins ? 1 : 0);
    return list_.MayGrow(records - freedRecords, holder.totalBytes - freedBytes);
}

RecordNode* CRecordEdits::PasteChain(CClipRecords& holder, RecordNode* node, RecordIndex& index, int& column)
{
    holder.GetFromClipboard();
    return PasteHeld(holder, node, index, column);
}

RecordNode* CRecordEdits::PasteHeld(CClipRecords& holder, RecordNode* node, RecordIndex& index, int& column)
{
    if (!node || !holder.HasRecords() || column < 0 || column > node->length) return node;
    RecordChain chain = MeasureChain(holder.head);
    chain.endsWithBreak = holder.endsWithBreak;
    if (chain.head->length + node->length > kMaxRecordLength) {
        ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
        return nullptr;
    }
    if (!PasteFitsCounters(holder, node->length - column, 0, 0)) return nullptr;
    const RecordIndex pasteIndex = index;
    const int pasteColumn = column;
    RecordNode* tailPart = SplitOffTail(list_, node, column);
    if (!tailPart) return nullptr;
    std::ignore = holder.ReleaseChain();  // the records belong to the document now
    LinkChain(list_, tailPart, chain);
    RecordNode* lastPasted = chain.recordCount == 1 ? node : chain.tail;
    // Fits (checked above); only memory can fail, and the program is then
    // stopping (reported).
    std::ignore = list_.JoinNext(node);
    index += chain.recordCount;
    RecordIndex lineBreaks = chain.recordCount - 1;
    RecordNode* caret = tailPart;
    if (chain.endsWithBreak) {
        ++lineBreaks;
        column = 0;
    } else {
        --index;
        column = lastPasted->length;
        caret = lastPasted;
        // Too long to join: the pasted text keeps a line break of its own.
        if (!list_.JoinNext(lastPasted)) ++lineBreaks;
    }
    journal_.RecordPaste(pasteIndex, pasteColumn, chain.totalBytes, lineBreaks);
    Mark();
    return caret;
}
