#include <gtest/gtest.h>

#include "platform/Wtf8.h"

namespace {

TEST(Wtf8, EveryNameOfTheSystemComesBackUnchanged)
{
    const std::u16string names[] = {
        u"",
        u"C:\\plain\\name.txt",
        u"caf\u00e9 \u03a9 \u6587\u4ef6",                 // two and three bytes
        u"emoji \U0001F600 end",                          // a surrogate pair: four bytes
        std::u16string(u"lone \xD800 lead"),              // unpaired surrogates, which
        std::u16string(u"lone \xDC00 trail"),             // Windows allows in names
        std::u16string(u"reversed \xDC00\xD800"),
        std::u16string(u"nul \0 inside", 12),
    };
    for (const auto& name : names) EXPECT_EQ(name, Utf16FromWtf8(Wtf8FromUtf16(name)));
    EXPECT_EQ("\xF0\x9F\x98\x80", Wtf8FromUtf16(u"\U0001F600"));
    EXPECT_EQ("\xED\xA0\x80", Wtf8FromUtf16(std::u16string(1, char16_t(0xD800))));
}

TEST(Wtf8, BytesThatAreNotWtf8BecomeReplacementCharacters)
{
    EXPECT_EQ(u"caf\uFFFD", Utf16FromWtf8("caf\xE9"));         // Latin-1
    EXPECT_EQ(u"\uFFFD\uFFFD", Utf16FromWtf8("\xC0\xAF"));      // an overlong slash
    EXPECT_EQ(u"a\uFFFD\uFFFDb", Utf16FromWtf8("a\xE6\x96" "b"));  // cut short
    EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD\uFFFD", Utf16FromWtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
}

}  // namespace
