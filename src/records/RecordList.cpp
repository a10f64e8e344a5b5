#include "records/RecordList.h"

#include <cstring>

#include "platform/Platform.h"
#include "records/RecordMessages.h"
#include "records/RecordStorage.h"

namespace {

// Leading blanks (spaces and tabs) of a record; none when it holds nothing
// else.
int IndentWidth(const RecordNode* node)
{
    int width = 0;
    while (width < node->length && (node->data[width] == ' ' || node->data[width] == '\t')) ++width;
    return width == node->length ? 0 : width;
}

}  // namespace

CRecordList::~CRecordList()
{
    if (recoveryCopyWritten) DeleteRecoveryCopy();
    FreeAll();
}

RecordNode* CRecordList::NewRecord(RecordNode* before, const std::uint8_t* source, int length)
{
    RecordNode* node = AllocateRecord(source, length);
    if (!node) {
        ReportOutOfMemory();
        return nullptr;
    }
    Link(node, before);
    return node;
}

RecordNode* CRecordList::BorrowedRecord(CFileImage* image, const std::uint8_t* bytes, int length)
{
    RecordNode* node = BorrowRecord(image, bytes, length);
    if (!node) {
        ReportOutOfMemory();
        return nullptr;
    }
    Link(node, nullptr);
    return node;
}

void CRecordList::Link(RecordNode* node, RecordNode* before)
{
    RecordNode* after = before ? before->prev : tail;
    node->prev = after;
    node->next = before;
    if (after) after->next = node;
    else head = node;
    if (before) before->prev = node;
    else tail = node;
    nodeIndex.Linked(node);
    ++recordCount;
    totalBytes += node->length;
}

bool CRecordList::Splice(RecordNode* node, int column, int deleteCount, const std::uint8_t* source,
                         int insertCount)
{
    const int newLength = node->length - deleteCount + insertCount;
    if (column < 0 || deleteCount < 0 || insertCount < 0 || newLength < 0 || column + deleteCount > node->length)
        return false;
    if (newLength >= kMaxRecordLength) {
        ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning);
        return false;
    }
    return ReplaceBytes(node, column, deleteCount, source, insertCount);
}

bool CRecordList::ReplaceBytes(RecordNode* node, int column, int deleteCount, const std::uint8_t* source,
                               int insertCount)
{
    const int newLength = node->length - deleteCount + insertCount;
    if (!MakeRoom(node, newLength)) {
        ReportOutOfMemory();
        return false;
    }
    if (deleteCount != insertCount) {
        std::memmove(node->data + column + insertCount, node->data + column + deleteCount,
                     static_cast<std::size_t>(node->length - column - deleteCount));
    }
    if (insertCount > 0) std::memcpy(node->data + column, source, static_cast<std::size_t>(insertCount));
    node->length = static_cast<std::uint16_t>(newLength);
    totalBytes += insertCount - deleteCount;
    return true;
}

bool CRecordList::MayGrow(RecordIndex records, ByteTotal bytes) const
{
    if (CountersHoldMore(recordCount, records, totalBytes, bytes)) return true;
    ShowMessage(DocumentTooLargeMessage(), kCapHoldUp, MbIcon::Warning);
    return false;
}

RecordNode* CRecordList::NodeFrom(RecordNode* known, RecordIndex knownIndex, RecordIndex index) const
{
    // Up to about what a lookup walks within its group.
    constexpr RecordIndex kNear = 1024;
    const RecordIndex distance = index - knownIndex;
    if (known && distance >= -kNear && distance <= kNear) return FindRelative(known, distance);
    return NodeAt(index);
}

RecordNode* CRecordList::SplitRecord(RecordNode* node, int& column, bool smartIndent)
{
    const int indent = smartIndent ? IndentWidth(node) : 0;
    const int length = node->length;
    if (column > length) column = length;
    if (column <= 0) {
        column = 0;
        if (!MayGrow(1, 0)) return nullptr;
        return NewRecord(node, nullptr, 0);
    }
    if (!MayGrow(1, indent)) return nullptr;

    std::memcpy(workBuffer, node->data, static_cast<std::size_t>(length));
    RecordNode* lower = NewRecord(node->next, workBuffer + column, length - column);
    if (!lower) return nullptr;
    node->length = static_cast<std::uint16_t>(column);
    totalBytes -= length - column;
    column = 0;
    // The indent copies the upper record's leading blanks as they were.
    if (indent > 0 && Splice(lower, 0, 0, workBuffer, indent)) column = indent;
    return node;
}

RecordNode* CRecordList::JoinNext(RecordNode* node)
{
    RecordNode* follower = node->next;
    if (!follower) return nullptr;
    const int joined = node->length + follower->length;
    if (joined > kMaxRecordLength) return nullptr;
    if (!OwnRecord(node) || (joined > node->capacity && !GrowRecord(node, joined))) {
        ReportOutOfMemory();
        return nullptr;
    }
    if (follower->length > 0) std::memcpy(node->data + node->length, follower->data, follower->length);
    node->length = static_cast<std::uint16_t>(joined);
    nodeIndex.Unlinking(follower);
    node->next = follower->next;
    if (follower->next) follower->next->prev = node;
    else tail = node;
    FreeRecord(follower);
    --recordCount;
    return node;
}

void CRecordList::FreeAll()
{
    FreeChain(head);
    nodeIndex.Clear();
    head = tail = nullptr;
    recordCount = 0;
    totalBytes = 0;
}
