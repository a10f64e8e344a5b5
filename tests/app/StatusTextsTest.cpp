#include <gtest/gtest.h>

#include "app/StatusTexts.h"

namespace {

TEST(StatusTexts, CaretByteText)
{
    EXPECT_EQ("12 bytes ['A',0x41]", CaretByteText(12, 0, 'A'));
    EXPECT_EQ("12 bytes [eol]", CaretByteText(12, 12, 0));
    EXPECT_EQ(" 1 byte ['A',0x41]", CaretByteText(1, 0, 'A'));
    EXPECT_EQ(" 1 byte [eol]", CaretByteText(1, 1, 'A'));
    EXPECT_EQ("0 bytes [eol]", CaretByteText(0, 0, 'Z'));
    EXPECT_EQ("3 bytes ['',0x00]", CaretByteText(3, 1, 0));
    EXPECT_EQ("65535 bytes ['\t',0x9]", CaretByteText(65535, 7, '\t'));
    EXPECT_EQ("2 bytes ['\xff',0xff]", CaretByteText(2, 1, 0xFF));
}

TEST(StatusTexts, CaretPositionIsOneBased)
{
    EXPECT_EQ("[1,1]", CaretPositionText(0, 0));
    EXPECT_EQ("[100000,65536]", CaretPositionText(99999, 65535));
    EXPECT_EQ("[2147483648,1]", CaretPositionText(2147483647, 0));
}

TEST(StatusTexts, ModePanes)
{
    EXPECT_STREQ("   ", HexPaneText(1));
    EXPECT_STREQ("HEX", HexPaneText(3));
    EXPECT_STREQ("DOS", FormatPaneText(1));
    EXPECT_STREQ("UNX", FormatPaneText(2));
    EXPECT_STREQ("BIN", FormatPaneText(0));
    EXPECT_STREQ("BIN", FormatPaneText(3));
    EXPECT_STREQ("SRC", SourcePaneText(true));
    EXPECT_STREQ("   ", SourcePaneText(false));
    EXPECT_STREQ("INS", InsertPaneText(true));
    EXPECT_STREQ("OVR", InsertPaneText(false));
}

}  // namespace
