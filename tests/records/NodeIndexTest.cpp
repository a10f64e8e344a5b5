#include <gtest/gtest.h>

#include "records/RecordChain.h"
#include "records/RecordTestHelpers.h"

namespace {

// Groups of two records (at most four): a few records make many groups, so
// that splits, emptied groups and merges all happen.
class SmallGroups {
public:
    SmallGroups() { CNodeIndex::SetGroupSizeForTesting(2); }
    ~SmallGroups() { CNodeIndex::SetGroupSizeForTesting(0); }
};

std::unique_ptr<CRecordList> Numbered(int count)
{
    auto list = std::make_unique<CRecordList>();
    for (int i = 0; i < count; ++i) {
        const std::string text = std::to_string(i);
        EXPECT_NE(nullptr, list->NewRecord(nullptr, U(text), static_cast<int>(text.size())));
    }
    return list;
}

// ListIsConsistent asks NodeAt for every record and checks the groups.
TEST(NodeIndex, FindsEveryRecordAsRecordsComeAndGo)
{
    SmallGroups small;
    auto list = Numbered(41);
    ASSERT_TRUE(ListIsConsistent(*list));
    for (int i = 0; i < 12; ++i) {
        // At the front, in the middle (a group grows past four and splits)
        // and at the end.
        ASSERT_NE(nullptr, list->NewRecord(list->head, U("f"), 1));
        ASSERT_NE(nullptr, list->NewRecord(list->NodeAt(20), U("m"), 1));
        ASSERT_NE(nullptr, list->NewRecord(nullptr, U("e"), 1));
        ASSERT_TRUE(ListIsConsistent(*list)) << "insertions " << i;
    }
    EXPECT_EQ("f", Text(list->NodeAt(11)));
    EXPECT_EQ("m", Text(list->NodeAt(20)));
    // Joins empty the groups of one record; a run taken out empties whole
    // groups and leaves parts of two; put back at the front it is labelled
    // anew.
    for (int i = 0; i < 10; ++i) ASSERT_NE(nullptr, list->JoinNext(list->NodeAt(30)));
    ASSERT_TRUE(ListIsConsistent(*list));
    const RecordChain chain = DetachChain(*list, list->NodeAt(3), list->NodeAt(40));
    EXPECT_EQ(37, chain.recordCount);
    ASSERT_TRUE(ListIsConsistent(*list));
    LinkChain(*list, list->head, chain);
    ASSERT_TRUE(ListIsConsistent(*list));
    RemoveRecord(*list, list->tail);
    RemoveRecord(*list, list->head);
    ASSERT_TRUE(ListIsConsistent(*list));
    list->FreeAll();
    EXPECT_EQ(nullptr, list->NodeAt(0));
    ASSERT_NE(nullptr, list->NewRecord(nullptr, U("again"), 5));
    EXPECT_TRUE(ListIsConsistent(*list));
}

// A record index cut to 32 bits would find record 3 here.
TEST(NodeIndex, IndexesPast32BitsFindNoRecord)
{
    auto list = Numbered(10);
    for (const RecordIndex index : {RecordIndex{2147483648}, RecordIndex{4294967296} + 3, RecordIndex{-4294967296} + 3})
        EXPECT_EQ(nullptr, list->NodeAt(index)) << index;
    EXPECT_EQ(nullptr, list->NodeFrom(list->head, 0, RecordIndex{4294967296} + 3));
    EXPECT_EQ(nullptr, FindRelative(list->head, RecordIndex{4294967296} + 3));
    EXPECT_EQ("3", Text(list->NodeFrom(list->tail, 9, 3)));
}

}  // namespace
