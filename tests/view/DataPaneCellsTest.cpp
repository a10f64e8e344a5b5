#include <gtest/gtest.h>

#include <string>

#include "app/Globals.h"
#include "view/DataPaneCells.h"
#include "view/ViewTestSupport.h"

namespace {

std::string Text(const std::vector<Cell>& row)
{
    std::string s;
    for (const Cell& c : row) s += c.style == CellStyle::Blank ? '_' : c.ch;
    return s;
}

std::string Styles(const std::vector<Cell>& row)
{
    std::string s;
    for (const Cell& c : row) s += "_aen#"[static_cast<int>(c.style)];
    return s;
}

class SrcMark {
public:
    explicit SrcMark(int width) : saved_(theSettings.srcMark) { theSettings.srcMark = width; }
    ~SrcMark() { theSettings.srcMark = saved_; }

private:
    int saved_;
};

TEST(DataPaneCells, AsciiViewShowsPrintableBytesAndDotsForTheRest)
{
    TestDocument doc({"\x41\x0D\x7F"});
    TestView t(6, 3);
    const auto rows = BuildDataPane(t.view);
    ASSERT_EQ(1u, rows.size());  // nothing below the last record
    EXPECT_EQ("A..___", Text(rows[0]));
    EXPECT_EQ("aaa___", Styles(rows[0]));
    EXPECT_EQ(0x000000u, TextColour(CellStyle::Ascii));  // black on white
    EXPECT_EQ(0xFFFFFFu, BackColour(CellStyle::Ascii));
}

TEST(DataPaneCells, EbcdicViewTranslatesAndUsesDarkRed)
{
    TestDocument doc({"\xC1\x81\xF1\x40\x4B"});
    TestView t(6, 3);
    t.view.ToggleAscii();
    const auto rows = BuildDataPane(t.view);
    EXPECT_EQ("Aa1 ._", Text(rows[0]));
    EXPECT_EQ("eeeee_", Styles(rows[0]));
    EXPECT_EQ(0xC00000u, TextColour(CellStyle::Ebcdic));
    EXPECT_EQ(0xFFFFFFu, BackColour(CellStyle::Ebcdic));
}

TEST(DataPaneCells, ControlBytesShowAsDotsAndTabsAsSpacesInSourceModeOnly)
{
    EXPECT_EQ('.', CharacterCell(0x05, false, false).ch);  // EBCDIC 05 stays 05
    EXPECT_EQ('.', CharacterCell(0x05, true, true).ch);
    EXPECT_EQ(' ', CharacterCell(0x09, true, true).ch);
    EXPECT_EQ(' ', CharacterCell(0x09, false, true).ch);
    EXPECT_EQ('.', CharacterCell(0x09, true, false).ch);
    EXPECT_EQ('.', CharacterCell(0x80, true, false).ch);
    EXPECT_EQ(' ', CharacterCell(0xFF, false, false).ch);  // EBCDIC FF shows a space
}

TEST(DataPaneCells, SourceModeTabTakesItsWholeWidth)
{
    SrcMark mark(8);
    TestDocument doc({"\tx"});
    TestView t(12, 3);
    t.view.sourceMode = true;
    const auto rows = BuildDataPane(t.view);
    EXPECT_EQ(" _______x___", Text(rows[0]));
    // Selected, the expansion still stays blank.
    t.view.selEndByte = 2;
    EXPECT_EQ("#_______#___", Styles(BuildDataPane(t.view)[0]));
    // Scrolled into the tab: the first visible cells are its expansion.
    t.view.leftCol = 3;
    t.view.selEndByte = 0;
    EXPECT_EQ("_____x______", Text(BuildDataPane(t.view)[0]));
}

TEST(DataPaneCells, HexViewShowsCharacterAndBothNibbleRows)
{
    TestDocument doc({"\x4A", "B"});
    TestView t(3, 20);
    t.view.ToggleHex();
    auto rows = BuildDataPane(t.view);
    ASSERT_EQ(6u, rows.size());
    EXPECT_EQ("J__", Text(rows[0]));
    EXPECT_EQ("4__", Text(rows[1]));
    EXPECT_EQ("A__", Text(rows[2]));
    EXPECT_EQ("n__", Styles(rows[1]));
    EXPECT_EQ("B__", Text(rows[3]));
    t.view.ToggleAscii();
    rows = BuildDataPane(t.view);
    EXPECT_EQ("`__", Text(rows[0]));  // grave accent
    EXPECT_EQ("4__", Text(rows[1]));  // nibbles show the stored byte
    EXPECT_EQ("A__", Text(rows[2]));
    EXPECT_EQ(0x808080u, TextColour(CellStyle::Nibble));  // grey on white
    EXPECT_EQ(0xFFFFFFu, BackColour(CellStyle::Nibble));
}

TEST(DataPaneCells, HexViewMayStartOnANibbleRow)
{
    TestDocument doc({"a", "b", "c", "d"});
    TestView t(2, 5);
    t.view.ToggleHex();
    t.view.SetTopRow(4);  // high-nibble row of record 1
    const auto rows = BuildDataPane(t.view);
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ("6_", Text(rows[0]));  // 'b' = 62
    EXPECT_EQ("2_", Text(rows[1]));
    EXPECT_EQ("c_", Text(rows[2]));
    EXPECT_EQ("6_", Text(rows[3]));
    EXPECT_EQ("3_", Text(rows[4]));
}

TEST(DataPaneCells, SelectionAcrossRecordsInvertsTheSelectedLineBreaks)
{
    TestDocument doc({"r0", "r1", "abcdef", "xyz", "pq", "r5"});
    TestView t(8, 6);
    t.view.selStartRecord = 2;
    t.view.selStartByte = 3;
    t.view.selEndRecord = 4;
    t.view.selEndByte = 1;
    const auto rows = BuildDataPane(t.view);
    EXPECT_EQ("aa______", Styles(rows[1]));
    EXPECT_EQ("aaa#####", Styles(rows[2]));  // bytes 0-2 plain, to the right edge inverted
    EXPECT_EQ("abcdef  ", Text(rows[2]));
    EXPECT_EQ("########", Styles(rows[3]));
    EXPECT_EQ("#a______", Styles(rows[4]));  // only byte 0
    EXPECT_EQ("aa______", Styles(rows[5]));
    EXPECT_EQ(0xFFFFFFu, TextColour(CellStyle::Selected));  // white on black
    EXPECT_EQ(0x000000u, BackColour(CellStyle::Selected));
}

TEST(DataPaneCells, SelectedLineBreakShowsOnEveryHexRowOfTheRecord)
{
    TestDocument doc({"ab", "c"});
    TestView t(4, 6);
    t.view.ToggleHex();
    t.view.selStartRecord = 0;
    t.view.selStartByte = 2;
    t.view.selEndRecord = 1;
    t.view.selEndByte = 0;
    const auto rows = BuildDataPane(t.view);
    EXPECT_EQ("aa##", Styles(rows[0]));
    EXPECT_EQ("nn##", Styles(rows[1]));
    EXPECT_EQ("nn##", Styles(rows[2]));
    EXPECT_EQ("a___", Styles(rows[3]));
}

TEST(DataPaneCells, EmptySelectionInvertsNothing)
{
    TestDocument doc({"abc", "def"});
    TestView t(4, 2);
    t.view.selStartRecord = t.view.selEndRecord = 1;
    t.view.selStartByte = t.view.selEndByte = 1;
    const auto rows = BuildDataPane(t.view);
    ASSERT_EQ(2u, rows.size());
    for (const auto& row : rows)
        EXPECT_EQ(std::string::npos, Styles(row).find('#'));
}

TEST(DataPaneCells, RowsAreCutByThePageAndShiftedByTheLeftColumn)
{
    TestDocument doc({"0123456789", "ab"});
    TestView t(4, 1);
    auto rows = BuildDataPane(t.view);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ("0123", Text(rows[0]));
    t.view.SetLeftCol(7);
    EXPECT_EQ("789_", Text(BuildDataPane(t.view)[0]));
}

}  // namespace
