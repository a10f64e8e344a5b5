#include <gtest/gtest.h>

#include "commands/FileDialogChoices.h"

namespace {

TEST(OpenAsChoice, InitialButtonFollowsTheRememberedChoice)
{
    EXPECT_EQ(kOpenAsAuto, InitialOpenAs(0, 0));
    EXPECT_EQ(kOpenAsBinary, InitialOpenAs(0, 64));
    EXPECT_EQ(kOpenAsDos, InitialOpenAs(1, 0));
    EXPECT_EQ(kOpenAsUnix, InitialOpenAs(2, 0));
}

TEST(OpenAsChoice, RememberingTheChoice)
{
    std::uint16_t mode = 2;
    std::int32_t width = 0;
    RememberOpenAs(kOpenAsBinary, &mode, &width);
    EXPECT_EQ(0, mode);
    EXPECT_EQ(64, width);  // Binary with width 0 reads 64-byte records
    width = 80;
    RememberOpenAs(kOpenAsBinary, &mode, &width);
    EXPECT_EQ(80, width);
    EXPECT_EQ(kOpenAsBinary, InitialOpenAs(mode, width));

    RememberOpenAs(kOpenAsDos, &mode, &width);
    EXPECT_EQ(1, mode);
    EXPECT_EQ(0, width);
    RememberOpenAs(kOpenAsUnix, &mode, &width);
    EXPECT_EQ(2, mode);
    RememberOpenAs(kOpenAsAuto, &mode, &width);
    EXPECT_EQ(0, mode);
    EXPECT_EQ(0, width);
}

TEST(OpenAsChoice, WidthEntryAcceptsIntegersFrom0To65535)
{
    std::int32_t width = 17;
    EXPECT_EQ(WidthEntry::Ok, ParseWidthEntry("80", &width));
    EXPECT_EQ(80, width);
    EXPECT_EQ(WidthEntry::Ok, ParseWidthEntry(" 65535 ", &width));
    EXPECT_EQ(65535, width);
    EXPECT_EQ(WidthEntry::Ok, ParseWidthEntry("0", &width));
    EXPECT_EQ(0, width);

    width = 17;
    EXPECT_EQ(WidthEntry::OutOfRange, ParseWidthEntry("65536", &width));
    EXPECT_EQ(WidthEntry::OutOfRange, ParseWidthEntry("-1", &width));
    EXPECT_EQ(WidthEntry::OutOfRange, ParseWidthEntry("99999999999999999999", &width));
    EXPECT_EQ(WidthEntry::NotInteger, ParseWidthEntry("", &width));
    EXPECT_EQ(WidthEntry::NotInteger, ParseWidthEntry("12a", &width));
    EXPECT_EQ(WidthEntry::NotInteger, ParseWidthEntry("x", &width));
    EXPECT_EQ(WidthEntry::NotInteger, ParseWidthEntry("-", &width));
    EXPECT_EQ(17, width);  // a refused entry leaves the width in force

    EXPECT_EQ("Please enter an integer.", WidthEntryMessage(WidthEntry::NotInteger));
    EXPECT_EQ("Please enter an integer between 0 and 65535.",
              WidthEntryMessage(WidthEntry::OutOfRange));
}

TEST(SaveFormatChoice, ListEntriesAndFormats)
{
    EXPECT_STREQ("Binary", kSaveFormatNames[0]);
    EXPECT_STREQ("DOS Text (CR-LF)", kSaveFormatNames[1]);
    EXPECT_STREQ("UNIX Text (LF)", kSaveFormatNames[2]);
    EXPECT_EQ(0, SaveFormatIndex(0));
    EXPECT_EQ(1, SaveFormatIndex(1));
    EXPECT_EQ(2, SaveFormatIndex(2));
    EXPECT_EQ(1, SaveFormatIndex(3));  // both mode bits: treated as DOS
    for (int i = 0; i < kSaveFormatCount; ++i) EXPECT_EQ(i, SaveFormatFromIndex(i));
    EXPECT_EQ(0, SaveFormatFromIndex(-1));
}

}  // namespace
