#include <gtest/gtest.h>

#include "view/EditTestSupport.h"

namespace {

// Pixel inside the cell (col, row on screen) of the 8 x 17 test font.
int X(int col) { return col * 8 + 2; }
int Y(int row) { return row * 17 + 4; }

TEST(CaretMouse, ClicksSnapToBytesAndHoldBelowTheDocument)
{
    EditScene s({"ab\tcd", "second", "third"});
    CAppViewBase& v = s.View();
    v.OnMouseDown(X(1), Y(1));
    EXPECT_EQ(1, v.caretRecord);
    EXPECT_EQ(1, v.caretByte);
    v.PointToCaret(25, Y(1));  // right-hand pixels of cell 2 count as column 3
    EXPECT_EQ(3, v.caretByte);

    v.PointToCaret(X(50), Y(1));  // right of the record: its end
    EXPECT_EQ(6, v.caretByte);
    EXPECT_EQ(6, v.caretCol);
    v.PointToCaret(X(3), Y(15));  // below the last record: the end of the last
    EXPECT_EQ(2, v.caretRecord);
    EXPECT_EQ(5, v.caretByte);
    EXPECT_EQ(2, v.caretRow);

    v.ToggleSource();  // tab stops of 4: column 3 is inside the tab
    v.PointToCaret(X(3), Y(0));
    EXPECT_EQ(3, v.caretByte);
    EXPECT_EQ(4, v.caretCol);

    v.ToggleHex();
    v.PointToCaret(X(2), Y(4));  // record 1, high-nibble row
    EXPECT_EQ(1, v.caretRecord);
    EXPECT_EQ(4, v.caretRow);
    EXPECT_EQ(2, v.caretByte);
    EXPECT_TRUE(s.Consistent());
}

TEST(CaretMouse, DraggingBackwardsSelectsWithTheAnchorAtTheEnd)
{
    EditScene s(NumberedRecords(6));
    CAppViewBase& v = s.View();
    v.OnMouseDown(X(5), Y(3));
    v.OnMouseDrag(X(2), Y(1));
    EXPECT_FALSE(s.Host().caretShown);  // a selection hides the caret
    EXPECT_TRUE(s.Host().Invalidated(ViewPane::All));
    v.OnMouseUp(X(2), Y(1));
    EXPECT_EQ(1, v.selStartRecord);
    EXPECT_EQ(2, v.selStartByte);
    EXPECT_EQ(3, v.selEndRecord);
    EXPECT_EQ(5, v.selEndByte);
    EXPECT_FALSE(v.selAnchorAtStart);
    ASSERT_FALSE(s.Host().messages.empty());
    EXPECT_EQ("2:3 - 4:5 selected", s.Host().messages.back());
    EXPECT_FALSE(s.Host().caretShown);
    EXPECT_TRUE(s.Consistent());

    // Past the anchor the other way round, then back onto it.
    v.OnMouseDrag(X(7), Y(4));
    EXPECT_EQ(3, v.selStartRecord);
    EXPECT_EQ(5, v.selStartByte);
    EXPECT_TRUE(v.selAnchorAtStart);
    s.Host().Clear();
    v.OnMouseDrag(X(5), Y(3));
    EXPECT_FALSE(v.HasSelection());
    EXPECT_TRUE(s.Host().caretShown);
    EXPECT_TRUE(s.Host().Invalidated(ViewPane::All));  // the old highlight goes
    EXPECT_TRUE(s.Consistent());
}

TEST(CaretMouse, AClickWithoutMovingRemovesTheSelection)
{
    EditScene s(NumberedRecords(6));
    CAppViewBase& v = s.View();
    s.Select(1, 0, 4, 3);
    v.OnMouseDown(X(2), Y(2));
    v.OnMouseUp(X(2), Y(2));
    EXPECT_FALSE(v.HasSelection());
    EXPECT_TRUE(s.Host().caretShown);
    EXPECT_TRUE(s.Host().messages.empty());
}

TEST(CaretMouse, DraggingScrollsUpAndLeftButNotDownOrRight)
{
    std::vector<std::string> records = NumberedRecords(60);
    records[18] = std::string(100, 'w');  // wide enough to scroll sideways
    EditScene s(records, 20, 10);
    CAppViewBase& v = s.View();
    v.SetTopRow(20);
    v.OnMouseDown(X(3), Y(2));
    EXPECT_EQ(22, v.caretRecord);

    v.OnMouseDrag(X(3), 1000);  // below: held to the last visible row
    EXPECT_EQ(20, v.topRow);
    EXPECT_EQ(29, v.caretRecord);
    v.OnMouseDrag(X(3), -20);  // one row above the pane: scrolls up a row
    EXPECT_EQ(19, v.topRow);
    EXPECT_EQ(22, v.selStartRecord + v.selEndRecord - 29);  // not extended on that move
    v.OnMouseDrag(X(3), -20);
    EXPECT_EQ(18, v.topRow);
    v.OnMouseDrag(X(3), Y(0));
    EXPECT_EQ(18, v.selStartRecord);
    EXPECT_EQ(22, v.selEndRecord);
    EXPECT_TRUE(s.Consistent());

    v.OnMouseDrag(X(40), Y(0));  // right: held to the last visible column
    EXPECT_EQ(0, v.leftCol);
    EXPECT_EQ(20, v.caretCol);
    v.SetLeftCol(30);
    v.OnMouseDrag(-20, Y(0));  // a column's width left of the pane: scrolls left
    EXPECT_EQ(28, v.leftCol);
    EXPECT_EQ(28, v.caretCol);
    EXPECT_TRUE(s.Consistent());
}

TEST(CaretMouse, DoubleClickInSourceModeSelectsTheWord)
{
    EditScene s({"x = total_sum=5;", "x = total_sum"});
    CAppViewBase& v = s.View();
    v.ToggleSource();
    v.OnDoubleClick(X(5), Y(0));  // before the o
    EXPECT_EQ(4, v.selStartByte);
    EXPECT_EQ(13, v.selEndByte);
    EXPECT_EQ("1:5 - 1:13 selected", s.Host().messages.back());
    EXPECT_EQ(5, v.caretByte);  // the caret stays where it was put
    v.OnDoubleClick(X(13), Y(0));  // before the equals sign
    EXPECT_EQ(4, v.selStartByte);
    EXPECT_EQ(14, v.selEndByte);
    v.OnDoubleClick(X(1), Y(0));  // a blank after a word
    EXPECT_EQ(0, v.selStartByte);
    EXPECT_EQ(2, v.selEndByte);
    v.OnDoubleClick(X(40), Y(1));  // past the end: the word at the end
    EXPECT_EQ(4, v.selStartByte);
    EXPECT_EQ(13, v.selEndByte);
    v.OnDoubleClick(X(40), Y(0));  // past a record ending in ";": nothing
    EXPECT_FALSE(v.HasSelection());
    EXPECT_TRUE(s.Consistent());
}

TEST(CaretMouse, DoubleClickOutsideSourceModeSelectsTheRecord)
{
    std::vector<std::string> records = NumberedRecords(9);
    records.push_back("");
    EditScene s(records);
    CAppViewBase& v = s.View();
    v.OnDoubleClick(X(3), Y(4));
    EXPECT_EQ(4, v.selStartRecord);
    EXPECT_EQ(0, v.selStartByte);
    EXPECT_EQ(5, v.selEndRecord);
    EXPECT_EQ(0, v.selEndByte);
    EXPECT_EQ("5:1 - 6:0 selected", s.Host().messages.back());
    EXPECT_TRUE(s.Consistent());

    const std::size_t messages = s.Host().messages.size();
    v.OnDoubleClick(X(3), Y(9));  // the empty last record
    EXPECT_FALSE(v.HasSelection());
    EXPECT_EQ(messages, s.Host().messages.size());
    EXPECT_TRUE(s.Consistent());
}

TEST(CaretMouse, DoubleClickOnTheLastRecordSelectsToItsEnd)
{
    EditScene s({"one", "last"});
    s.View().OnDoubleClick(X(1), Y(1));
    EXPECT_EQ(1, s.View().selEndRecord);
    EXPECT_EQ(4, s.View().selEndByte);
    EXPECT_EQ("2:1 - 2:4 selected", s.Host().messages.back());
}

}  // namespace
