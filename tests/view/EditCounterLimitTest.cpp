#include <gtest/gtest.h>

#include "records/RecordMessages.h"
#include "view/EditTestSupport.h"

namespace {

using V = std::vector<std::string>;

// The message names the limit in force.
std::string TooLarge() { return std::string(kCapHoldUp) + ": " + DocumentTooLargeMessage() + "\n"; }

TEST(EditCounterLimit, TypingEnterAndBlockIndentPastTheLimitChangeNothing)
{
    EditScene s({"ab", "  c"});  // 2 records, 5 bytes
    theSettings.srcSmart = true;
    theSettings.srcType = false;
    s.View().ToggleSource();
    LoweredCounterLimit limit(5);

    s.PutCaret(0, 0, 2);
    s.Type("x");  // a sixth byte
    s.PutCaret(1, 0, 3);
    s.Type("\r");  // a record, and two bytes of indent
    s.Select(0, 1, 1, 2);
    s.Type("\t");  // two tabs
    EXPECT_EQ(TooLarge() + TooLarge() + TooLarge(), s.Boxes());
    EXPECT_EQ((V{"ab", "  c"}), s.Texts());
    EXPECT_EQ("0:1-1:2", s.Selection());
    EXPECT_EQ(0, s.document.modified);

    s.PutCaret(0, 0, 1);
    s.Type("\r\r\r\r");  // the fourth record more is one too many
    EXPECT_EQ((V{"a", "", "", "b", "  c"}), s.Texts());
    EXPECT_EQ(TooLarge(), s.Boxes());
    EXPECT_TRUE(s.Consistent());
}

TEST(EditCounterLimit, AnUndoPastTheLimitKeepsItsEntry)
{
    EditScene s({"abc", "de"});
    s.Select(0, 1, 1, 1);
    s.Type("\b");
    ASSERT_EQ((V{"ae"}), s.Texts());
    {
        LoweredCounterLimit limit(4);  // the removed bytes would make five
        EXPECT_FALSE(s.Undo());
        EXPECT_EQ(TooLarge(), s.Boxes());
        EXPECT_EQ((V{"ae"}), s.Texts());
    }
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ((V{"abc", "de"}), s.Texts());
}

// Counts past 32 bits are ordinary; the 64-bit limit still holds, without
// the sum overflowing on the way.
TEST(EditCounterLimit, TheShippedLimitIsTheLargest64BitCount)
{
    EditScene s({"ab"});
    s.List().totalBytes = 4294967297;  // as if the document were that large
    s.PutCaret(0, 0, 2);
    s.Type("x");
    EXPECT_EQ(4294967298, s.List().totalBytes);
    s.List().totalBytes = INT64_MAX - 1;
    s.Type("yz");
    EXPECT_EQ(INT64_MAX, s.List().totalBytes);
    EXPECT_EQ("abxy", s.Text(0));
    EXPECT_EQ(std::string(kCapHoldUp) + ": The document would hold more than 9223372036854775807 records or "
              "bytes.  Operation aborted.\n",
              s.Boxes());
    s.List().totalBytes = 4;
    EXPECT_TRUE(s.Consistent());
}

}  // namespace
