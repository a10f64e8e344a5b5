#include <gtest/gtest.h>

#include "platform/KeyScanCodes.h"
#include "view/EditTestSupport.h"

namespace {

using namespace scan_code;

struct CaretAt {
    int record, row, byte, col;
};

::testing::AssertionResult CaretIs(const CAppViewBase& v, CaretAt want)
{
    if (v.caretRecord == want.record && v.caretRow == want.row && v.caretByte == want.byte &&
        v.caretCol == want.col)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "caret record " << v.caretRecord << " row " << v.caretRow
                                         << " byte " << v.caretByte << " col " << v.caretCol;
}

TEST(KeyNavigation, UpAndDownStopAtTheDocumentsEndsButStillCollapseTheSelection)
{
    EditScene s({"abc", "de", "fghij"});
    s.PutCaret(2, 0, 4);
    s.Select(0, 1, 2, 4);
    s.Key(kDown);
    EXPECT_TRUE(CaretIs(s.View(), {2, 2, 4, 4}));
    EXPECT_FALSE(s.View().HasSelection());
    EXPECT_TRUE(s.Host().Invalidated(ViewPane::All));  // the selection went away

    s.Key(kUp);  // to the shorter record: the column follows the byte
    EXPECT_TRUE(CaretIs(s.View(), {1, 1, 2, 2}));
    s.Key(kUp);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 2, 2}));
    s.Key(kUp);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 2, 2}));
    EXPECT_TRUE(s.Consistent());
    EXPECT_GE(s.Host().statusUpdates, 4);
}

TEST(KeyNavigation, HexDownStepsThroughTheNibbleRowsAndRightWrapsOntoThem)
{
    EditScene s({"abcdef", "ghijkl"});
    s.View().ToggleHex();
    s.PutCaret(0, 0, 3);
    s.Key(kDown);
    EXPECT_TRUE(CaretIs(s.View(), {0, 1, 3, 3}));
    s.Key(kDown);
    EXPECT_TRUE(CaretIs(s.View(), {0, 2, 3, 3}));
    s.Key(kDown);
    EXPECT_TRUE(CaretIs(s.View(), {1, 3, 3, 3}));

    s.PutCaret(0, 0, 6);  // end of the character row
    s.Key(kRight);
    EXPECT_TRUE(CaretIs(s.View(), {0, 1, 0, 0}));
    s.Key(kLeft);  // and back to the end of the character row
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 6, 6}));
    s.Key(kHome);  // Home keeps the nibble row
    s.PutCaret(1, 2, 4);
    s.Key(kHome);
    EXPECT_TRUE(CaretIs(s.View(), {1, 5, 0, 0}));
    s.Key(kEnd);
    EXPECT_TRUE(CaretIs(s.View(), {1, 5, 6, 6}));
    s.Key(kRight);  // past the last row: the end of the last record
    EXPECT_TRUE(CaretIs(s.View(), {1, 3, 6, 6}));
    EXPECT_TRUE(s.Consistent());
}

TEST(KeyNavigation, LeftAtTheStartOfARecordGoesToThePreviousEnd)
{
    EditScene s(NumberedRecords(8));
    s.PutCaret(5, 0, 0);
    s.Key(kLeft);
    EXPECT_TRUE(CaretIs(s.View(), {4, 4, 8, 8}));
    s.PutCaret(0, 0, 0);
    s.Key(kLeft);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 0, 0}));
    s.PutCaret(0, 0, 8);
    s.Key(kRight);
    EXPECT_TRUE(CaretIs(s.View(), {1, 1, 0, 0}));
    EXPECT_TRUE(s.Consistent());
}

TEST(KeyNavigation, TabsCountAsTheirExpansionInSourceMode)
{
    EditScene s({"\tx", "abcdefgh"});
    s.View().ToggleSource();
    s.PutCaret(1, 0, 2);
    s.Key(kUp);  // column 2 lies inside the tab: the byte after it
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 1, 4}));
    s.Key(kLeft);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 0, 0}));
    s.Key(kEnd);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 2, 5}));
}

