#include "records/RecordStorage.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/PageMemory.h"
#include "platform/Platform.h"
#include "records/BlockPool.h"
#include "records/FileImage.h"
#include "records/RecordMessages.h"

// Under AddressSanitizer records come straight from the general allocator,
// so that the sanitizer sees every record and buffer on its own.
#if defined(__SANITIZE_ADDRESS__)
#define TABULON_PLAIN_RECORD_ALLOCATION 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TABULON_PLAIN_RECORD_ALLOCATION 1
#endif
#endif

namespace {

int allocationsBeforeFailure = -1;

bool AllocationAllowed()
{
    if (allocationsBeforeFailure < 0) return true;
    if (allocationsBeforeFailure == 0) return false;
    --allocationsBeforeFailure;
    return true;
}

#ifndef TABULON_PLAIN_RECORD_ALLOCATION

// Buffers up to this capacity come from pools, one per 64-byte step; larger
// ones (rare: long records) from the general allocator.
constexpr int kPooledCapacityLimit = 1024;
constexpr int kBufferPools = kPooledCapacityLimit / 64;

struct RecordPools {
    CBlockPool nodes{sizeof(RecordNode)};
    CBlockPool buffers[kBufferPools] = {
        CBlockPool{64},  CBlockPool{128}, CBlockPool{192}, CBlockPool{256},
        CBlockPool{320}, CBlockPool{384}, CBlockPool{448}, CBlockPool{512},
        CBlockPool{576}, CBlockPool{640}, CBlockPool{704}, CBlockPool{768},
        CBlockPool{832}, CBlockPool{896}, CBlockPool{960}, CBlockPool{1024}};
};
static_assert(sizeof(RecordNode) % 16 == 0);
// Memory per record is a promise: the bytes plus 40 at most.
static_assert(sizeof(void*) != 8 || sizeof(RecordNode) == 32);

// Never destroyed: records may still be freed by static objects that go away
// after this unit's statics.
RecordPools& Pools()
{
    static RecordPools* pools = new RecordPools;
    return *pools;
}

void* RawNode() { return Pools().nodes.Allocate(); }
void RawFreeNode(void* node) { Pools().nodes.Release(node); }

std::uint8_t* RawBuffer(std::uint16_t capacity)
{
    if (capacity <= kPooledCapacityLimit)
        return static_cast<std::uint8_t*>(Pools().buffers[capacity / 64 - 1].Allocate());
    return static_cast<std::uint8_t*>(std::malloc(capacity));
}

void RawFreeBuffer(std::uint8_t* data, std::uint16_t capacity)
{
    if (capacity <= kPooledCapacityLimit) Pools().buffers[capacity / 64 - 1].Release(data);
    else std::free(data);
}

void AdoptNodeBlocks(void* const* blocks, std::size_t count) { Pools().nodes.AdoptSlabs(blocks, count); }

std::uint64_t SpareNodes()
{
    const CBlockPool& nodes = Pools().nodes;
    return nodes.SlabCount() * CBlockPool::BlocksPerSlab(sizeof(RecordNode)) - nodes.LiveBlocks();
}

void TrimPools()
{
    Pools().nodes.ReleaseEmptySlabs();
    for (CBlockPool& pool : Pools().buffers) pool.ReleaseEmptySlabs();
}

#else

void AdoptNodeBlocks(void* const* blocks, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) UnmapPages(blocks[i], CBlockPool::kSlabSize);
}

void TrimPools() {}

std::uint64_t SpareNodes() { return 0; }

void* RawNode() { return std::malloc(sizeof(RecordNode)); }
void RawFreeNode(void* node) { std::free(node); }
std::uint8_t* RawBuffer(std::uint16_t capacity) { return static_cast<std::uint8_t*>(std::malloc(capacity)); }
void RawFreeBuffer(std::uint8_t* data, std::uint16_t) { std::free(data); }

#endif

