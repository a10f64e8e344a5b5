#include <gtest/gtest.h>

#include "records/RecordMessages.h"
#include "records/RecordStorage.h"
#include "records/RecordTestHelpers.h"
#include "support/TestPlatform.h"

namespace {

std::string Repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

TEST(RecordCapacity, GrowsInStepsOf64UpTo65535)
{
    EXPECT_EQ(64, CapacityFor(0));
    EXPECT_EQ(64, CapacityFor(63));
    EXPECT_EQ(128, CapacityFor(64));
    EXPECT_EQ(65472, CapacityFor(65471));
    EXPECT_EQ(65535, CapacityFor(65472));
    EXPECT_EQ(65535, CapacityFor(65535));

    CRecordList list;
    const std::string big = Repeat('x', 65472);
    EXPECT_EQ(64, list.NewRecord(nullptr, nullptr, 0)->capacity);
    EXPECT_EQ(65535, list.NewRecord(nullptr, U(big), 65472)->capacity);
    EXPECT_EQ(big, Text(list.tail));
}

TEST(RecordList, NewRecordLinksBeforeAGivenRecordOrAtTheEnd)
{
    CRecordList list;
    RecordNode* b = list.NewRecord(nullptr, U("b"), 1);
    RecordNode* a = list.NewRecord(b, U("a"), 1);
    EXPECT_NE(nullptr, list.NewRecord(nullptr, U("d"), 1));
    EXPECT_NE(nullptr, list.NewRecord(b->next, U("c"), 1));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d"}), Records(list));
    EXPECT_EQ(a, list.head);
    EXPECT_EQ(4, list.recordCount);
    EXPECT_EQ(4, list.totalBytes);
    EXPECT_TRUE(ListIsConsistent(list));
}

TEST(RecordList, FindRelativeStepsBothWaysAndGivesNullPastTheEnds)
{
    auto list = ListOf({"0", "1", "2", "3"});
    RecordNode* second = list->head->next;
    EXPECT_EQ("3", Text(FindRelative(second, 2)));
    EXPECT_EQ("0", Text(FindRelative(second, -1)));
    EXPECT_EQ(second, FindRelative(second, 0));
    EXPECT_EQ(nullptr, FindRelative(second, 3));
    EXPECT_EQ(nullptr, FindRelative(second, -2));
}

TEST(RecordList, SpliceInsertsDeletesAndReplacesWithinARecord)
{
    auto list = ListOf({"hello world"});
    RecordNode* n = list->head;
    EXPECT_TRUE(list->Splice(n, 5, 0, U(","), 1));
    EXPECT_EQ("hello, world", Text(n));
    EXPECT_TRUE(list->Splice(n, 7, 5, U("there"), 5));
    EXPECT_EQ("hello, there", Text(n));
    EXPECT_TRUE(list->Splice(n, 0, 7, nullptr, 0));
    EXPECT_EQ("there", Text(n));
    EXPECT_TRUE(list->Splice(n, 5, 0, U("!!"), 2));
    EXPECT_EQ("there!!", Text(n));
    EXPECT_EQ(7, list->totalBytes);
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RecordList, SpliceGrowsTheBufferWhenTheLengthReachesTheCapacity)
{
    auto list = ListOf({Repeat('a', 63)});
    RecordNode* n = list->head;
    EXPECT_EQ(64, n->capacity);
    EXPECT_TRUE(list->Splice(n, 63, 0, U("b"), 1));  // 64 bytes no longer leave room
    EXPECT_EQ(128, n->capacity);
    EXPECT_EQ(Repeat('a', 63) + "b", Text(n));
    EXPECT_TRUE(list->Splice(n, 0, 60, nullptr, 0));  // buffers never shrink
    EXPECT_EQ(128, n->capacity);
    EXPECT_EQ("aaab", Text(n));
}

TEST(RecordList, SpliceStopsAt65534BytesWithAMessage)
{
    TestPlatform platform;
    auto list = ListOf({Repeat('a', 65533)});
    RecordNode* n = list->head;
    EXPECT_TRUE(list->Splice(n, 0, 0, U("b"), 1));
    EXPECT_EQ(65534, n->length);
    EXPECT_EQ(65535, n->capacity);
    EXPECT_TRUE(platform.messageBox.boxes.empty());

    EXPECT_FALSE(list->Splice(n, 0, 0, U("c"), 1));
    EXPECT_EQ(65534, n->length);
    EXPECT_EQ('b', n->data[0]);
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ(kMsgRecordTooLarge, platform.messageBox.boxes[0].text);
    EXPECT_EQ("Line too Long", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Warning, platform.messageBox.boxes[0].icon);
    // Overwriting a byte of a full record is still allowed.
    EXPECT_TRUE(list->Splice(n, 1, 1, U("z"), 1));
    EXPECT_EQ(65534, list->totalBytes);
}

TEST(RecordList, SpliceDeletingMoreThanTheRecordHoldsDoesNothingSilently)
{
    TestPlatform platform;
    auto list = ListOf({"abc"});
    EXPECT_FALSE(list->Splice(list->head, 0, 4, nullptr, 0));
    EXPECT_FALSE(list->Splice(list->head, 2, 2, U("xy"), 2));  // past the end
    EXPECT_FALSE(list->Splice(list->head, -1, 0, U("x"), 1));
    EXPECT_EQ("abc", Text(list->head));
    EXPECT_EQ(3, list->totalBytes);
    EXPECT_TRUE(platform.messageBox.boxes.empty());
}

TEST(RecordList, SplitAtColumnZeroInsertsAnEmptyRecordAbove)
{
    auto list = ListOf({"    abc"});
    RecordNode* original = list->head;
    int column = 0;
    RecordNode* upper = list->SplitRecord(original, column, true);
    EXPECT_EQ(0, column);  // no indent even with smart indent on
    EXPECT_EQ(list->head, upper);
    EXPECT_EQ(original, upper->next);
    EXPECT_EQ((std::vector<std::string>{"", "    abc"}), Records(*list));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RecordList, SplitInTheMiddleMovesTheRestToANewRecordBelow)
{
    auto list = ListOf({"one", "left|right", "three"});
    RecordNode* node = list->head->next;
    int column = 5;
    EXPECT_EQ(node, list->SplitRecord(node, column, true));
    EXPECT_EQ(0, column);
    EXPECT_EQ((std::vector<std::string>{"one", "left|", "right", "three"}), Records(*list));
    EXPECT_TRUE(ListIsConsistent(*list));

    column = 5;  // at the end: an empty record below
    EXPECT_NE(nullptr, list->SplitRecord(node, column, false));
    EXPECT_EQ((std::vector<std::string>{"one", "left|", "", "right", "three"}), Records(*list));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RecordList, SmartIndentCopiesTheLeadingBlanksInSourceMode)
{
    auto list = ListOf({"    abc", " \t  ", "\t x"});
    int column = 7;
    EXPECT_NE(nullptr, list->SplitRecord(list->head, column, true));
    EXPECT_EQ(4, column);
    EXPECT_EQ("    abc", Text(list->head));
    EXPECT_EQ("    ", Text(list->head->next));

    // A record of blanks only gives no indent.
    RecordNode* blanks = list->head->next->next;
    column = 4;
    EXPECT_NE(nullptr, list->SplitRecord(blanks, column, true));
    EXPECT_EQ(0, column);
    EXPECT_EQ("", Text(blanks->next));

    // Splitting inside the indent copies the whole indent before the rest.
    RecordNode* tabbed = list->tail;
    column = 1;
    EXPECT_NE(nullptr, list->SplitRecord(tabbed, column, true));
    EXPECT_EQ(2, column);
    EXPECT_EQ("\t", Text(tabbed));
    EXPECT_EQ("\t  x", Text(list->tail));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RecordList, SmartIndentNeedsSourceModeAndTheSetting)
{
    for (int variant = 0; variant < 3; ++variant) {
        SourceOptions options = SourceModeWith();
        options.sourceMode = variant != 0;
        options.smartIndent = variant != 1;
        auto list = ListOf({"  ab"});
        int column = 3;
        EXPECT_NE(nullptr, list->SplitRecord(list->head, column, options.SmartIndentOn()));
        EXPECT_EQ(variant == 2 ? 2 : 0, column) << variant;
        EXPECT_EQ(variant == 2 ? "  b" : "b", Text(list->tail)) << variant;
    }
}

TEST(RecordList, AnIndentThatWouldOverfillTheRecordIsRefusedAndTheCaretStaysAtZero)
{
    TestPlatform platform;
    auto list = ListOf({Repeat(' ', 10) + Repeat('x', 65524)});
    int column = 5;
    EXPECT_NE(nullptr, list->SplitRecord(list->head, column, true));
    EXPECT_EQ(0, column);
    EXPECT_EQ(65529, list->tail->length);
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ(kMsgRecordTooLarge, platform.messageBox.boxes[0].text);
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RecordList, JoinAllows65535BytesAndRefuses65536)
{
    auto list = ListOf({Repeat('a', 65000), Repeat('b', 535), Repeat('c', 1), "d"});
    RecordNode* first = list->head;
    EXPECT_EQ(first, list->JoinNext(first));
    EXPECT_EQ(65535, first->length);
    EXPECT_EQ(65535, first->capacity);
    EXPECT_EQ('b', first->data[65534]);
    EXPECT_EQ(nullptr, list->JoinNext(first));  // would be 65536
    EXPECT_EQ(3, list->recordCount);
    EXPECT_EQ("c", Text(first->next));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RecordList, JoinKeepsTheBufferWhenTheBytesFitAndUpdatesTheTail)
{
    auto list = ListOf({"ab", "cd"});
    RecordNode* first = list->head;
    const std::uint8_t* buffer = first->data;
    EXPECT_NE(nullptr, list->JoinNext(first));
    EXPECT_EQ(buffer, first->data);
    EXPECT_EQ(first, list->tail);
    EXPECT_EQ("abcd", Text(first));
    EXPECT_EQ(nullptr, list->JoinNext(first));  // no follower
    EXPECT_TRUE(ListIsConsistent(*list));

    auto grow = ListOf({Repeat('a', 60), Repeat('b', 10)});
    EXPECT_NE(nullptr, grow->JoinNext(grow->head));
    EXPECT_EQ(128, grow->head->capacity);
    EXPECT_EQ(Repeat('a', 60) + Repeat('b', 10), Text(grow->head));
}

TEST(RecordList, FreeAllEmptiesTheList)
{
    auto list = ListOf({"a", "bc", "def"});
    list->FreeAll();
    EXPECT_EQ(nullptr, list->head);
    EXPECT_EQ(nullptr, list->tail);
    EXPECT_EQ(0, list->recordCount);
    EXPECT_EQ(0, list->totalBytes);
    EXPECT_NE(nullptr, list->NewRecord(nullptr, U("x"), 1));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RecordList, OutOfMemoryIsReportedAndTheProgramAskedToQuit)
{
    TestPlatform platform;
    auto list = ListOf({"a"});
    FailRecordAllocationsAfter(1);  // the node succeeds, its buffer fails
    EXPECT_EQ(nullptr, list->NewRecord(nullptr, U("b"), 1));
    FailRecordAllocationsAfter(-1);
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Out of Memory. Program will be stopped.", platform.messageBox.boxes[0].text);
    EXPECT_EQ("Critical Error", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Stop, platform.messageBox.boxes[0].icon);
    EXPECT_EQ(std::vector<int>{-1}, platform.process.quitCodes);
    EXPECT_EQ((std::vector<std::string>{"a"}), Records(*list));
    EXPECT_TRUE(ListIsConsistent(*list));

    // Growing a buffer and splitting cope the same way.
    FailRecordAllocationsAfter(0);
    EXPECT_FALSE(list->Splice(list->head, 1, 0, U(Repeat('z', 100)), 100));
    int column = 1;
    EXPECT_EQ(nullptr, list->SplitRecord(list->head, column, false));
    FailRecordAllocationsAfter(-1);
    EXPECT_EQ("a", Text(list->head));
    EXPECT_TRUE(ListIsConsistent(*list));
}

}  // namespace
