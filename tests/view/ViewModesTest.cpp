#include <gtest/gtest.h>

#include <tuple>

#include "app/Globals.h"
#include "records/OpenMode.h"
#include "records/RecordList.h"
#include "records/RecordNode.h"
#include "view/ViewTestSupport.h"

namespace {

RecordNode* Counted(RecordIndex index)
{
    RecordNode* node = theRecordList->head;
    while (index-- > 0) node = node->next;
    return node;
}

void PutCaret(CAppViewBase& v, int record, int rowInRecord, int byte)
{
    v.caretRecord = record;
    v.caretNode = Counted(record);
    v.caretByte = byte;
    v.CaretToDisplay(record, rowInRecord, byte, v.caretRow, v.caretCol);
}

class SettingsGuard {
public:
    SettingsGuard() : saved_(theSettings) {}
    ~SettingsGuard() { theSettings = saved_; }

private:
    Settings saved_;
};

TEST(ViewModes, TheOpenRequestAndSettingsChooseSourceModeAndHex)
{
    SettingsGuard settings;
    TestDocument doc({"x"});
    TestView t;
    t.view.ApplyOpenRequest(kRequestSource | kRequestHex);
    EXPECT_TRUE(t.view.sourceMode);
    EXPECT_EQ(3, t.view.rowsPerRecord);
    t.view.ApplyOpenRequest(0);
    EXPECT_FALSE(t.view.sourceMode);
    EXPECT_EQ(1, t.view.rowsPerRecord);
    theSettings.autoSource = true;
    theSettings.autoHex = true;
    t.view.ApplyOpenRequest(0);
    EXPECT_TRUE(t.view.sourceMode);
    EXPECT_EQ(3, t.view.rowsPerRecord);
}

TEST(ViewModes, HexOffFromTheLowNibbleRowLandsOnTheRecordsRow)
{
    TestDocument doc(NumberedRecords(10));
    TestView t(80, 20);
    t.view.ToggleHex();
    PutCaret(t.view, 5, 2, 0);
    ASSERT_EQ(17, t.view.caretRow);
    t.view.ToggleHex();
    EXPECT_EQ(1, t.view.rowsPerRecord);
    EXPECT_EQ(5, t.view.caretRow);
    EXPECT_EQ(9, t.view.vertScroll.maximum);
    t.view.ToggleHex();
    EXPECT_EQ(15, t.view.caretRow);  // back on the character row
    EXPECT_GE(t.host.modePaneUpdates, 3);
    EXPECT_GE(t.host.statusUpdates, 3);
}

TEST(ViewModes, HexToggleKeepsTheTopRecordOnTop)
{
    TestDocument doc(NumberedRecords(100));
    TestView t(80, 30);
    t.view.SetTopRow(5);
    PutCaret(t.view, 6, 0, 0);
    t.view.ToggleHex();
    EXPECT_EQ(15, t.view.topRow);
    EXPECT_EQ(5, t.view.topRecord);
    EXPECT_EQ(Counted(5), t.view.topNode);
    EXPECT_EQ(15, t.view.vertScroll.position);
    t.view.ToggleHex();
    EXPECT_EQ(5, t.view.topRow);
    EXPECT_EQ(5, t.view.topRecord);
}

TEST(ViewModes, HexToggleCentresACaretThatLeftThePage)
{
    TestDocument doc(NumberedRecords(100));
    TestView t(80, 20);
    PutCaret(t.view, 19, 0, 0);
    t.view.ToggleHex();
    EXPECT_EQ(57, t.view.caretRow);
    EXPECT_EQ(47, t.view.topRow);  // centred
    EXPECT_EQ(15, t.view.topRecord);
    EXPECT_EQ(Counted(15), t.view.topNode);
}

TEST(ViewModes, AsciiToggleRepaintsEverything)
{
    TestDocument doc({"x"});
    TestView t;
    t.view.ToggleAscii();
    EXPECT_FALSE(t.view.asciiView);
    EXPECT_TRUE(t.host.Invalidated(ViewPane::All));
    t.view.ToggleAscii();
    EXPECT_TRUE(t.view.asciiView);
}

TEST(ViewModes, SourceToggleKeepsTheCaretOnItsByte)
{
    SettingsGuard guard;
    theSettings.srcMark = 4;
    TestDocument doc({"a\tbc"});
    TestView t;
    PutCaret(t.view, 0, 0, 3);  // before c
    EXPECT_EQ(3, t.view.caretCol);
    t.view.ToggleSource();
    EXPECT_TRUE(t.view.sourceMode);
    EXPECT_EQ(3, t.view.caretByte);
    EXPECT_EQ(5, t.view.caretCol);
    t.view.ToggleSource();
    EXPECT_EQ(3, t.view.caretByte);
    EXPECT_EQ(3, t.view.caretCol);
    EXPECT_TRUE(t.host.Invalidated(ViewPane::Data));
    EXPECT_TRUE(t.host.Invalidated(ViewPane::Line));
}

TEST(ViewModes, LocateRowClampsAboveAndBelowTheDocument)
{
    SettingsGuard guard;
    theSettings.srcMark = 4;
    TestDocument doc({"abc", "a\tb", "xyz"});
    TestView t;
    RecordIndex record = -1;
    int row = -1, byte = -1;
    EXPECT_EQ(Counted(0), t.view.LocateRow(-3, 2, record, row, byte));
    EXPECT_EQ(0, record);
    EXPECT_EQ(0, byte);  // column treated as 0
    EXPECT_EQ(Counted(2), t.view.LocateRow(7, 0, record, row, byte));
    EXPECT_EQ(2, record);
    EXPECT_EQ(3, byte);  // end of the last record
    EXPECT_EQ(Counted(1), t.view.LocateRow(1, 9, record, row, byte));
    EXPECT_EQ(3, byte);
    EXPECT_EQ(Counted(1), t.view.LocateRow(1, -4, record, row, byte));
    EXPECT_EQ(0, byte);
    t.view.sourceMode = true;
    std::ignore = t.view.LocateRow(1, 2, record, row, byte);  // inside the tab
    EXPECT_EQ(2, byte);
    std::ignore = t.view.LocateRow(1, 4, record, row, byte);
    EXPECT_EQ(2, byte);
    std::ignore = t.view.LocateRow(1, 5, record, row, byte);
    EXPECT_EQ(3, byte);
    t.view.ToggleHex();
    EXPECT_EQ(Counted(1), t.view.LocateRow(5, 1, record, row, byte));
    EXPECT_EQ(1, record);
    EXPECT_EQ(2, row);
    EXPECT_EQ(1, byte);
}

TEST(ViewModes, CaretToDisplayExpandsTabsInSourceMode)
{
    SettingsGuard guard;
    theSettings.srcMark = 8;
    TestDocument doc({"", "\tx"});
    TestView t;
    DisplayRow row = 0;
    int col = 0;
    t.view.CaretToDisplay(1, 0, 2, row, col);
    EXPECT_EQ(1, row);
    EXPECT_EQ(2, col);
    t.view.sourceMode = true;
    t.view.CaretToDisplay(1, 0, 2, row, col);
    EXPECT_EQ(9, col);
    t.view.ToggleHex();
    t.view.CaretToDisplay(1, 1, 1, row, col);
    EXPECT_EQ(4, row);
    EXPECT_EQ(8, col);
}

TEST(ViewModes, CaretIsPlacedInItsCellAndHiddenOffThePageOrWithASelection)
{
    TestDocument doc(NumberedRecords(100));
    TestView t(80, 20);
    PutCaret(t.view, 3, 0, 4);
    t.view.UpdateCaret();
    ASSERT_TRUE(t.host.caretShown);
    EXPECT_EQ(4 * 8 + 5, t.host.caret.x);
    EXPECT_EQ(3 * 17 + 2, t.host.caret.y);
    EXPECT_EQ(2, t.host.caret.width);
    EXPECT_EQ(17, t.host.caret.height);
    t.view.insertMode = false;
    t.view.UpdateCaret();
    EXPECT_EQ(8, t.host.caret.width);
    t.view.SetTopRow(10);  // scrolling re-places the caret: now off the page
    EXPECT_FALSE(t.host.caretShown);
    t.view.SetTopRow(0);
    EXPECT_TRUE(t.host.caretShown);
    t.view.selEndRecord = 4;
    t.view.UpdateCaret();
    EXPECT_FALSE(t.host.caretShown);
}

TEST(ViewModes, SelectionTestsFollowStartAndExclusiveEnd)
{
    TestView t;
    CAppViewBase& v = t.view;
    v.selStartRecord = 2;
    v.selStartByte = 3;
    v.selEndRecord = 4;
    v.selEndByte = 1;
    EXPECT_FALSE(v.IsSelected(2, 2));
    EXPECT_TRUE(v.IsSelected(2, 3));
    EXPECT_TRUE(v.IsSelected(3, 0));
    EXPECT_TRUE(v.IsSelected(4, 0));
    EXPECT_FALSE(v.IsSelected(4, 1));
    EXPECT_FALSE(v.IsSelected(1, 9));
    EXPECT_FALSE(v.IsSelected(5, 0));
    EXPECT_TRUE(v.IsLineBreakSelected(2));
    EXPECT_TRUE(v.IsLineBreakSelected(3));
    EXPECT_FALSE(v.IsLineBreakSelected(4));
    EXPECT_FALSE(v.IsLineBreakSelected(1));
    // Within one record.
    v.selStartRecord = v.selEndRecord = 1;
    v.selStartByte = 1;
    v.selEndByte = 3;
    EXPECT_TRUE(v.IsSelected(1, 2));
    EXPECT_FALSE(v.IsSelected(1, 3));
    EXPECT_FALSE(v.IsLineBreakSelected(1));
    // Empty.
    v.selEndByte = 1;
    EXPECT_FALSE(v.IsSelected(1, 1));
    EXPECT_FALSE(v.HasSelection());
}

}  // namespace
