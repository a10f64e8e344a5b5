#include <gtest/gtest.h>

#include "platform/DisplayText.h"

namespace {

TEST(DisplayText, KeepsValidUtf8AndMarksEveryOtherByte)
{
    EXPECT_EQ("/data/caf\xC3\xA9 \xF0\x9F\x93\x84.txt", Utf8ForDisplay("/data/caf\xC3\xA9 \xF0\x9F\x93\x84.txt"));
    // Latin-1 e acute, a lone continuation byte, a truncated sequence at the
    // end, an overlong slash, a surrogate.
    EXPECT_EQ("caf\xEF\xBF\xBD", Utf8ForDisplay("caf\xE9"));
    EXPECT_EQ("a\xEF\xBF\xBD" "b", Utf8ForDisplay("a\x80" "b"));
    EXPECT_EQ("x\xEF\xBF\xBD\xEF\xBF\xBD", Utf8ForDisplay("x\xE2\x82"));
    EXPECT_EQ("\xEF\xBF\xBD\xEF\xBF\xBD", Utf8ForDisplay("\xC0\xAF"));
    EXPECT_EQ("\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", Utf8ForDisplay("\xED\xA0\x80"));
    EXPECT_EQ(std::string("a\0b", 3), Utf8ForDisplay(std::string("a\0b", 3)));
}

}  // namespace
