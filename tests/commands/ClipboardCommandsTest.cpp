#include <gtest/gtest.h>

#include "commands/AdvanceRange.h"
#include "commands/ClipboardCodec.h"
#include "commands/ClipboardCommands.h"
#include "commands/ClipboardMessages.h"
#include "records/ClipRecords.h"
#include "records/RecordMessages.h"
#include "view/EditTestSupport.h"

namespace {

using V = std::vector<std::string>;

// Without a transport the holder stands for the clipboard: what it holds is
// what Paste finds.
struct ClipScene : EditScene {
    explicit ClipScene(const V& records) : EditScene(records) {}
    ~ClipScene() { theClipRecords.Clear(); }
    void Hold(const std::string& text)
    {
        LoadClipForm(theClipRecords, ClipForm::Text, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    bool Paste() { return PasteClipboard(View(), View().Edits(), theClipRecords, message); }
    std::string message;
};

TEST(ClipboardCommands, PasteJoinsAtTheCaretAndUndoRestoresTheRecords)
{
    ClipScene s({"123456", "end"});
    s.Hold("a\r\nb");
    s.PutCaret(0, 0, 3);
    ASSERT_TRUE(s.Paste());
    EXPECT_EQ("2 line(s) pasted from Clipboard", s.message);
    EXPECT_EQ((V{"123a", "b456", "end"}), s.Texts());
    EXPECT_EQ(1, s.View().caretRecord);
    EXPECT_EQ(1, s.View().caretByte);  // after the b
    // Text ending with a line break leaves the caret at the start of the
    // record holding what followed it; a selection is replaced.
    s.Hold("x\r\n");
    s.Select(1, 1, 1, 2);
    ASSERT_TRUE(s.Paste());
    EXPECT_EQ((V{"123a", "bx", "56", "end"}), s.Texts());
    EXPECT_EQ(2, s.View().caretRecord);
    EXPECT_EQ(0, s.View().caretByte);
    EXPECT_TRUE(s.Consistent());
    while (s.Undo()) {}
    EXPECT_EQ((V{"123456", "end"}), s.Texts());
}

TEST(ClipboardCommands, PasteAfterCutOrCopyWhenTheClipboardHadNothing)
{
    ClipScene s({"ab", "cd"});
    s.Select(0, 0, 0, 1);
    ASSERT_TRUE(CutSelection(s.View(), s.View().Edits(), theClipRecords, s.message));
    EXPECT_EQ("1 line(s) moved to Clipboard", s.message);
    s.PutCaret(1, 0, 1);
    ASSERT_TRUE(s.Paste());  // the cut records went to the undo journal
    EXPECT_EQ("0 line(s) pasted from Clipboard", s.message);
    s.Select(1, 0, 1, 2);
    ASSERT_TRUE(CopySelection(s.View(), s.List(), theClipRecords, s.message));
    s.PutCaret(0, 0, 1);
    ASSERT_TRUE(s.Paste());  // a copy stays with the holder
    EXPECT_EQ((V{"bcd", "cd"}), s.Texts());
}

TEST(ClipboardCommands, ARefusedPasteLeavesTheDocumentAndTheSelection)
{
    ClipScene s({std::string(40000, 'a'), "bbbb"});
    s.Hold(std::string(30000, 'x'));
    s.Select(0, 39990, 1, 2);  // the 39990 + 2 bytes left cannot take 30000 more
    EXPECT_FALSE(s.Paste());
    EXPECT_EQ(40004, s.List().totalBytes);
    EXPECT_TRUE(s.View().HasSelection());
    EXPECT_EQ(1u, s.platform.messageBox.boxes.size());
    EXPECT_EQ(0, s.document.modified);
}

TEST(ClipboardCommands, APastePastTheCounterLimitChangesNothing)
{
    ClipScene s({"ab", "cd"});  // 2 records, 4 bytes
    LoweredCounterLimit limit(6);
    s.Hold("x\r\ny\r\nz");  // two records and three bytes more
    s.PutCaret(0, 0, 1);
    EXPECT_FALSE(s.Paste());
    ASSERT_TRUE(TransferRecords(s.View(), s.View().Edits(), theClipRecords, 1, 2, true, s.message));
    s.PutCaret(1, 0, 2);
    EXPECT_FALSE(s.Paste());  // the Advance Copy again: four bytes more
    s.Hold("wxyz");
    s.Select(0, 0, 0, 1);
    EXPECT_FALSE(s.Paste());  // in place of one byte: seven
    const std::string tooLarge = std::string(kCapHoldUp) + ": " + DocumentTooLargeMessage() + "\n";
    EXPECT_EQ(tooLarge + tooLarge + tooLarge, s.Boxes());
    EXPECT_EQ((V{"ab", "cd"}), s.Texts());
    EXPECT_TRUE(s.View().HasSelection());
    EXPECT_EQ(0, s.document.modified);

    s.Select(0, 0, 1, 2);  // in place of everything it fits
    ASSERT_TRUE(s.Paste());
    EXPECT_EQ((V{"wxyz"}), s.Texts());
    EXPECT_TRUE(s.Consistent());
}

// The private block's size field has 32 bits; tests lower its limit.
struct LoweredClipBlockLimit {
    explicit LoweredClipBlockLimit(std::uint64_t limit) { SetClipBlockLimitForTesting(limit); }
    ~LoweredClipBlockLimit() { SetClipBlockLimitForTesting(0); }
};

// Three records of six bytes make a block of 5 + 3 * 2 + 6 = 17 bytes.
TEST(ClipboardCommands, CopyCutAndAdvanceBeyondTheBlockLimitAreRefusedWithNothingChanged)
{
    ClipScene s({"abc", "de", "f"});
    s.Hold("held");
    LoweredClipBlockLimit limit(16);
    const std::string refused = std::string(kCapClipboardTooLarge) + ": " + kMsgClipBlockTooLarge + "\n";
    s.Select(0, 0, 2, 1);
    EXPECT_FALSE(CopySelection(s.View(), s.List(), theClipRecords, s.message));
    EXPECT_FALSE(CutSelection(s.View(), s.View().Edits(), theClipRecords, s.message));
    s.PutCaret(1, 0, 1);
    EXPECT_FALSE(TransferRecords(s.View(), s.View().Edits(), theClipRecords, 1, 3, true, s.message));
    EXPECT_FALSE(TransferRecords(s.View(), s.View().Edits(), theClipRecords, 1, 3, false, s.message));
    EXPECT_EQ(refused + refused + refused + refused, s.Boxes());
    EXPECT_EQ((V{"abc", "de", "f"}), s.Texts());
    EXPECT_EQ("1:1-1:1", s.Selection());  // the Advance left the selection alone
    EXPECT_EQ(0, s.document.modified);
    ASSERT_EQ(1, theClipRecords.recordCount);  // the clipboard as it was
    EXPECT_EQ("held", std::string(reinterpret_cast<const char*>(theClipRecords.head->data), 4));

    // One record fewer fits: two records of five bytes and their lengths.
    ASSERT_TRUE(TransferRecords(s.View(), s.View().Edits(), theClipRecords, 1, 2, true, s.message));
    ClipBytes block;
    EXPECT_TRUE(EncodeClipBlock(theClipRecords.head, theClipRecords.endsWithBreak, block));
    EXPECT_EQ(14u, block.size);
    ASSERT_TRUE(TransferRecords(s.View(), s.View().Edits(), theClipRecords, 1, 2, false, s.message));
    EXPECT_EQ((V{"f"}), s.Texts());
    EXPECT_TRUE(s.Consistent());
}

TEST(ClipboardCommands, TheBlockLimitIsItsSizeField)
{
    EXPECT_TRUE(ClipBlockHolds(0, 4294967290));
    EXPECT_FALSE(ClipBlockHolds(0, 4294967291));
    EXPECT_TRUE(ClipBlockHolds(2147483645, 0));
    EXPECT_FALSE(ClipBlockHolds(2147483646, 0));
    EXPECT_FALSE(ClipBlockHolds(3000000000, 3000000000));
}

TEST(ClipboardCommands, AdvanceCutToTheLastRecordAndTheRangeCheck)
{
    ClipScene s(NumberedRecords(10));
    ASSERT_TRUE(TransferRecords(s.View(), s.View().Edits(), theClipRecords, 8, 10, false, s.message));
    EXPECT_EQ("3 line(s) moved to Clipboard", s.message);
    EXPECT_EQ(7, s.List().recordCount);
    EXPECT_EQ(6, s.View().caretRecord);
    EXPECT_EQ(8, s.View().caretByte);  // the end of "record 6"
    EXPECT_TRUE(s.Consistent());

    auto check = [&](std::int64_t start, std::int64_t end, std::int64_t count = 7) {
        const bool passed = ValidateRange(start, end, count);
        std::string all = passed ? "pass " + std::to_string(end) : "fail";
        for (const auto& box : s.platform.messageBox.boxes) all += "\n" + box.caption + ": " + box.text;
        s.platform.messageBox.boxes.clear();
        return all;
    };
    EXPECT_EQ("fail\nInvalid Entry: Invalid starting position.\n"
              "Past Last Record: Ending position will be set at the last record.",
              check(0, 0));
    EXPECT_EQ("fail\nInvalid Entries: Starting position must come before\nthe ending position.", check(5, 2));
    EXPECT_EQ("pass 7\nPast Last Record: Ending position will be set at the last record.", check(3, 0));
    EXPECT_EQ("fail\nPast Last Record: Ending position will be set at the last record.\n"
              "Invalid Entry: Starting position is past the last record (7).",
              check(9, 0));
    s.platform.messageBox.Answer(MbResult::Cancel);
    EXPECT_EQ("fail\nPast Last Record: Ending position will be set at the last record.", check(3, 40));
    s.platform.messageBox.Answer(MbResult::Ok);
    // Numbers past 32 bits, in documents that large.
    EXPECT_EQ("pass 6000000000", check(4294967297, 6000000000, 6000000001));
    EXPECT_EQ("fail\nPast Last Record: Ending position will be set at the last record.\n"
              "Invalid Entry: Starting position is past the last record (4294967296).",
              check(4294967297, 0, 4294967296));

    std::int64_t value = 0;
    EXPECT_TRUE(ParseRecordEntry(" 42 ", value) && value == 42);
    EXPECT_TRUE(ParseRecordEntry("3000000000", value) && value == 3000000000);
    EXPECT_TRUE(ParseRecordEntry("+4294967297 ", value) && value == 4294967297);
    EXPECT_TRUE(ParseRecordEntry("-4294967297", value) && value == -4294967297);
    // Beyond 64 bits: past any document, not a typing error.
    EXPECT_TRUE(ParseRecordEntry("99999999999999999999", value) && value == INT64_MAX);
    EXPECT_TRUE(ParseRecordEntry("-99999999999999999999", value) && value == INT64_MIN);
    for (const char* bad : {"", "x", "4 2", "-", "1e3"}) EXPECT_FALSE(ParseRecordEntry(bad, value)) << bad;
}

}  // namespace
