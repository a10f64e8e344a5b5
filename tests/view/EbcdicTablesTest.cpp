#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>

#include "view/EbcdicTables.h"

namespace {

TEST(EbcdicTables, ShowLettersDigitsAndPunctuationAsCodePage037Does)
{
    // Code page 037: letters in runs from C1, D1, E2 (upper case) and 81,
    // 91, A2 (lower case), digits from F0.
    const struct {
        int byte;
        char first;
        int count;
    } runs[] = {{0xC1, 'A', 9}, {0xD1, 'J', 9}, {0xE2, 'S', 8}, {0x81, 'a', 9},
                {0x91, 'j', 9}, {0xA2, 's', 8}, {0xF0, '0', 10}};
    for (const auto& run : runs) {
        for (int i = 0; i < run.count; ++i) {
            EXPECT_EQ(run.first + i, EbcdicToDisplay[run.byte + i]) << std::hex << run.byte + i;
            EXPECT_EQ(run.byte + i, DisplayToEbcdic[static_cast<unsigned char>(run.first + i)]) << run.first + i;
        }
    }
    const std::string punctuation = " .<(+&!$*);-/,%_>?:#@'=\"\\";
    const int bytes[] = {0x40, 0x4B, 0x4C, 0x4D, 0x4E, 0x50, 0x5A, 0x5B, 0x5C, 0x5D, 0x5E, 0x60, 0x61,
                         0x6B, 0x6C, 0x6D, 0x6E, 0x6F, 0x7A, 0x7B, 0x7C, 0x7D, 0x7E, 0x7F, 0xE0};
    ASSERT_EQ(std::size(bytes), punctuation.size());
    for (std::size_t i = 0; i < punctuation.size(); ++i)
        EXPECT_EQ(punctuation[i], EbcdicToDisplay[bytes[i]]) << std::hex << bytes[i];
}

TEST(EbcdicTables, DifferFromCodePage037WhereTheProgramHasItsOwnValues)
{
    // Code page 037's places of | ~ ^ [ ] { } show something else.
    const std::pair<int, char> cp037[] = {{0x4F, '|'}, {0xA1, '~'}, {0xB0, '^'}, {0xBA, '['},
                                          {0xBB, ']'}, {0xC0, '{'}, {0xD0, '}'}};
    for (const auto& [byte, ch] : cp037) EXPECT_NE(ch, EbcdicToDisplay[byte]) << std::hex << byte;
    EXPECT_EQ('`', EbcdicToDisplay[0x4A]);  // the grave accent, not the cent sign
    EXPECT_EQ('`', EbcdicToDisplay[0x79]);
    EXPECT_EQ('^', EbcdicToDisplay[0x6A]);
    EXPECT_EQ('|', EbcdicToDisplay[0x9E]);
    EXPECT_EQ('[', EbcdicToDisplay[0xAD]);
    EXPECT_EQ(']', EbcdicToDisplay[0xBD]);
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
