#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "EditSequenceChecker.h"

namespace {

// Thousands of random scripts of splices, splits, joins, range removals,
// cuts, copies, pastes, block shifts and replaces, with random undos between
// them; the checker compares every step with a model and every undo with the
// document as it was before the change, and finally undoes everything. The
// node index works in groups of two records here, so that its groups split,
// empty and merge all the time.
TEST(EditSequence, RandomScriptsKeepTheListExactAndUndoRestoresEveryByte)
{
    struct SmallGroups {
        SmallGroups() { CNodeIndex::SetGroupSizeForTesting(2); }
        ~SmallGroups() { CNodeIndex::SetGroupSizeForTesting(0); }
    } small;
    std::mt19937 random(4242);
    int lostHistory = 0;
    std::array<int, 12> undone{};
    const std::size_t imagesBefore = CFileImage::LiveCount();
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> script(static_cast<std::size_t>(40 + random() % 600));
        for (std::uint8_t& b : script) b = static_cast<std::uint8_t>(random());
        edit_sequence::Checker checker({"first record", "  indented", "", "\tx", "last"});
        ASSERT_EQ("", checker.Run(script.data(), script.size())) << "round " << round;
        lostHistory += checker.LostHistory() ? 1 : 0;
        for (std::size_t kind = 0; kind < undone.size(); ++kind) undone[kind] += checker.Undone()[kind];
    }
    // The records started borrowed: the last to go let go of their image.
    EXPECT_EQ(imagesBefore, CFileImage::LiveCount());
    // Every kind but Replace All (which needs the find engine) was replayed often.
    for (std::size_t kind = 1; kind <= 10; ++kind) EXPECT_GT(undone[kind], 200) << "kind " << kind;
    // Both endings are exercised: back to the start, and history lost to the ring.
    EXPECT_GT(lostHistory, 0);
    EXPECT_LT(lostHistory, 3000);
}

}  // namespace
