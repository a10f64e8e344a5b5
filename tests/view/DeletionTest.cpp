#include <gtest/gtest.h>

#include "platform/KeyScanCodes.h"
#include "view/EditTestSupport.h"

namespace {

using scan_code::kDelete;

TEST(Deletion, DeleteAndBackspaceInsideARecord)
{
    EditScene s({"abcdef"});
    s.PutCaret(0, 0, 2);
    s.Key(kDelete);
    EXPECT_EQ("abdef", s.Text(0));
    EXPECT_EQ(2, s.View().caretByte);
    s.Type("\b");
    EXPECT_EQ("adef", s.Text(0));
    EXPECT_EQ(1, s.View().caretByte);
    EXPECT_EQ(2, s.document.modified);
    EXPECT_TRUE(s.Consistent());
}

TEST(Deletion, JoinsStopAtTheMergedSizeLimit)
{
    EditScene s({std::string(40000, 'a'), std::string(30000, 'b'), std::string(40000, 'c')});
    s.PutCaret(0, 0, 40000);
    s.Key(kDelete);
    ASSERT_EQ(1u, s.platform.messageBox.boxes.size());
    EXPECT_EQ("Total size of merged record exceeds\nmaximum size.  Operation aborted.",
              s.platform.messageBox.boxes[0].text);
    EXPECT_EQ("Line too Long", s.platform.messageBox.boxes[0].caption);
    EXPECT_EQ(3, s.List().recordCount);
    EXPECT_EQ(0, s.document.modified);
    EXPECT_EQ(40000, s.View().caretByte);

    s.PutCaret(2, 0, 0);  // Backspace at the start of a record joins upwards
    s.Type("\b");
    EXPECT_EQ(2u, s.platform.messageBox.boxes.size());
    EXPECT_EQ(0, s.View().caretByte);
    EXPECT_EQ(2, s.View().caretRecord);

    EXPECT_TRUE(s.List().Splice(s.Counted(1), 0, 30000 - 25535, nullptr, 0));  // now 25535 bytes
    s.PutCaret(0, 0, 40000);
    s.Key(kDelete);
    EXPECT_EQ(2, s.List().recordCount);
    EXPECT_EQ(65535, s.Counted(0)->length);
    EXPECT_EQ(40000, s.View().caretByte);
    EXPECT_EQ(1, s.document.modified);
    EXPECT_EQ(1, s.View().vertScroll.maximum);
    EXPECT_TRUE(s.Consistent());
}

TEST(Deletion, BackspaceAtARecordStartJoinsWithThePreviousRecord)
{
    EditScene s({"abc", "def", "ghi"});
    s.View().ToggleHex();
    s.PutCaret(1, 2, 0);  // low-nibble row keeps its row
    s.Type("\b");
    EXPECT_EQ((std::vector<std::string>{"abcdef", "ghi"}), s.Texts());
    EXPECT_EQ(0, s.View().caretRecord);
    EXPECT_EQ(3, s.View().caretByte);
    EXPECT_EQ(2, s.View().caretRow);
    EXPECT_TRUE(s.Consistent());
}

TEST(Deletion, NothingToDeleteLeavesTheDocumentUnmodified)
{
    EditScene s({"ab", "cd"});
    s.PutCaret(0, 0, 0);
    s.Type("\b");
    s.PutCaret(1, 0, 2);
    s.Key(kDelete);
    EXPECT_EQ((std::vector<std::string>{"ab", "cd"}), s.Texts());
    EXPECT_EQ(0, s.document.modified);
    EXPECT_EQ(2, s.View().caretByte);
    EXPECT_TRUE(s.Consistent());
}

TEST(Deletion, JoiningAwayTheTopRecordKeepsTheViewOnLiveRecords)
{
    // The caret at the start of the top record: Backspace frees that record.
    EditScene s(NumberedRecords(50), 80, 10);
    s.View().SetTopRow(10);
    s.PutCaret(10, 0, 0);
    s.Type("\b");
    EXPECT_TRUE(s.Consistent());
    EXPECT_EQ(9, s.View().caretRecord);

    // The caret above the screen: the records below it move up by one, and
    // the top follows its record at once, before any scrolling.
    s.PutCaret(2, 0, 8);
    s.View().SetTopRow(20);
    const RecordNode* shownOnTop = s.View().topNode;
    ASSERT_TRUE(s.View().DeleteAtCaret());
    EXPECT_EQ("record 2record 3", s.Text(2));
    EXPECT_EQ(shownOnTop, s.View().topNode);
    EXPECT_EQ(19, s.View().topRecord);
    EXPECT_EQ(19, s.View().topRow);
    s.View().CollapseSelection();
    EXPECT_TRUE(s.Consistent());
}

}  // namespace
