#include <gtest/gtest.h>

#include <tuple>

#include "records/RecordMessages.h"
#include "records/RecordRanges.h"
#include "records/UndoTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

std::string Repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

Strings Held()
{
    Strings out;
    for (const RecordNode* n = theClipRecords.head; n; n = n->next) out.push_back(Text(n));
    return out;
}

std::unique_ptr<CRecordList> Numbered(int count)
{
    auto list = std::make_unique<CRecordList>();
    for (int i = 1; i <= count; ++i) {
        std::string text = std::to_string(i);
        text.insert(text.begin(), 'r');
        EXPECT_NE(nullptr, list->NewRecord(nullptr, U(text), static_cast<int>(text.size())));
    }
    return list;
}

TEST(RangeOperations, CuttingEveryRecordLeavesOneEmptyRecord)
{
    JournalScope journal;
    for (bool toDocumentEnd : {false, true}) {
        auto list = ListOf({"one", "two", "three"});
        // The selection's end is the end of the last record, or the record
        // count as the Advance dialog gives it.
        const int endIndex = toDocumentEnd ? 3 : 2;
        const int endColumn = toDocumentEnd ? 0 : 5;
        std::ignore = EditsOf(*list).CutRange(theClipRecords, list->head, 0, 0, endIndex, endColumn);
        EXPECT_EQ(Strings{""}, Records(*list));
        EXPECT_EQ(1, list->recordCount);
        EXPECT_EQ(0, list->totalBytes);
        EXPECT_TRUE(ListIsConsistent(*list));
        EXPECT_EQ(3, theClipRecords.recordCount);
        EXPECT_EQ(nullptr, theClipRecords.head);  // the journal owns them now
        journal.CaretAt(*list, 0);
        ASSERT_TRUE(journal.Undo(*list));
        EXPECT_EQ((Strings{"one", "two", "three"}), Records(*list));
        EXPECT_TRUE(ListIsConsistent(*list));
    }
}

TEST(RangeOperations, AdvanceCutToTheEndRemovesTheLastRecordsWhole)
{
    JournalScope journal;
    auto list = Numbered(10);
    RecordNode* caret = EditsOf(*list).CutRange(theClipRecords, list->head->next->next, 2, 0, 10, 0);
    EXPECT_EQ(nullptr, caret);  // the caret goes to the end of the last record
    EXPECT_EQ((Strings{"r1", "r2"}), Records(*list));
    EXPECT_EQ(8, theClipRecords.recordCount);
    EXPECT_EQ(17, theClipRecords.totalBytes);
    EXPECT_FALSE(theClipRecords.endsWithBreak);
    EXPECT_TRUE(ListIsConsistent(*list));

    journal.CaretAt(*list, 1, 2);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(Records(*Numbered(10)), Records(*list));
    EXPECT_EQ(2, journal.view.caretRecord);
    EXPECT_EQ("r3", Text(journal.view.caretNode));

    // From inside a record to the end: its first bytes stay.
    std::ignore = EditsOf(*list).CutRange(theClipRecords, list->head->next, 1, 1, 10, 0);
    EXPECT_EQ((Strings{"r1", "r"}), Records(*list));
    EXPECT_EQ((Strings{}), Held());
    journal.CaretAt(*list, 1, 1);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(Records(*Numbered(10)), Records(*list));
}

TEST(RangeOperations, AdvanceCopyToTheEndHoldsTheRecordsWithTheirLineBreak)
{
    JournalScope journal;
    auto list = Numbered(10);
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head->next->next, 2, 0, 10, 0));
    EXPECT_EQ((Strings{"r3", "r4", "r5", "r6", "r7", "r8", "r9", "r10"}), Held());
    EXPECT_TRUE(theClipRecords.endsWithBreak);
    EXPECT_EQ(8, theClipRecords.recordCount);
    EXPECT_EQ(10, list->recordCount);
    EXPECT_FALSE(theUndoBuffer.CanUndo());
}

