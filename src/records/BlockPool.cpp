#include "records/BlockPool.h"

#include <cstdint>
#include <initializer_list>

#include "platform/PageMemory.h"

// Each slab starts with this header; its blocks follow at kHeaderSize.
// Slabs are aligned to their size, so a block finds its slab by masking.
struct CBlockPool::Slab {
    Slab* prev;
    Slab* next;
    void* freeList;          // released blocks, linked through their first word
    std::uint32_t live;      // blocks handed out
    std::uint32_t carved;    // blocks taken from the untouched tail so far
    bool available;          // on the available list (else on the full list)
};

namespace {

constexpr std::size_t kHeaderSize = 64;

std::uint8_t* Base(void* slab) { return static_cast<std::uint8_t*>(slab); }

}  // namespace

CBlockPool::CBlockPool(std::size_t blockSize)
    : blockSize_(blockSize),
      blocksPerSlab_(static_cast<std::uint32_t>((kSlabSize - kHeaderSize) / blockSize))
{
}

CBlockPool::~CBlockPool()
{
    for (Slab** list : {&available_, &full_}) {
        while (Slab* slab = *list) {
            *list = slab->next;
            UnmapPages(slab, kSlabSize);
        }
    }
}

CBlockPool::Slab* CBlockPool::SlabOf(void* block)
{
    return reinterpret_cast<Slab*>(reinterpret_cast<std::uintptr_t>(block) &
                                   ~(static_cast<std::uintptr_t>(kSlabSize) - 1));
}

std::size_t CBlockPool::BlocksPerSlab(std::size_t blockSize) { return (kSlabSize - kHeaderSize) / blockSize; }

void CBlockPool::AdoptSlabs(void* const* slabs, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        Slab* slab = static_cast<Slab*>(slabs[i]);
        *slab = Slab{nullptr, nullptr, nullptr, 0, 0, false};
        ++slabCount_;
        Push(&available_, slab);
    }
}

void CBlockPool::ReleaseEmptySlabs()
{
    for (Slab* slab = available_; slab;) {
        Slab* next = slab->next;
        if (slab->live == 0) {
            Unlink(&available_, slab);
            FreeSlab(slab);
        }
        slab = next;
    }
}

CBlockPool::Slab* CBlockPool::NewSlab()
{
    static_assert(sizeof(Slab) <= kHeaderSize);
    void* memory = MapAlignedPages(kSlabSize);
    if (!memory) return nullptr;
    Slab* slab = static_cast<Slab*>(memory);
    *slab = Slab{nullptr, nullptr, nullptr, 0, 0, false};
    ++slabCount_;
    return slab;
}

void CBlockPool::FreeSlab(Slab* slab)
{
    UnmapPages(slab, kSlabSize);
    --slabCount_;
}

void CBlockPool::Push(Slab** list, Slab* slab)
{
    slab->prev = nullptr;
    slab->next = *list;
    if (*list) (*list)->prev = slab;
    *list = slab;
    slab->available = list == &available_;
}

void CBlockPool::Unlink(Slab** list, Slab* slab)
{
    if (slab->prev) slab->prev->next = slab->next;
    else *list = slab->next;
    if (slab->next) slab->next->prev = slab->prev;
    slab->prev = nullptr;
    slab->next = nullptr;
}

void* CBlockPool::Allocate()
{
    Slab* slab = available_;
    if (!slab) {
        slab = NewSlab();
        if (!slab) return nullptr;
        Push(&available_, slab);
    }
    void* block;
    if (slab->freeList) {
        block = slab->freeList;
        slab->freeList = *static_cast<void**>(block);
    } else {
        block = Base(slab) + kHeaderSize + static_cast<std::size_t>(slab->carved) * blockSize_;
        ++slab->carved;
    }
    ++slab->live;
    ++liveBlocks_;
    if (!slab->freeList && slab->carved == blocksPerSlab_) {
        Unlink(&available_, slab);
        Push(&full_, slab);
    }
    return block;
}

void CBlockPool::Release(void* block)
{
    Slab* slab = SlabOf(block);
    *static_cast<void**>(block) = slab->freeList;
    slab->freeList = block;
    --slab->live;
    --liveBlocks_;
    if (!slab->available) {
        Unlink(&full_, slab);
        Push(&available_, slab);
    }
    const bool onlySpare = available_ == slab && slab->next == nullptr;
    if (slab->live == 0 && !onlySpare) {
        Unlink(&available_, slab);
        FreeSlab(slab);
    }
}
