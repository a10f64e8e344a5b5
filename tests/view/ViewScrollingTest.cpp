#include <gtest/gtest.h>

#include "app/Globals.h"
#include "records/RecordList.h"
#include "records/RecordNode.h"
#include "view/ViewTestSupport.h"

namespace {

// The node with the given index, counted from the head (for checking only).
RecordNode* Counted(RecordIndex index)
{
    RecordNode* node = theRecordList->head;
    while (index-- > 0) node = node->next;
    return node;
}

void ExpectTopConsistent(const CAppViewBase& v)
{
    EXPECT_EQ(v.topRow / v.rowsPerRecord, v.topRecord);
    EXPECT_EQ(Counted(v.topRecord), v.topNode);
}

TEST(ViewScrolling, OneEmptyRecordHasEmptyRanges)
{
    TestDocument doc({""});
    TestView t;
    EXPECT_EQ(0, t.view.vertScroll.maximum);
    EXPECT_EQ(1, t.view.vertScroll.page);
    EXPECT_EQ(0, t.view.horzScroll.maximum);  // an empty record counts as width 1
    EXPECT_EQ(1, t.view.horzScroll.page);
    EXPECT_EQ(0, t.host.vertScroll.maximum);  // the host shows the same
    EXPECT_EQ(1, t.host.horzScroll.page);
}

TEST(ViewScrolling, HexViewOfTenRecordsHasThirtyRows)
{
    TestDocument doc(NumberedRecords(10));
    TestView t(80, 20);
    t.view.ToggleHex();
    EXPECT_EQ(29, t.view.vertScroll.maximum);
    EXPECT_EQ(20, t.view.vertScroll.page);
    // Fewer rows than the page: the page is the whole document.
    t.view.OnDataPaneSized(81 * 8, 40 * 17);
    EXPECT_EQ(30, t.view.vertScroll.page);
}

TEST(ViewScrolling, HorizontalRangeFollowsTheWidestRecordOnScreen)
{
    TestDocument doc({"ab", std::string(300, 'x'), "abcd", std::string(50, 'y')});
    TestView t(80, 2);
    EXPECT_EQ(299, t.view.horzScroll.maximum);
    EXPECT_EQ(80, t.view.horzScroll.page);
    t.view.SetTopRow(2);
    t.view.UpdateHScrollRange();
    EXPECT_EQ(49, t.view.horzScroll.maximum);
    EXPECT_EQ(50, t.view.horzScroll.page);
    EXPECT_TRUE(t.host.Invalidated(ViewPane::Ruler));
}

TEST(ViewScrolling, LineAndPageDownStopAtTheirLimits)
{
    TestDocument doc(NumberedRecords(100));
    TestView t(80, 20);
    for (int i = 0; i < 200; ++i) t.view.OnVScroll(ScrollCode::PageDown, 0);
    EXPECT_EQ(79, t.view.topRow);  // maximum - page
    ExpectTopConsistent(t.view);
    for (int i = 0; i < 5; ++i) t.view.OnVScroll(ScrollCode::LineDown, 0);
    EXPECT_EQ(80, t.view.topRow);  // maximum - page + 1
    EXPECT_EQ(80, t.host.vertScroll.position);
    ExpectTopConsistent(t.view);
    t.view.OnVScroll(ScrollCode::PageUp, 0);
    EXPECT_EQ(60, t.view.topRow);
    ExpectTopConsistent(t.view);
    t.view.OnVScroll(ScrollCode::ThumbTrack, 0);
    EXPECT_EQ(0, t.view.topRow);
    EXPECT_EQ(t.view.NodeAt(0), t.view.topNode);
    t.host.Clear();
    t.view.OnVScroll(ScrollCode::LineUp, 0);  // at the top nothing happens at all
    EXPECT_TRUE(t.host.invalidated.empty());
}

TEST(ViewScrolling, PageDownInAShortDocumentStaysAtTheTop)
{
    TestDocument doc(NumberedRecords(5));
    TestView t(80, 20);
    t.view.OnVScroll(ScrollCode::PageDown, 0);
    EXPECT_EQ(0, t.view.topRow);
    EXPECT_EQ(0, t.view.topRecord);
    t.view.OnMouseWheel(-120);
    EXPECT_EQ(0, t.view.topRow);
    t.view.OnHScroll(ScrollCode::PageDown, 0);
    EXPECT_EQ(0, t.view.leftCol);
}

TEST(ViewScrolling, WheelMovesHalfAPageWithinTheLimits)
{
    TestDocument doc(NumberedRecords(100));
    TestView t(80, 20);
    t.view.OnMouseWheel(-120);
    EXPECT_EQ(10, t.view.topRow);
    t.view.OnMouseWheel(120);
    EXPECT_EQ(0, t.view.topRow);
    t.view.OnMouseWheel(120);
    EXPECT_EQ(0, t.view.topRow);
    for (int i = 0; i < 20; ++i) t.view.OnMouseWheel(-120);
    EXPECT_EQ(80, t.view.topRow);  // never past maximum - page + 1
    EXPECT_EQ(80, t.view.vertScroll.position);
    ExpectTopConsistent(t.view);
}

TEST(ViewScrolling, ScrollingInHexViewKeepsTopRecordAndNode)
{
    TestDocument doc(NumberedRecords(50));
    TestView t(80, 20);
    t.view.ToggleHex();
    for (int row : {4, 17, 130, 3, 0, 128, 129}) {
        t.view.OnVScroll(ScrollCode::ThumbTrack, row);
        EXPECT_EQ(row, t.view.topRow);
        ExpectTopConsistent(t.view);
    }
    t.view.OnVScroll(ScrollCode::ThumbTrack, 149);  // the bar stops at the last page
    EXPECT_EQ(130, t.view.topRow);
}

TEST(ViewScrolling, HorizontalScrollingMovesLeftColumnAndRuler)
{
    TestDocument doc({std::string(200, 'x')});
    TestView t(79, 20);
    t.view.OnHScroll(ScrollCode::PageDown, 0);
    EXPECT_EQ(79, t.view.leftCol);
    EXPECT_TRUE(t.host.Invalidated(ViewPane::Ruler));
    EXPECT_TRUE(t.host.Invalidated(ViewPane::Data));
    t.view.OnHScroll(ScrollCode::PageDown, 0);
    EXPECT_EQ(120, t.view.leftCol);  // maximum - page
    t.view.OnHScroll(ScrollCode::LineDown, 0);
    EXPECT_EQ(120, t.view.leftCol);
    t.view.OnHScroll(ScrollCode::LineUp, 0);
    EXPECT_EQ(119, t.view.leftCol);
    EXPECT_EQ(119, t.host.horzScroll.position);
}

TEST(ViewScrolling, EnsureCaretVisibleInHexViewShowsTheWholeCaretRecord)
{
    TestDocument doc(NumberedRecords(20));
    TestView t(80, 20);
    t.view.ToggleHex();
    t.view.SetTopRow(0);
    t.view.caretRow = 18;
    t.view.caretRecord = 6;
    t.view.caretNode = Counted(6);
    t.host.Clear();
    EXPECT_TRUE(t.view.EnsureCaretVisible(false));
    EXPECT_EQ(1, t.view.topRow);  // rows 18 to 20 now visible
    EXPECT_EQ(0, t.view.topRecord);
    EXPECT_EQ(1, t.host.vertScroll.position);
    EXPECT_TRUE(t.host.Invalidated(ViewPane::Line));
    EXPECT_FALSE(t.view.EnsureCaretVisible(false));  // already visible
}

TEST(ViewScrolling, EnsureCaretVisibleScrollsToTheCaretOrCentresIt)
{
    TestDocument doc(NumberedRecords(100));
    TestView t(80, 20);
    t.view.caretRow = t.view.caretRecord = 50;
    t.view.caretNode = Counted(50);
    EXPECT_TRUE(t.view.EnsureCaretVisible(false));
    EXPECT_EQ(31, t.view.topRow);  // caret on the last row
    ExpectTopConsistent(t.view);
    t.view.caretRow = t.view.caretRecord = 5;
    t.view.caretNode = Counted(5);
    EXPECT_TRUE(t.view.EnsureCaretVisible(true));
    EXPECT_EQ(0, t.view.topRow);  // centred, but not above the top
    t.view.caretCol = 300;
    EXPECT_TRUE(t.view.EnsureCaretVisible(false));
    EXPECT_EQ(221, t.view.leftCol);
    EXPECT_EQ(0, t.view.topRow);
    t.view.caretCol = 10;
    EXPECT_TRUE(t.view.EnsureCaretVisible(true));
    EXPECT_EQ(0, t.view.leftCol);
    t.view.caretCol = 80;  // just past the last whole column still counts as visible
    EXPECT_FALSE(t.view.EnsureCaretVisible(false));
}

TEST(ViewScrolling, InitialUpdateResetsEverythingButTheModes)
{
    TestDocument doc(NumberedRecords(30));
    TestView t(80, 20);
    t.view.ToggleHex();
    t.view.OnVScroll(ScrollCode::ThumbTrack, 40);
    t.view.asciiView = false;
    t.view.insertMode = false;
    t.view.selEndByte = 3;
    t.view.OnInitialUpdate();
    EXPECT_EQ(0, t.view.topRow);
    EXPECT_EQ(0, t.view.vertScroll.position);
    EXPECT_EQ(0, t.view.selEndByte);
    EXPECT_TRUE(t.view.asciiView);
    EXPECT_FALSE(t.view.insertMode);
    EXPECT_EQ(3, t.view.rowsPerRecord);
    EXPECT_EQ(t.view.NodeAt(0), t.view.caretNode);
    EXPECT_GE(t.host.statusUpdates, 1);
    EXPECT_GE(t.host.modePaneUpdates, 1);
    EXPECT_TRUE(t.host.Invalidated(ViewPane::All));
}

TEST(ViewScrolling, ViewWithoutDocumentStaysDefined)
{
    TestView t(80, 20);
    EXPECT_EQ(nullptr, t.view.caretNode);
    t.view.OnVScroll(ScrollCode::PageDown, 0);
    t.view.OnMouseWheel(-120);
    t.view.ToggleHex();
    t.view.ToggleSource();
    RecordIndex record = -1;
    int row = -1, byte = -1;
    EXPECT_EQ(nullptr, t.view.LocateRow(5, 5, record, row, byte));
    EXPECT_EQ(0, record);
    EXPECT_EQ(0, t.view.topRow);
}

}  // namespace

