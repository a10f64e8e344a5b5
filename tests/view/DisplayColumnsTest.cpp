#include <gtest/gtest.h>

#include <string>

#include "view/DisplayColumns.h"

namespace {

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }
int Len(const std::string& s) { return static_cast<int>(s.size()); }

TEST(DisplayColumns, OutsideSourceModeColumnsAreByteIndexes)
{
    const std::string r = "a\tb";
    EXPECT_EQ(0, TabWidthFor(false, 8));
    EXPECT_EQ(2, ByteToColumn(Bytes(r), Len(r), 2, 0));
    EXPECT_EQ(7, ByteToColumn(Bytes(r), Len(r), 7, 0));
    EXPECT_EQ(0, ByteToColumn(Bytes(r), Len(r), -3, 0));
    EXPECT_EQ(5, ColumnToByte(Bytes(r), Len(r), 5, 0));
    EXPECT_EQ(0, ColumnToByte(Bytes(r), Len(r), -1, 0));
    EXPECT_EQ(3, LocateByte(Bytes(r), Len(r), 9, 0));
    EXPECT_EQ(1, LocateByte(Bytes(r), Len(r), 1, 0));
}

TEST(DisplayColumns, TabAdvancesToTheNextMultipleOfTheTabWidth)
{
    const std::string r = "a\tb\t";
    EXPECT_EQ(1, ByteToColumn(Bytes(r), Len(r), 1, 4));
    EXPECT_EQ(4, ByteToColumn(Bytes(r), Len(r), 2, 4));
    EXPECT_EQ(5, ByteToColumn(Bytes(r), Len(r), 3, 4));
    EXPECT_EQ(8, ByteToColumn(Bytes(r), Len(r), 4, 4));
    // A tab on a tab stop takes a whole tab width.
    const std::string t = "\t\t";
    EXPECT_EQ(16, ByteToColumn(Bytes(t), Len(t), 2, 8));
    // A zero or negative srcMark still gives a usable width.
    EXPECT_EQ(1, TabWidthFor(true, 0));
}

TEST(DisplayColumns, ColumnInsideATabMapsToTheByteAfterIt)
{
    const std::string r = "a\tb";  // columns: a 0, tab 1..3, b 4, end 5
    EXPECT_EQ(0, ColumnToByte(Bytes(r), Len(r), 0, 4));
    EXPECT_EQ(1, ColumnToByte(Bytes(r), Len(r), 1, 4));
    EXPECT_EQ(2, ColumnToByte(Bytes(r), Len(r), 2, 4));
    EXPECT_EQ(2, ColumnToByte(Bytes(r), Len(r), 3, 4));
    EXPECT_EQ(2, ColumnToByte(Bytes(r), Len(r), 4, 4));
    EXPECT_EQ(3, ColumnToByte(Bytes(r), Len(r), 5, 4));  // the end
    EXPECT_EQ(4, ColumnToByte(Bytes(r), Len(r), 6, 4));  // beyond: length + 1
}

TEST(DisplayColumns, LocateByteStopsAtTheRecordEnd)
{
    const std::string r = "a\tb";
    EXPECT_EQ(2, LocateByte(Bytes(r), Len(r), 3, 4));
    EXPECT_EQ(3, LocateByte(Bytes(r), Len(r), 5, 4));
    EXPECT_EQ(3, LocateByte(Bytes(r), Len(r), 65535, 4));
    EXPECT_EQ(0, LocateByte(Bytes(r), Len(r), -2, 4));
    EXPECT_EQ(0, LocateByte(nullptr, 0, 4, 4));
}

TEST(DisplayColumns, WalkerAgreesWithTheSingleCalls)
{
    const std::string r = "\tab\t\tc\t";
    for (int tab : {0, 1, 3, 4, 8}) {
        ColumnWalker walker(Bytes(r), Len(r), tab);
        for (int col = 0; col < 40; ++col) {
            const int b = walker.ByteAt(col);
            ASSERT_EQ(ColumnToByte(Bytes(r), Len(r), col, tab), b) << tab << " " << col;
            if (b <= Len(r)) {
                ASSERT_EQ(ByteToColumn(Bytes(r), Len(r), b, tab), walker.StartColumn()) << col;
            }
            // Asking again for the same column answers the same.
            ASSERT_EQ(b, walker.ByteAt(col));
        }
    }
}

}  // namespace