TEST(KeyNavigation, PageDownMovesTopAndCaretByAPage)
{
    EditScene s(NumberedRecords(34), 80, 30);
    s.PutCaret(3, 0, 2);
    s.Key(kPageDown);
    EXPECT_EQ(30, s.View().topRow);
    EXPECT_EQ(30, s.View().topRecord);
    EXPECT_TRUE(CaretIs(s.View(), {33, 33, 2, 2}));
    EXPECT_TRUE(s.Consistent());
    s.Key(kPageDown);  // the top stays once within a page of the end
    EXPECT_EQ(30, s.View().topRow);
    s.Key(kPageUp);
    EXPECT_EQ(0, s.View().topRow);
    EXPECT_TRUE(CaretIs(s.View(), {3, 3, 2, 2}));
    EXPECT_TRUE(s.Consistent());
}

TEST(KeyNavigation, HexPageKeysLandOnTheCharacterRow)
{
    EditScene s(NumberedRecords(40), 80, 30);
    s.View().ToggleHex();
    s.PutCaret(1, 2, 4);  // row 5
    s.Key(kPageDown);
    EXPECT_TRUE(CaretIs(s.View(), {11, 33, 4, 4}));
    EXPECT_TRUE(s.Consistent());
}

TEST(KeyNavigation, CtrlPageKeysGoToTheFirstAndLastRecord)
{
    EditScene s(NumberedRecords(1000), 80, 20);
    s.PutCaret(500, 0, 5);
    s.Key(kPageDown, true);
    EXPECT_TRUE(CaretIs(s.View(), {999, 999, 0, 0}));
    EXPECT_EQ(980, s.View().topRow);
    EXPECT_TRUE(s.Consistent());
    s.Key(kPageUp, true);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 0, 0}));
    EXPECT_EQ(0, s.View().topRow);
    EXPECT_TRUE(s.Consistent());
}

TEST(KeyNavigation, CtrlLeftAndRightPageSideways)
{
    EditScene s({std::string(200, 'x'), ""}, 40, 10);
    s.PutCaret(0, 0, 10);
    s.Key(kRight, true);
    EXPECT_EQ(40, s.View().leftCol);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 50, 50}));
    s.Key(kLeft, true);
    EXPECT_EQ(0, s.View().leftCol);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 10, 10}));
    s.Key(kLeft, true);
    EXPECT_TRUE(CaretIs(s.View(), {0, 0, 0, 0}));

    s.PutCaret(1, 0, 0);  // an empty record
    s.Key(kRight, true);
    EXPECT_EQ(0, s.View().leftCol);
    EXPECT_TRUE(CaretIs(s.View(), {1, 1, 0, 0}));
}

TEST(KeyNavigation, InsertSwitchesModeAndCaretWidthOnly)
{
    EditScene s({"abc"});
    s.View().charWidth = 8;
    s.Select(0, 0, 0, 0);
    s.Key(kInsert);
    EXPECT_FALSE(s.View().insertMode);
    EXPECT_EQ(1, s.Host().modePaneUpdates);
    EXPECT_TRUE(s.Host().caretShown);
    EXPECT_EQ(8, s.Host().caret.width);
    EXPECT_TRUE(s.Host().invalidated.empty());
    s.Key(kInsert);
    EXPECT_TRUE(s.View().insertMode);
    EXPECT_EQ(2, s.Host().caret.width);
}

TEST(KeyNavigation, OtherScanCodesDoNothing)
{
    EditScene s({"abc", "def"});
    s.PutCaret(1, 0, 1);
    s.Select(0, 1, 1, 1);
    for (int code : {0x4A, 0x4C, 0x4E, 0x1C, 0x01}) s.Key(code);
    EXPECT_TRUE(s.View().HasSelection());
    EXPECT_EQ(0, s.Host().statusUpdates);
}

}  // namespace
