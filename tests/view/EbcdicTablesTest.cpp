#include <gtest/gtest.h>

#include "view/EbcdicTables.h"

namespace {

TEST(EbcdicTables, ShowLettersDigitsAndPunctuationAsCodePage037Does)
{
    EXPECT_EQ('A', EbcdicToDisplay[0xC1]);
    EXPECT_EQ('a', EbcdicToDisplay[0x81]);
    EXPECT_EQ('1', EbcdicToDisplay[0xF1]);
    EXPECT_EQ(' ', EbcdicToDisplay[0x40]);
    EXPECT_EQ('.', EbcdicToDisplay[0x4B]);
    EXPECT_EQ('Z', EbcdicToDisplay[0xE9]);
    EXPECT_EQ('z', EbcdicToDisplay[0xA9]);
}

TEST(EbcdicTables, DifferFromCodePage037WhereTheProgramHasItsOwnValues)
{
    EXPECT_EQ(0x60, EbcdicToDisplay[0x4A]);  // grave accent, not the cent sign
    EXPECT_EQ(0x60, EbcdicToDisplay[0x79]);
    EXPECT_EQ(0x5E, EbcdicToDisplay[0x6A]);  // ^
    EXPECT_EQ(0x7C, EbcdicToDisplay[0x9E]);  // |
    EXPECT_EQ(0x5B, EbcdicToDisplay[0xAD]);  // [
    EXPECT_EQ(0x5D, EbcdicToDisplay[0xBD]);  // ]
    EXPECT_EQ(0x1B, EbcdicToDisplay[0xFA]);
    EXPECT_EQ(0x20, EbcdicToDisplay[0xFF]);
    EXPECT_EQ(0xCA, EbcdicToDisplay[0x41]);
}

TEST(EbcdicTables, KeepTheControlRange)
{
    for (int b = 0; b < 0x40; ++b) EXPECT_EQ(b, EbcdicToDisplay[b]) << b;
    for (int c = 0; c < 0x10; ++c) EXPECT_EQ(c, DisplayToEbcdic[c]) << c;
}

TEST(EbcdicTables, EveryTypedPrintableCharacterShowsAsItself)
{
    for (int c = 0x20; c <= 0x7E; ++c) EXPECT_EQ(c, EbcdicToDisplay[DisplayToEbcdic[c]]) << c;
    EXPECT_EQ(0x4A, DisplayToEbcdic[static_cast<unsigned char>('`')]);
    EXPECT_EQ(0xC1, DisplayToEbcdic[static_cast<unsigned char>('A')]);
    EXPECT_EQ(0x81, DisplayToEbcdic[static_cast<unsigned char>('a')]);
    EXPECT_EQ(0xF0, DisplayToEbcdic[static_cast<unsigned char>('0')]);
    EXPECT_EQ(0x40, DisplayToEbcdic[static_cast<unsigned char>(' ')]);
}

TEST(EbcdicTables, DisplayToEbcdicYieldsDdTwiceAnd79Never)
{
    int dd = 0;
    int seventyNine = 0;
    for (int c = 0; c < 256; ++c) {
        dd += DisplayToEbcdic[c] == 0xDD;
        seventyNine += DisplayToEbcdic[c] == 0x79;
    }
    EXPECT_EQ(2, dd);
    EXPECT_EQ(0, seventyNine);
    EXPECT_EQ(0xDD, DisplayToEbcdic[0x8E]);
    EXPECT_EQ(0xDD, DisplayToEbcdic[0xFE]);
    EXPECT_EQ(0x9B, DisplayToEbcdic[0xFF]);
    EXPECT_EQ(0x8C, DisplayToEbcdic[0x10]);
}

}  // namespace
