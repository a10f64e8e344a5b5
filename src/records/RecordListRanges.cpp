#include <algorithm>

#include "platform/Platform.h"
#include "records/ClipRecords.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/RecordRanges.h"

bool RangeIsValid(const CRecordList& list, RecordNode* startNode, RecordIndex startIndex, int startColumn,
                  RecordIndex endIndex, int endColumn, RecordNode*& endNode)
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

bool CheckJoinLength(RecordNode* startNode, RecordIndex startIndex, int startColumn, RecordIndex endIndex,
                     int endColumn)
{
    const RecordNode* endNode = FindRelative(startNode, endIndex - startIndex);
    const int bytesAfterEnd = endNode ? std::max(0, endNode->length - endColumn) : 0;
    if (startColumn + bytesAfterEnd <= kMaxRecordLength) return true;
    ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
    return false;
}

bool CRecordList::CopyRange(CClipRecords& holder, RecordNode* startNode, RecordIndex startIndex, int startColumn,
                            RecordIndex endIndex, int endColumn) const
{
    holder.Clear();
    RecordNode* endNode = nullptr;
    if (!RangeIsValid(*this, startNode, startIndex, startColumn, endIndex, endColumn, endNode)) return false;
    bool endsWithBreak = false;
    RecordNode* node = startNode;
    for (RecordIndex index = startIndex;; ++index, node = node->next) {
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
        if (!holder.AppendRecord(node->data + from, to - from)) {
            holder.Clear();
            return false;
        }
        if (index == endIndex) break;
    }
    holder.endsWithBreak = endsWithBreak;
    holder.PutOnClipboard();
    return true;
}
