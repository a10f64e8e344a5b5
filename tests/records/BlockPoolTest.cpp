#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "platform/PageMemory.h"
#include "records/BlockPool.h"

namespace {

TEST(BlockPool, HandsOutDistinctAlignedBlocksThatHoldTheirBytes)
{
    CBlockPool pool(64);
    const int count = static_cast<int>(3 * CBlockPool::kSlabSize / 64);  // several slabs
    std::vector<unsigned char*> blocks;
    for (int i = 0; i < count; ++i) {
        auto* block = static_cast<unsigned char*>(pool.Allocate());
        ASSERT_NE(nullptr, block);
        EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(block) % 16);
        std::memset(block, i & 0xFF, 64);
        blocks.push_back(block);
    }
    EXPECT_EQ(blocks.size(), std::set<unsigned char*>(blocks.begin(), blocks.end()).size());
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(i & 0xFF, blocks[i][0]);
        ASSERT_EQ(i & 0xFF, blocks[i][63]);
    }
    EXPECT_EQ(blocks.size(), pool.LiveBlocks());
    EXPECT_GE(pool.SlabCount(), 3u);
}

TEST(BlockPool, GivesEmptySlabsBackButKeepsOneSpare)
{
    CBlockPool pool(1024);
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < 7 * CBlockPool::kSlabSize / 1024; ++i) blocks.push_back(pool.Allocate());
    const std::size_t slabs = pool.SlabCount();
    EXPECT_GE(slabs, 7u);
    std::mt19937 random(7);
    std::shuffle(blocks.begin(), blocks.end(), random);
    for (void* block : blocks) pool.Release(block);
    EXPECT_EQ(0u, pool.LiveBlocks());
    EXPECT_EQ(1u, pool.SlabCount());
    // The spare serves the next allocations without a new slab.
    void* again = pool.Allocate();
    EXPECT_EQ(1u, pool.SlabCount());
    pool.Release(again);
}

TEST(BlockPool, ReusesReleasedBlocksUnderMixedUse)
{
    CBlockPool pool(32);
    std::vector<std::pair<unsigned*, unsigned>> live;
    std::mt19937 random(11);
    for (unsigned step = 0; step < 400000; ++step) {
        if (live.empty() || random() % 3 != 0) {
            auto* block = static_cast<unsigned*>(pool.Allocate());
            *block = step;
            block[7] = ~step;
            live.emplace_back(block, step);
        } else {
            const std::size_t at = random() % live.size();
            ASSERT_EQ(live[at].second, *live[at].first);
            ASSERT_EQ(~live[at].second, live[at].first[7]);
            pool.Release(live[at].first);
            live[at] = live.back();
            live.pop_back();
        }
    }
    EXPECT_EQ(live.size(), pool.LiveBlocks());
    // Blocks in use never exceed what the live count needs by much.
    const std::size_t perSlab = (CBlockPool::kSlabSize - 64) / 32;
    EXPECT_LE(pool.SlabCount(), live.size() / perSlab + 2);
}

TEST(BlockPool, AdoptedSlabsAreCarvedFirstAndEmptyOnesGoBack)
{
    CBlockPool pool(32);
    void* slabs[2] = {MapAlignedPages(CBlockPool::kSlabSize), MapAlignedPages(CBlockPool::kSlabSize)};
    ASSERT_TRUE(slabs[0] && slabs[1]);
    pool.AdoptSlabs(slabs, 2);
    EXPECT_EQ(2u, pool.SlabCount());
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < CBlockPool::BlocksPerSlab(32) + 1; ++i) blocks.push_back(pool.Allocate());
    EXPECT_EQ(2u, pool.SlabCount());  // no fresh slab was needed
    const auto inSlab = [](void* block, void* slab) {
        return static_cast<char*>(block) >= static_cast<char*>(slab) &&
               static_cast<char*>(block) < static_cast<char*>(slab) + CBlockPool::kSlabSize;
    };
    EXPECT_TRUE(std::all_of(blocks.begin(), blocks.end(),
                            [&](void* b) { return inSlab(b, slabs[0]) || inSlab(b, slabs[1]); }));
    pool.Release(blocks.back());
    blocks.pop_back();
    pool.ReleaseEmptySlabs();
    EXPECT_EQ(1u, pool.SlabCount());  // the full one stays
    for (void* block : blocks) pool.Release(block);
}

}  // namespace
