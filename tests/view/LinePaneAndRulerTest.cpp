#include <gtest/gtest.h>

#include <string>

#include "app/Globals.h"
#include "view/LineNumbers.h"
#include "view/RulerMarks.h"
#include "view/ViewTestSupport.h"

namespace {

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

TEST(LineNumbers, FiveCharactersWrappingAboveNinetyNineThousand)
{
    EXPECT_EQ("   42", LineNumberText(42));
    EXPECT_EQ("99999", LineNumberText(99999));
    EXPECT_EQ("00000", LineNumberText(100000));
    EXPECT_EQ("23456", LineNumberText(123456));
    EXPECT_EQ("00007", LineNumberText(1000007));
}

TEST(LineNumbers, NumberTheRecordsOnScreenAndStopAfterTheLast)
{
    TestView t(80, 20);
    // 8 x 17 cells, small font 7 x 13, line column 49.
    const auto labels = LineNumberLabels(t.view, 3);
    ASSERT_EQ(3u, labels.size());
    EXPECT_EQ("    1", labels[0].text);
    EXPECT_EQ("    3", labels[2].text);
    EXPECT_EQ((49 - 35 - 2) / 2, labels[0].x);
    EXPECT_EQ((17 - 13) / 2 + 5, labels[0].y);
    EXPECT_EQ(labels[0].y + 2 * 17, labels[2].y);
}

TEST(LineNumbers, HexViewNumbersOnlyTheCharacterRows)
{
    TestView t(80, 8);
    t.view.rowsPerRecord = 3;
    t.view.topRow = 4;  // high-nibble row of record index 1
    const auto labels = LineNumberLabels(t.view, 10);
    ASSERT_EQ(2u, labels.size());  // rows 6 and 9 start records in 8 rows from 4
    EXPECT_EQ("    3", labels[0].text);
    EXPECT_EQ((17 - 13) / 2 + 5 + 2 * 17, labels[0].y);  // third row from the top
    EXPECT_EQ("    4", labels[1].text);
    EXPECT_EQ(labels[0].y + 3 * 17, labels[1].y);
}

TEST(LineNumbers, LargeTopRowStartsAtItsRecord)
{
    TestView t(80, 2);
    t.view.topRow = 123455;
    const auto labels = LineNumberLabels(t.view, 200000);
    ASSERT_EQ(2u, labels.size());
    EXPECT_EQ("23456", labels[0].text);
    EXPECT_EQ("23457", labels[1].text);
}

std::string TickColumns(const CAppViewBase& v, const std::vector<RulerMark>& marks)
{
    std::string s;
    const int firstX = v.smallCharWidth / 2 + 5;
    for (const RulerMark& m : marks) s += std::to_string((m.x - firstX) / v.charWidth) + " ";
    return s;
}

TEST(RulerMarks, TabTakesOneTickAtItsFirstColumn)
{
    const int saved = theSettings.srcMark;
    theSettings.srcMark = 4;
    TestView t(80, 20);
    t.view.sourceMode = true;
    const std::string r = "a\tb";
    const auto marks = RulerMarks(t.view, Bytes(r), 3);
    EXPECT_EQ("0 1 4 5 ", TickColumns(t.view, marks));
    theSettings.srcMark = saved;
}

TEST(RulerMarks, TicksLongEveryFifthAndLabelEveryTenth)
{
    TestView t(120, 20);
    const std::string r(115, 'x');
    const auto marks = RulerMarks(t.view, Bytes(r), 115);
    ASSERT_EQ(116u, marks.size());  // up to just past the end
    // Geometry: x starts at smallCharWidth/2 + 5 and steps by charWidth.
    EXPECT_EQ(7 / 2 + 5, marks[0].x);
    EXPECT_EQ(marks[0].x + 8, marks[1].x);
    EXPECT_EQ(15, marks[0].tickTop);  // short: rows 15 to 17
    EXPECT_EQ(18, marks[0].tickBottom);
    EXPECT_EQ(10, marks[4].tickTop);  // position 5: long
    EXPECT_EQ('1', marks[9].digit);   // position 10
    EXPECT_EQ(15, marks[9].tickTop);  // with a short tick
    EXPECT_EQ(marks[9].x - 4, marks[9].digitX);
    EXPECT_EQ((20 - 13) / 2, marks[9].digitY);
    EXPECT_EQ('0', marks[99].digit);   // 100
    EXPECT_EQ('1', marks[109].digit);  // 110
    EXPECT_EQ(0, marks[14].digit);
    EXPECT_EQ(10, marks[14].tickTop);
}

TEST(RulerMarks, TenthPositionInTheLeftmostColumnGetsALongTickOnly)
{
    TestView t(20, 20);
    t.view.leftCol = 9;
    const std::string r(40, 'x');
    const auto marks = RulerMarks(t.view, Bytes(r), 40);
    EXPECT_EQ(0, marks[0].digit);
    EXPECT_EQ(10, marks[0].tickTop);
    EXPECT_EQ('2', marks[10].digit);  // position 20
}

TEST(RulerMarks, EmptyCaretRecordShowsOneShortTickAtTheLeftEdgeOnly)
{
    TestView t(80, 20);
    auto marks = RulerMarks(t.view, nullptr, 0);
    ASSERT_EQ(1u, marks.size());
    EXPECT_EQ(15, marks[0].tickTop);
    t.view.leftCol = 3;
    EXPECT_TRUE(RulerMarks(t.view, nullptr, 0).empty());
}

}  // namespace