TEST(RangeOperations, CopiesHoldThePiecesOfTheRange)
{
    JournalScope journal;
    auto list = ListOf({"abcdefg", "hij", "klm", "nop"});
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 2, 0, 5));
    EXPECT_EQ(Strings{"cde"}, Held());
    EXPECT_FALSE(theClipRecords.endsWithBreak);
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head->next, 1, 0, 3, 0));
    EXPECT_EQ((Strings{"hij", "klm"}), Held());
    EXPECT_TRUE(theClipRecords.endsWithBreak);
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 5, 2, 1));
    EXPECT_EQ((Strings{"fg", "hij", "k"}), Held());
    EXPECT_EQ(6, theClipRecords.totalBytes);
    EXPECT_FALSE(theClipRecords.endsWithBreak);
    EXPECT_FALSE(list->CopyRange(theClipRecords, list->head, 0, 3, 0, 3));  // empty: nothing held
    EXPECT_EQ(nullptr, theClipRecords.head);
}

TEST(RangeOperations, RemovingARangeReturnsTheRecordForTheCaret)
{
    JournalScope journal;
    auto list = ListOf({"abc", "def", "ghi"});
    // Starting inside a record: the joined record.
    RecordNode* caret = EditsOf(*list).RemoveRange(list->head, 0, 1, 1, 2);
    EXPECT_EQ((Strings{"af", "ghi"}), Records(*list));
    EXPECT_EQ(list->head, caret);
    EXPECT_TRUE(journal.hooks.modified);
    // Starting at column 0 and ending at a record's end: an empty record
    // stays where the range was.
    caret = EditsOf(*list).RemoveRange(list->head->next, 1, 0, 1, 3);
    EXPECT_EQ((Strings{"af", ""}), Records(*list));
    EXPECT_EQ(list->tail, caret);
    EXPECT_TRUE(ListIsConsistent(*list));
    journal.CaretAt(*list, 1);
    ASSERT_TRUE(journal.Undo(*list));
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"abc", "def", "ghi"}), Records(*list));
}

TEST(RangeOperations, PastingRecordsWithALineBreakAtColumn2OfAThreeByteRecord)
{
    JournalScope journal;
    auto list = ListOf({"one", "two", "abc"});
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 0, 2, 0));
    RecordIndex index = 2;
    int column = 2;
    RecordNode* caret = EditsOf(*list).PasteChain(theClipRecords, list->tail, index, column);
    EXPECT_EQ((Strings{"one", "two", "abone", "two", "c"}), Records(*list));
    EXPECT_EQ(list->tail, caret);
    EXPECT_EQ(4, index);
    EXPECT_EQ(0, column);
    EXPECT_EQ(nullptr, theClipRecords.head);  // the records belong to the document now
    EXPECT_EQ(2, theClipRecords.recordCount);
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RangeOperations, PastingWithoutALineBreakJoinsBothEnds)
{
    JournalScope journal;
    auto list = ListOf({"xy", "z", "ABCDEF"});
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 0, 1, 1));
    RecordIndex index = 2;
    int column = 3;
    RecordNode* caret = EditsOf(*list).PasteChain(theClipRecords, list->tail, index, column);
    EXPECT_EQ((Strings{"xy", "z", "ABCxy", "zDEF"}), Records(*list));
    EXPECT_EQ(list->tail, caret);
    EXPECT_EQ(3, index);
    EXPECT_EQ(1, column);
    // One record without a break lands inside the record.
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 0, 0, 2));
    index = 0;
    column = 1;
    caret = EditsOf(*list).PasteChain(theClipRecords, list->head, index, column);
    EXPECT_EQ("xxyy", Text(list->head));
    EXPECT_EQ(list->head, caret);
    EXPECT_EQ(0, index);
    EXPECT_EQ(3, column);
}

