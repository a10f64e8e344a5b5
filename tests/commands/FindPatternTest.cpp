#include <gtest/gtest.h>

#include "commands/FindPattern.h"

namespace {

// "bytes/flags": each byte in hex, "L" after a literal one.
std::string Parsed(const std::string& text)
{
    FindPattern pattern;
    const PatternParse result = ParsePattern(text, pattern);
    if (result == PatternParse::TooLong) return "too long";
    if (result == PatternParse::IncompleteEscape) return "incomplete";
    std::string out;
    for (int i = 0; i < pattern.length; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", pattern.bytes[i]);
        out += std::string(out.empty() ? "" : " ") + hex + (pattern.literal[i] ? "L" : "");
    }
    return out;
}

TEST(FindPattern, EscapesGiveLiteralBytesAndEverythingElsePlainOnes)
{
    EXPECT_EQ("5CL 07L 08L 0CL 0AL 0DL 09L 0BL", Parsed(R"(\\\a\b\f\n\r\t\v)"));
    EXPECT_EQ("41L 41 FFL", Parsed(R"(\x41A\xff)"));
    EXPECT_EQ("00L 0AL", Parsed(R"(\xZZ\x0a)"));   // a non-hex digit counts as 0
    EXPECT_EQ("A0L", Parsed(R"(\xA-)"));
    EXPECT_EQ("71 5C", Parsed(R"(\q\)"));          // unknown escape; a lone backslash at the end
    EXPECT_EQ("5C", Parsed(R"(\)"));
    EXPECT_EQ("incomplete", Parsed(R"(ab\x)"));
    EXPECT_EQ("incomplete", Parsed(R"(\x4)"));
    EXPECT_EQ("00L", Parsed("\\x\xC3\xA9z"));      // "\xéz": two characters, neither a digit
    EXPECT_EQ("incomplete", Parsed("\\x\xC3\xA9"));
    EXPECT_EQ("", Parsed(""));
    // Twenty characters are taken, whatever bytes they need; not 21.
    EXPECT_EQ("too long", Parsed(std::string(21, 'a')));
    FindPattern wide;
    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += "\xE2\x82\xAC";  // the euro sign, three bytes each
    ASSERT_EQ(PatternParse::Ok, ParsePattern(twenty, wide));
    EXPECT_EQ(60, wide.length);
    EXPECT_EQ(PatternParse::TooLong, ParsePattern(twenty + "a", wide));
}

TEST(FindPattern, ReplacementsAreStoredAndSelectionsWrittenAsTheViewShowsThem)
{
    FindPattern pattern;
    ASSERT_EQ(PatternParse::Ok, ParsePattern(R"(A\x41 )", pattern));
    EXPECT_EQ("A\x41 ", StoredReplacement(pattern, true));
    EXPECT_EQ("\xC1\x41\x40", StoredReplacement(pattern, false));

    const std::uint8_t bytes[] = {'a', '\\', 0x01, 0xC1, 0x00, 'z'};
    EXPECT_EQ(R"(a\\\x01\xC1)", SearchTextForBytes(bytes, 6, true));  // stops at the zero byte
    // Stored 'a' and '\' show as '/' and '*' in the EBCDIC view.
    EXPECT_EQ(R"(/*\x01A)", SearchTextForBytes(bytes, 4, false));
    const std::uint8_t controls[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(R"(\x01\x02\x03\x04\x05)", SearchTextForBytes(controls, 8, true));  // at most 20 characters
}

}  // namespace
