#include <algorithm>
#include <cstring>
#include <tuple>

#include "records/RecordChain.h"
#include "records/RecordList.h"
#include "records/RecordStorage.h"

RecordNode* CRecordList::DeleteForward(RecordNode* node, int column, ByteTotal byteCount, RecordIndex breakCount,
                                       bool joinAfter)
{
    RecordNode* joinTo = nullptr;
    RecordNode* current = node;
    if (column != 0) {
        current = SplitOffTail(*this, node, column);
        if (!current) return nullptr;
        joinTo = node;
    }
    // Each line break pasted ended a record that is now removed whole.
    for (; breakCount > 0 && current; --breakCount) {
        RecordNode* next = current->next;
        byteCount -= current->length;
        RemoveRecord(*this, current);
        current = next;
    }
    if (!current) {  // only when the document no longer matches; never in a consistent replay
        if (!head && !NewRecord(nullptr, nullptr, 0)) return nullptr;
        current = joinTo ? joinTo : tail;
        joinTo = nullptr;
    }
    // Only shrinks the record: cannot fail.
    if (byteCount > 0)
        std::ignore = RestoreBytes(current, 0, static_cast<int>(std::min<ByteTotal>(byteCount, current->length)),
                                   nullptr, 0);
    if (joinTo && joinAfter) return JoinNext(joinTo);
    return current;
}

RecordNode* CRecordList::InsertChain(RecordNode* node, int column, RecordNode* chainHead, bool joinLast)
{
    if (!chainHead) return node;
    const RecordChain chain = MeasureChain(chainHead);
    RecordNode* before = node;  // the chain goes in front of this record
    if (node && column != 0) {
        before = SplitOffTail(*this, node, column);
        if (!before) {
            FreeChain(chainHead);
            return nullptr;
        }
    }
    LinkChain(*this, before, chain);
    // The joins were checked to fit: null only when memory ran out.
    if (joinLast && chain.tail->next && !JoinNext(chain.tail)) return nullptr;
    if (node && column != 0) return JoinNext(node);
    return chain.head;
}

bool CRecordList::RestoreBytes(RecordNode* node, int column, int deleteCount, const std::uint8_t* source,
                               int insertCount)
{
    const int newLength = node->length - deleteCount + insertCount;
    if (column < 0 || deleteCount < 0 || insertCount < 0 || column + deleteCount > node->length ||
        newLength > kMaxRecordLength)
        return false;
    return ReplaceBytes(node, column, deleteCount, source, insertCount);
}

bool CRecordList::RestoreBlock(RecordNode* node, const RecordNode* saved)
{
    for (; saved; saved = saved->next, node = node->next) {
        if (!node) return false;
        if (!MakeRoom(node, saved->length)) {
            ReportOutOfMemory();
            return false;
        }
        if (saved->length > 0) std::memcpy(node->data, saved->data, saved->length);
        totalBytes += saved->length - node->length;
        node->length = saved->length;
    }
    return true;
}