TEST(RangeOperations, PasteWithNothingHeldChangesNothing)
{
    JournalScope journal;
    auto list = ListOf({"abc", "def"});
    RecordIndex index = 0;
    int column = 1;
    EXPECT_EQ(list->head, EditsOf(*list).PasteChain(theClipRecords, list->head, index, column));
    // After a cut the records belong to the journal: without a system
    // clipboard there is nothing to paste.
    std::ignore = EditsOf(*list).CutRange(theClipRecords, list->head, 0, 0, 1, 2);
    EXPECT_EQ(2, theClipRecords.recordCount);
    index = 0;
    column = 0;
    EXPECT_EQ(list->head, EditsOf(*list).PasteChain(theClipRecords, list->head, index, column));
    EXPECT_EQ(Strings{"f"}, Records(*list));
    EXPECT_EQ(0, theUndoBuffer.Current());
}

TEST(RangeOperations, TheClipboardTransportCarriesCutAndCopiedRecords)
{
    JournalScope journal;
    edit_sequence::MemoryClipboard clipboard;
    theClipRecords.SetTransport(&clipboard);
    auto list = ListOf({"abc", "def"});
    std::ignore = EditsOf(*list).CutRange(theClipRecords, list->head, 0, 1, 1, 0);
    EXPECT_EQ(Strings{"bc"}, clipboard.content.records);
    EXPECT_TRUE(clipboard.content.endsWithBreak);
    // Paste reads the clipboard back, twice over.
    for (int round = 0; round < 2; ++round) {
        RecordIndex index = 0;
        int column = 1;
        std::ignore = EditsOf(*list).PasteChain(theClipRecords, list->head, index, column);
    }
    EXPECT_EQ((Strings{"abc", "bc", "def"}), Records(*list));
    clipboard.content.present = false;  // another program emptied it
    RecordIndex index = 0;
    int column = 0;
    EXPECT_EQ(list->head, EditsOf(*list).PasteChain(theClipRecords, list->head, index, column));
    EXPECT_EQ(3, list->recordCount);
}

TEST(RangeOperations, BlockShiftIndentsAndUnindents)
{
    JournalScope journal;
    auto list = ListOf({"\tone", "  two", "      six", "none", " \tmixed", ""});
    EXPECT_TRUE(list->ShiftBlock(true, list->head, list->tail, SourceModeWith(4)));
    EXPECT_EQ((Strings{"one", "two", "  six", "none", "\tmixed", ""}), Records(*list));
    EXPECT_TRUE(list->ShiftBlock(false, list->head, list->head->next, SourceModeWith(4)));
    EXPECT_EQ("\tone", Text(list->head));
    EXPECT_EQ("\ttwo", Text(list->head->next));
    const SourceOptions spaces = SourceModeWith(4, true, true);
    EXPECT_TRUE(list->ShiftBlock(false, list->tail, list->tail, spaces));
    EXPECT_EQ("    ", Text(list->tail));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RangeOperations, JoinsPastTheLimitAreRefusedWithTheMessage)
{
    JournalScope journal;
    auto& boxes = journal.platform.messageBox.boxes;
    auto list = ListOf({Repeat('a', 40000), "mid", Repeat('b', 30000)});
    const Strings before = Records(*list);

    EXPECT_FALSE(CheckJoinLength(list->head, 0, 35536, 2, 0));  // 35536 + 30000 = 65536
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kMsgRecordTooLarge, boxes[0].text);
    EXPECT_EQ(kCapLineTooLong, boxes[0].caption);
    EXPECT_EQ(MbIcon::Warning, boxes[0].icon);
    EXPECT_TRUE(CheckJoinLength(list->head, 0, 35535, 2, 0));  // exactly 65535 is allowed
    EXPECT_TRUE(CheckJoinLength(list->head, 0, 0, 2, 0));      // no join from column 0
    EXPECT_EQ(1u, boxes.size());

    // Cut is not checked by its caller: it refuses on its own.
    std::ignore = EditsOf(*list).CutRange(theClipRecords, list->head, 0, 35536, 2, 0);
    EXPECT_EQ(2u, boxes.size());
    EXPECT_EQ(before, Records(*list));
    EXPECT_EQ(0, theClipRecords.recordCount);
    EXPECT_FALSE(theUndoBuffer.CanUndo());

    RecordNode* joined = EditsOf(*list).RemoveRange(list->head, 0, 35535, 2, 0);
    EXPECT_EQ(65535, joined->length);
    EXPECT_EQ(1, list->recordCount);
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(RangeOperations, PastesAndIndentsPastTheLimitAreRefusedWithTheMessage)
{
    JournalScope journal;
    auto& boxes = journal.platform.messageBox.boxes;
    auto list = ListOf({Repeat('a', 30000), Repeat('b', 35536), "short"});
    const Strings before = Records(*list);
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 0, 0, 30000));
    RecordIndex index = 1;
    int column = 0;
    EXPECT_EQ(nullptr, EditsOf(*list).PasteChain(theClipRecords, list->head->next, index, column));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kMsgRecordTooLarge, boxes[0].text);
    EXPECT_EQ(kCapLineTooLong, boxes[0].caption);
    EXPECT_EQ(before, Records(*list));
    EXPECT_NE(nullptr, theClipRecords.head);  // still held for another try

    // A block indent that would take one record to 65535 bytes changes none.
    auto block = ListOf({"x", Repeat('c', 65534), "y"});
    EXPECT_FALSE(block->ShiftBlock(false, block->head, block->tail, SourceOptions{}));
    EXPECT_EQ(2u, boxes.size());
    EXPECT_EQ("x", Text(block->head));
    EXPECT_EQ("y", Text(block->tail));
}