std::uint8_t* NewBuffer(std::uint16_t capacity)
{
    return AllocationAllowed() ? RawBuffer(capacity) : nullptr;
}

}  // namespace

RecordNode* AllocateRecord(const std::uint8_t* source, int length)
{
    void* memory = AllocationAllowed() ? RawNode() : nullptr;
    if (!memory) return nullptr;
    const std::uint16_t capacity = CapacityFor(length);
    std::uint8_t* data = NewBuffer(capacity);
    if (!data) {
        RawFreeNode(memory);
        return nullptr;
    }
    if (length > 0) std::memcpy(data, source, static_cast<std::size_t>(length));
    RecordNode* node = new (memory) RecordNode;
    node->length = static_cast<std::uint16_t>(length);
    node->capacity = capacity;
    node->data = data;
    return node;
}

RecordNode* BorrowRecord(CFileImage* image, const std::uint8_t* bytes, int length)
{
    void* memory = AllocationAllowed() ? RawNode() : nullptr;
    if (!memory) return nullptr;
    RecordNode* node = new (memory) RecordNode;
    node->length = static_cast<std::uint16_t>(length);
    node->data = const_cast<std::uint8_t*>(bytes);
    image->Hold();
    return node;
}

namespace {

// Drops the buffer: its own, or its hold on the image it borrows from.
void DropBuffer(RecordNode* node)
{
    if (!IsBorrowed(node)) RawFreeBuffer(node->data, node->capacity);
    else if (CFileImage* image = CFileImage::Containing(node->data)) image->Release();
}

// Moves the record's bytes into a fresh buffer of `capacity` bytes.
bool MoveToBuffer(RecordNode* node, std::uint16_t capacity)
{
    std::uint8_t* data = NewBuffer(capacity);
    if (!data) return false;
    if (node->length > 0) std::memcpy(data, node->data, node->length);
    DropBuffer(node);
    node->data = data;
    node->capacity = capacity;
    return true;
}

}  // namespace

bool OwnRecord(RecordNode* node) { return !IsBorrowed(node) || MoveToBuffer(node, CapacityFor(node->length)); }

bool MakeRoom(RecordNode* node, int length)
{
    if (IsBorrowed(node) || (length >= node->capacity && CapacityFor(length) > node->capacity))
        return GrowRecord(node, length);
    return true;
}

void FreeRecord(RecordNode* node)
{
    DropBuffer(node);
    node->~RecordNode();
    RawFreeNode(node);
}

bool RecordBytesInPlace(const RecordNode* node)
{
    if (!IsBorrowed(node)) return node->length <= node->capacity;
    const CFileImage* image = CFileImage::Containing(node->data);
    return image && node->data + node->length <= image->Bytes() + image->size;
}

void FreeChain(RecordNode* first)
{
    while (first) {
        RecordNode* next = first->next;
        FreeRecord(first);
        first = next;
    }
}

bool GrowRecord(RecordNode* node, int length)
{
    return MoveToBuffer(node, CapacityFor(length > node->length ? length : node->length));
}

std::size_t RecordsPerNodeBlock() { return CBlockPool::BlocksPerSlab(sizeof(RecordNode)); }

void AddNodeMemory(void* const* blocks, std::size_t count) { AdoptNodeBlocks(blocks, count); }

void TrimRecordStorage() { TrimPools(); }

std::uint64_t SpareNodeMemory() { return SpareNodes() * sizeof(RecordNode); }

void ReportOutOfMemory()
{
    ShowMessage(kMsgOutOfMemory, kCapCriticalError, MbIcon::Stop);
    Platform().process->RequestQuit(-1);
}

void FailRecordAllocationsAfter(int successes) { allocationsBeforeFailure = successes; }

RecordNode* FindRelative(RecordNode* node, RecordIndex delta)
{
    for (; node && delta > 0; --delta) node = node->next;
    for (; node && delta < 0; ++delta) node = node->prev;
    return node;
}
