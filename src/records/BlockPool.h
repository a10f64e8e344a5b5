#pragma once
#include <cstddef>
#include <cstdint>

// Hands out fixed-size blocks carved from large aligned slabs, with no
// per-block header. A document of millions of short records would otherwise
// pay the general allocator's header and rounding on every node and buffer.
// A slab goes back to the system as soon as its last block is released
// (except one spare per pool, to avoid churn at the boundary).
// Not thread-safe: records live on the user-interface thread only.
class CBlockPool {
public:
    // A huge page, where the system offers them.
    static constexpr std::size_t kSlabSize = 2 * 1024 * 1024;

    // blockSize: at least sizeof(void*), a multiple of 16 and small enough
    // for many blocks per slab.
    explicit CBlockPool(std::size_t blockSize);
    // Returns every slab to the system; blocks still handed out die with it.
    ~CBlockPool();
    CBlockPool(const CBlockPool&) = delete;
    CBlockPool& operator=(const CBlockPool&) = delete;

    // A block of blockSize bytes (16-byte aligned), or null when the system
    // has no memory left.
    [[nodiscard]] void* Allocate();
    // Gives back a block that this pool handed out.
    void Release(void* block);

    // Takes over blocks of kSlabSize bytes (aligned to it) from
    // MapAlignedPages, such as ones made ready on another thread, as empty
    // slabs to carve from first.
    void AdoptSlabs(void* const* slabs, std::size_t count);
    // Gives every empty slab back to the system.
    void ReleaseEmptySlabs();
    // Blocks of `blockSize` bytes that one slab holds.
    static std::size_t BlocksPerSlab(std::size_t blockSize);

    std::size_t BlockSize() const { return blockSize_; }
    std::size_t LiveBlocks() const { return liveBlocks_; }
    std::size_t SlabCount() const { return slabCount_; }

private:
    struct Slab;
    Slab* NewSlab();
    void FreeSlab(Slab* slab);
    void Push(Slab** list, Slab* slab);
    static void Unlink(Slab** list, Slab* slab);
    static Slab* SlabOf(void* block);

    std::size_t blockSize_;
    std::uint32_t blocksPerSlab_;
    Slab* available_ = nullptr;  // slabs with at least one free block
    Slab* full_ = nullptr;       // slabs without free blocks
    std::size_t liveBlocks_ = 0;
    std::size_t slabCount_ = 0;
};