TEST(RangeOperations, APasteWhoseLastJoinWouldBeTooLongKeepsItsLineBreakAndIsUndone)
{
    JournalScope journal;
    std::string last(30002, 't');
    last.replace(0, 2, "cd");
    auto list = ListOf({"ab", Repeat('z', 40000), last});
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 0, 1, 40000));  // "ab", 40000 z, no final break
    const Strings before = Records(*list);
    RecordIndex index = 2;
    int column = 2;
    RecordNode* caret = EditsOf(*list).PasteChain(theClipRecords, list->tail, index, column);
    ASSERT_EQ(5, list->recordCount);
    EXPECT_EQ("cdab", Text(list->tail->prev->prev));
    EXPECT_EQ(Repeat('z', 40000), Text(list->tail->prev));
    EXPECT_EQ(Repeat('t', 30000), Text(list->tail));
    EXPECT_EQ(list->tail->prev, caret);
    EXPECT_EQ(3, index);
    EXPECT_EQ(40000, column);
    journal.CaretAt(*list, 3);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(before, Records(*list));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(ClipRecords, ClearFreesTheChainAndReleaseKeepsTheCounts)
{
    CClipRecords holder;
    ASSERT_TRUE(holder.AppendRecord(U("ab"), 2));
    ASSERT_TRUE(holder.AppendRecord(U("cde"), 3));
    holder.endsWithBreak = true;
    EXPECT_EQ(2, holder.recordCount);
    EXPECT_EQ(5, holder.totalBytes);
    EXPECT_EQ(holder.head, holder.tail->prev);
    RecordNode* chain = holder.ReleaseChain();
    EXPECT_FALSE(holder.HasRecords());
    EXPECT_EQ(2, holder.recordCount);
    holder.TakeChain(MeasureChain(chain));
    EXPECT_EQ(5, holder.totalBytes);
    holder.Clear();
    EXPECT_EQ(nullptr, holder.head);
    EXPECT_EQ(0, holder.recordCount);
    EXPECT_EQ(0, holder.totalBytes);
    EXPECT_FALSE(holder.endsWithBreak);
}

}  // namespace
