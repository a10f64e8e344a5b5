#include <gtest/gtest.h>

#include "view/EditTestSupport.h"

namespace {

TEST(Typing, InsertAndOverwriteInCharacterView)
{
    EditScene s({"xyz", "xyz"});
    s.PutCaret(0, 0, 2);
    s.Type("ab");
    EXPECT_EQ("xyabz", s.Text(0));
    EXPECT_EQ(4, s.View().caretByte);
    EXPECT_EQ(4, s.View().caretCol);
    EXPECT_EQ(2, s.document.modified);
    EXPECT_GE(s.Host().statusUpdates, 2);
    EXPECT_TRUE(s.Host().Invalidated(ViewPane::All));

    s.View().insertMode = false;
    s.PutCaret(1, 0, 1);
    s.Type("Q");
    EXPECT_EQ("xQz", s.Text(1));
    s.PutCaret(1, 0, 3);
    s.Type("!");  // at the end overwrite appends
    EXPECT_EQ("xQz!", s.Text(1));
    EXPECT_TRUE(s.Consistent());
}

TEST(Typing, EbcdicViewStoresThroughTheTable)
{
    EditScene s({""});
    s.View().ToggleAscii();
    s.Type("Aa0 ");
    EXPECT_EQ(std::string("\xC1\x81\xF0\x40", 4), s.Text(0));
}

TEST(Typing, HexDigitsInInsertModeMakeNewBytesInPairs)
{
    EditScene s({"AB"});
    s.View().ToggleHex();
    s.PutCaret(0, 1, 0);  // high-nibble row of byte 0
    s.Type("7");
    EXPECT_EQ(std::string("\x70" "AB", 3), s.Text(0));
    EXPECT_EQ(2, s.View().caretRow);  // on to the low nibble of the same byte
    EXPECT_EQ(0, s.View().caretByte);
    s.Type("f");  // lower case counts
    EXPECT_EQ(std::string("\x7F" "AB", 3), s.Text(0));
    EXPECT_EQ(1, s.View().caretRow);  // the next byte's high nibble
    EXPECT_EQ(1, s.View().caretByte);

    const int marks = s.document.modified;
    s.Type("g");
    s.Type("\t");
    EXPECT_EQ(std::string("\x7F" "AB", 3), s.Text(0));
    EXPECT_EQ(marks, s.document.modified);
    EXPECT_TRUE(s.Consistent());
}

TEST(Typing, HexDigitsInOverwriteModeChangeNibbles)
{
    EditScene s({"AB"});
    s.View().ToggleHex();
    s.View().insertMode = false;
    s.PutCaret(0, 2, 0);  // low-nibble row of 41
    s.Type("c");
    EXPECT_EQ("LB", s.Text(0));  // 4C
    EXPECT_EQ(1, s.View().caretRow);
    EXPECT_EQ(1, s.View().caretByte);
    s.Type("3");  // high nibble of 42
    EXPECT_EQ(std::string("L2", 2), s.Text(0));
    EXPECT_EQ(2, s.View().caretRow);
    s.PutCaret(0, 1, 2);  // at the end a digit appends a byte
    s.Type("9");
    EXPECT_EQ(std::string("L2\x90", 3), s.Text(0));
    EXPECT_TRUE(s.Consistent());
}

TEST(Typing, HexCharacterRowTypesCharacters)
{
    EditScene s({"ab"});
    s.View().ToggleHex();
    s.PutCaret(0, 0, 1);
    s.Type("Z");
    EXPECT_EQ("aZb", s.Text(0));
    EXPECT_EQ(0, s.View().caretRow);
}

TEST(Typing, TabInSourceMode)
{
    EditScene s({"a", "abcd", "a"});
    theSettings.srcMark = 4;
    theSettings.srcType = true;
    s.View().ToggleSource();
    s.PutCaret(0, 0, 1);
    s.Type("\t");
    EXPECT_EQ("a   ", s.Text(0));
    EXPECT_EQ(4, s.View().caretCol);
    s.PutCaret(1, 0, 4);
    s.Type("\t");
    EXPECT_EQ("abcd    ", s.Text(1));
    EXPECT_EQ(8, s.View().caretByte);

    theSettings.srcType = false;
    s.PutCaret(2, 0, 1);
    s.Type("\t", true);  // Shift+Tab without a selection is a Tab
    EXPECT_EQ("a\t", s.Text(2));
    EXPECT_EQ(2, s.View().caretByte);
    EXPECT_EQ(4, s.View().caretCol);
    EXPECT_TRUE(s.Consistent());
}

TEST(Typing, EnterSplitsWithSmartIndentOnlyInSourceMode)
{
    EditScene s({"  \tif x", "  plain"});
    theSettings.srcSmart = true;
    s.View().ToggleSource();
    s.PutCaret(0, 0, 7);
    s.Type("\r");
    EXPECT_EQ((std::vector<std::string>{"  \tif x", "  \t", "  plain"}), s.Texts());
    EXPECT_EQ(1, s.View().caretRecord);
    EXPECT_EQ(3, s.View().caretByte);
    EXPECT_EQ(4, s.View().caretCol);
    EXPECT_TRUE(s.Consistent());

    s.View().ToggleSource();
    s.PutCaret(2, 0, 7);
    s.Type("\r");
    EXPECT_EQ("", s.Text(3));
    EXPECT_EQ(0, s.View().caretByte);
    EXPECT_TRUE(s.Consistent());
}

TEST(Typing, EnterAtByteZeroPutsAnEmptyRecordAbove)
{
    EditScene s(NumberedRecords(30), 80, 10);
    s.View().SetTopRow(5);
    s.PutCaret(5, 0, 0);  // the top record
    s.Type("\r");
    EXPECT_EQ("", s.Text(5));
    EXPECT_EQ("record 5", s.Text(6));
    EXPECT_EQ(6, s.View().caretRecord);
    EXPECT_EQ(0, s.View().caretByte);
    EXPECT_EQ(s.Counted(5), s.View().topNode);  // the new record takes the top
    EXPECT_EQ(31, s.List().recordCount);
    EXPECT_EQ(30, s.View().vertScroll.maximum);
    EXPECT_TRUE(s.Consistent());
}

TEST(Typing, EnterAboveTheScreenKeepsTheTopRecordConsistent)
{
    EditScene s(NumberedRecords(40), 80, 10);
    s.PutCaret(2, 0, 3);
    s.View().SetTopRow(20);  // the caret is above the screen
    s.Type("\r");
    EXPECT_TRUE(s.Consistent());
    EXPECT_EQ(3, s.View().caretRecord);
}

TEST(Typing, TabOutsideSourceModeIsATabByte)
{
    EditScene s({"abc"});
    s.PutCaret(0, 0, 1);
    s.View().insertMode = false;
    s.Type("\t");
    EXPECT_EQ("a\tc", s.Text(0));
    EXPECT_EQ(2, s.View().caretByte);
}

TEST(Typing, FullRecordsRefuseTyping)
{
    EditScene s({std::string(65534, 'a'), std::string(65535, 'b')});
    s.PutCaret(0, 0, 10);
    s.Type("x");
    EXPECT_EQ(65534, s.Counted(0)->length);
    ASSERT_EQ(1u, s.platform.messageBox.boxes.size());
    EXPECT_EQ("Record exceeds maximum size.  Operation aborted.", s.platform.messageBox.boxes[0].text);
    EXPECT_EQ("Line too Long", s.platform.messageBox.boxes[0].caption);
    EXPECT_EQ(10, s.View().caretByte);

    s.View().insertMode = false;  // overwriting keeps the length
    s.Type("x");
    EXPECT_EQ('x', s.Counted(0)->data[10]);
    s.PutCaret(1, 0, 3);  // a record of 65535 takes nothing at all
    s.Type("x");
    EXPECT_EQ('b', s.Counted(1)->data[3]);
    EXPECT_EQ(2u, s.platform.messageBox.boxes.size());
    EXPECT_EQ(1, s.document.modified);
    EXPECT_TRUE(s.Consistent());
}

}  // namespace
