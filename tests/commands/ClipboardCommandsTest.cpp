#include <gtest/gtest.h>

#include "commands/AdvanceRange.h"
#include "commands/ClipboardCommands.h"
#include "support/MemoryClipboard.h"
#include "view/EditTestSupport.h"

namespace {

using V = std::vector<std::string>;

struct ClipScene : EditScene {
    explicit ClipScene(const V& records) : EditScene(records) {}
    ~ClipScene() { theClipRecords.Clear(); }

    bool Copy() { return CopySelection(View(), List(), message); }
    bool Cut() { return CutSelection(View(), List(), message); }
    bool Paste() { return PasteClipboard(View(), List(), message); }
    bool Advance(int start, int end, bool copy) { return TransferRecords(View(), List(), start, end, copy, message); }

    MemoryClipboard clipboard{theClipRecords};
    std::string message;
};

TEST(ClipboardCommands, CopyPutsTheSelectionOnTheClipboardAndLeavesTheDocument)
{
    ClipScene s({"abcdefg", "two", "three", "four"});
    EXPECT_FALSE(s.Copy());  // nothing selected: nothing happens
    EXPECT_EQ(0, s.clipboard.puts);

    s.Select(0, 2, 0, 5);
    ASSERT_TRUE(s.Copy());
    EXPECT_EQ("1:3 - 1:5 (1 total) copied to Clipboard", s.message);
    EXPECT_EQ(std::string("\x0a\0\0\0\0\x03\0cde", 10), s.clipboard.block);
    EXPECT_EQ(std::string("cde\0", 4), s.clipboard.text);
    EXPECT_TRUE(s.View().HasSelection());

    s.Select(1, 0, 3, 0);
    ASSERT_TRUE(s.Copy());
    EXPECT_EQ(std::string("two\r\nthree\r\n\0", 13), s.clipboard.text);
    EXPECT_EQ((V{"abcdefg", "two", "three", "four"}), s.Texts());
    EXPECT_EQ(0, s.document.modified);
}

TEST(ClipboardCommands, PastedTextJoinsAtTheCaretAndUndoRestoresTheRecord)
{
    ClipScene s({"123456", "end"});
    s.clipboard.HoldText("a\r\nb");
    s.PutCaret(0, 0, 3);
    ASSERT_TRUE(s.Paste());
    EXPECT_EQ("2 line(s) pasted from Clipboard", s.message);
    EXPECT_EQ((V{"123a", "b456", "end"}), s.Texts());
    EXPECT_EQ(1, s.View().caretRecord);
    EXPECT_EQ(1, s.View().caretByte);  // after the b
    EXPECT_TRUE(s.Consistent());

    // Text ending with a line break leaves the caret at the start of the
    // record holding what followed it.
    s.clipboard.HoldText("x\r\n");
    ASSERT_TRUE(s.Paste());
    EXPECT_EQ((V{"123a", "bx", "456", "end"}), s.Texts());
    EXPECT_EQ(2, s.View().caretRecord);
    EXPECT_EQ(0, s.View().caretByte);

    ASSERT_TRUE(s.Undo());
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ((V{"123456", "end"}), s.Texts());
}

TEST(ClipboardCommands, CutMovesTheSelectionAndPasteOverASelectionReplacesIt)
{
    ClipScene s({"zero", "one", "two", "three"});
    s.Select(1, 1, 2, 2);
    ASSERT_TRUE(s.Cut());
    EXPECT_EQ("2 line(s) moved to Clipboard", s.message);
    EXPECT_EQ((V{"zero", "oo", "three"}), s.Texts());
    EXPECT_EQ(std::string("ne\r\ntw\0", 7), s.clipboard.text);
    EXPECT_EQ(1, s.View().caretRecord);
    EXPECT_EQ(1, s.View().caretByte);
    EXPECT_FALSE(s.View().HasSelection());
    EXPECT_TRUE(s.Consistent());

    s.Select(2, 0, 2, 5);  // "three" is replaced by the cut records
    ASSERT_TRUE(s.Paste());
    EXPECT_EQ((V{"zero", "oo", "ne", "tw"}), s.Texts());
    EXPECT_EQ(3, s.View().caretRecord);
    EXPECT_EQ(2, s.View().caretByte);
    EXPECT_TRUE(s.Consistent());
}

TEST(ClipboardCommands, PasteAfterAnotherProgramEmptiedTheClipboard)
{
    ClipScene s({"ab", "cd"});
    s.Select(0, 0, 0, 1);
    ASSERT_TRUE(s.Cut());
    s.clipboard.Empty();
    s.PutCaret(1, 0, 1);
    ASSERT_TRUE(s.Paste());
    EXPECT_EQ("0 line(s) pasted from Clipboard", s.message);
    EXPECT_EQ((V{"b", "cd"}), s.Texts());

    // After a Copy the holder still has its records and pastes them.
    s.Select(1, 0, 1, 2);
    ASSERT_TRUE(s.Copy());
    s.clipboard.Empty();
    s.PutCaret(0, 0, 1);
    ASSERT_TRUE(s.Paste());
    EXPECT_EQ("1 line(s) pasted from Clipboard", s.message);
    EXPECT_EQ((V{"bcd", "cd"}), s.Texts());
}

TEST(ClipboardCommands, ARefusedPasteLeavesTheDocumentAndTheSelection)
{
    ClipScene s({std::string(40000, 'a'), "bbbb"});
    s.clipboard.HoldText(std::string(30000, 'x'));
    s.Select(0, 39990, 1, 2);  // the 39990 + 2 bytes left cannot take 30000 more
    EXPECT_FALSE(s.Paste());
    EXPECT_EQ(2, s.List().recordCount);
    EXPECT_EQ(40004, s.List().totalBytes);
    EXPECT_TRUE(s.View().HasSelection());
    ASSERT_EQ(1u, s.platform.messageBox.boxes.size());
    EXPECT_EQ("Record exceeds maximum size.  Operation aborted.", s.platform.messageBox.boxes[0].text);
    EXPECT_EQ(0, s.document.modified);
}

TEST(ClipboardCommands, CuttingEverythingLeavesOneEmptyRecord)
{
    ClipScene s({"a", "b", "c"});
    s.Select(0, 0, 2, 1);
    ASSERT_TRUE(s.Cut());
    EXPECT_EQ("3 line(s) moved to Clipboard", s.message);
    EXPECT_EQ((V{""}), s.Texts());
    EXPECT_TRUE(s.Consistent());
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ((V{"a", "b", "c"}), s.Texts());
}

TEST(ClipboardCommands, AdvanceTransfersWholeRecords)
{
    ClipScene s(NumberedRecords(10));
    ASSERT_TRUE(s.Advance(3, 10, true));
    EXPECT_EQ("3:1 - 11:0 (8 total) copied to Clipboard", s.message);
    EXPECT_EQ(8, theClipRecords.recordCount);
    EXPECT_TRUE(theClipRecords.endsWithBreak);
    EXPECT_EQ('\x01', s.clipboard.block[4]);
    // The records stay selected, within the document.
    EXPECT_EQ(2, s.View().selStartRecord);
    EXPECT_EQ(9, s.View().selEndRecord);
    EXPECT_TRUE(s.Consistent());
    EXPECT_EQ(10, s.List().recordCount);

    // A cut up to the last record takes the last record too.
    s.PutCaret(0, 0, 0);
    ASSERT_TRUE(s.Advance(8, 10, false));
    EXPECT_EQ("3 line(s) moved to Clipboard", s.message);
    EXPECT_EQ(7, s.List().recordCount);
    EXPECT_EQ(6, s.View().caretRecord);
    EXPECT_EQ(8, s.View().caretByte);  // the end of "record 6"
    EXPECT_TRUE(s.Consistent());

    ASSERT_TRUE(s.Advance(1, 7, false));
    EXPECT_EQ((V{""}), s.Texts());
    EXPECT_FALSE(s.Advance(2, 1, true));  // never a reversed range
}

TEST(ClipboardCommands, TheRangeCheckShowsEveryMessageInOrder)
{
    TestPlatform platform;
    auto captions = [&] {
        std::string all;
        for (const auto& box : platform.messageBox.boxes) all += box.caption + ": " + box.text + "\n";
        platform.messageBox.boxes.clear();
        return all;
    };
    std::int32_t start = 0, end = 0;
    platform.messageBox.Answer(MbResult::Ok);
    EXPECT_FALSE(ValidateRange(start, end, 10));
    EXPECT_EQ("Invalid Entry: Invalid starting position.\n"
              "Past Last Record: Ending position will be set at the last record.\n",
              captions());

    start = 5, end = 2;
    EXPECT_FALSE(ValidateRange(start, end, 10));
    EXPECT_EQ("Invalid Entries: Starting position must come before\nthe ending position.\n", captions());

    start = 3, end = 0;
    platform.messageBox.Answer(MbResult::Cancel);
    EXPECT_FALSE(ValidateRange(start, end, 10));
    EXPECT_EQ(0, end);
    platform.messageBox.Answer(MbResult::Ok);
    start = 3, end = 0;
    EXPECT_TRUE(ValidateRange(start, end, 10));
    EXPECT_EQ(10, end);
    captions();

    start = 12, end = 40;
    EXPECT_FALSE(ValidateRange(start, end, 10));
    EXPECT_EQ("Past Last Record: Ending position will be set at the last record.\n"
              "Invalid Entry: Starting position is past the last record (10).\n",
              captions());

    start = 2, end = -1;
    EXPECT_FALSE(ValidateRange(start, end, 10));
    EXPECT_EQ("Invalid Entry: Invalid ending position.\n"
              "Invalid Entries: Starting position must come before\nthe ending position.\n",
              captions());

    std::int32_t value = 7;
    EXPECT_TRUE(ParseRecordEntry(" 42 ", value));
    EXPECT_EQ(42, value);
    for (const char* bad : {"", "x", "4 2", "3000000000", "-"}) EXPECT_FALSE(ParseRecordEntry(bad, value)) << bad;
    EXPECT_TRUE(ParseRecordEntry("-2147483648", value));
}

}  // namespace
