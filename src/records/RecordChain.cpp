#include "records/RecordChain.h"

#include "records/RecordList.h"
#include "records/RecordStorage.h"

RecordChain MeasureChain(RecordNode* head)
{
    RecordChain chain;
    chain.head = head;
    for (RecordNode* node = head; node; node = node->next) {
        chain.tail = node;
        ++chain.recordCount;
        chain.totalBytes += node->length;
    }
    return chain;
}

RecordNode* SplitOffTail(CRecordList& list, RecordNode* node, int column)
{
    const int moved = node->length - column;
    // NewRecord copies the bytes before the record is shortened.
    RecordNode* lower = list.NewRecord(node->next, node->data + column, moved);
    if (!lower) return nullptr;
    node->length = static_cast<std::uint16_t>(column);
    list.totalBytes -= moved;
    return lower;
}

RecordChain DetachChain(CRecordList& list, RecordNode* first, RecordNode* after)
{
    RecordChain chain;
    chain.head = first;
    chain.tail = after ? after->prev : list.tail;
    for (RecordNode* node = first;; node = node->next) {
        list.nodeIndex.Unlinking(node);
        ++chain.recordCount;
        chain.totalBytes += node->length;
        if (node == chain.tail) break;
    }
    RecordNode* before = first->prev;
    if (before) before->next = after;
    else list.head = after;
    if (after) after->prev = before;
    else list.tail = before;
    chain.head->prev = nullptr;
    chain.tail->next = nullptr;
    list.recordCount -= chain.recordCount;
    list.totalBytes -= chain.totalBytes;
    return chain;
}

void LinkChain(CRecordList& list, RecordNode* before, const RecordChain& chain)
{
    RecordNode* after = before;
    RecordNode* previous = before ? before->prev : list.tail;
    chain.head->prev = previous;
    chain.tail->next = after;
    if (previous) previous->next = chain.head;
    else list.head = chain.head;
    if (after) after->prev = chain.tail;
    else list.tail = chain.tail;
    list.nodeIndex.ChainLinked(chain.head, chain.tail);
    list.recordCount += chain.recordCount;
    list.totalBytes += chain.totalBytes;
}

void RemoveRecord(CRecordList& list, RecordNode* node)
{
    list.nodeIndex.Unlinking(node);
    if (node->prev) node->prev->next = node->next;
    else list.head = node->next;
    if (node->next) node->next->prev = node->prev;
    else list.tail = node->prev;
    --list.recordCount;
    list.totalBytes -= node->length;
    FreeRecord(node);
}