namespace {

// In hex view 800 million records are 2.4 billion rows: past an int, and
// given to the bar in proportion.
TEST(ViewScrolling, HexRowsOfOver715MillionRecordsPass32Bits)
{
    TestDocument doc({"a"});
    TestView t(80, 20);
    doc.List().recordCount = 800000000;  // only the ranges are computed from it
    t.view.ToggleHex();
    EXPECT_EQ(2399999999, t.view.vertScroll.maximum);
    EXPECT_EQ(2399999999, t.host.vertScroll.maximum);
    EXPECT_EQ(kBarUnits, BarFor(t.host.vertScroll).range);
    doc.List().recordCount = 1;
}

// Records farther than a short walk are looked up in the node index.
TEST(ViewScrolling, FarRecordsAreFoundWhereverTheViewStands)
{
    TestDocument doc(NumberedRecords(5000));
    TestView t(80, 20);
    for (const DisplayRow row : {4000, 2500, 4980, 10, 3000}) {
        t.view.SetTopRow(row);
        ExpectTopConsistent(t.view);
    }
    t.view.OnKey(true, 0x51);  // Ctrl+Page Down
    EXPECT_EQ(Counted(4999), t.view.caretNode);
    EXPECT_EQ(Counted(1234), t.view.NodeAt(1234));
    // Clamped to the last record, not cut to 32 bits (record 3).
    EXPECT_EQ(Counted(4999), t.view.NodeAt(RecordIndex{4294967296} + 3));
}

}  // namespace
