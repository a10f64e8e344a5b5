#include "records/ClipRecords.h"

#include <tuple>

#include "records/ClipboardTransport.h"
#include "records/RecordStorage.h"

CClipRecords::~CClipRecords() { Clear(); }

void CClipRecords::Clear()
{
    FreeChain(head);
    head = tail = nullptr;
    recordCount = 0;
    totalBytes = 0;
    endsWithBreak = false;
}

void CClipRecords::PutOnClipboard()
{
    if (transport_) transport_->Put(*this);
}

void CClipRecords::GetFromClipboard()
{
    // A clipboard with nothing usable leaves the holder as it was.
    if (transport_) std::ignore = transport_->Get(*this);
}

bool CClipRecords::AppendRecord(const std::uint8_t* bytes, int length)
{
    RecordNode* node = AllocateRecord(bytes, length);
    if (!node) {
        ReportOutOfMemory();
        return false;
    }
    node->prev = tail;
    if (tail) tail->next = node;
    else head = node;
    tail = node;
    ++recordCount;
    totalBytes += length;
    return true;
}

void CClipRecords::TakeChain(const RecordChain& chain)
{
    FreeChain(head);
    head = chain.head;
    tail = chain.tail;
    recordCount = chain.recordCount;
    totalBytes = chain.totalBytes;
    endsWithBreak = chain.endsWithBreak;
}

RecordNode* CClipRecords::ReleaseChain()
{
    RecordNode* chain = head;
    head = tail = nullptr;
    return chain;
}
