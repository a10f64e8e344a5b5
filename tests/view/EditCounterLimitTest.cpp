#include <gtest/gtest.h>

#include "records/RecordMessages.h"
#include "view/EditTestSupport.h"

namespace {

using V = std::vector<std::string>;

const std::string kTooLarge = std::string(kCapHoldUp) + ": " + kMsgDocumentTooLarge + "\n";

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
    EXPECT_EQ(kTooLarge + kTooLarge + kTooLarge, s.Boxes());
    EXPECT_EQ((V{"ab", "  c"}), s.Texts());
    EXPECT_EQ("0:1-1:2", s.Selection());
    EXPECT_EQ(0, s.document.modified);

    s.PutCaret(0, 0, 1);
    s.Type("\r\r\r\r");  // the fourth record more is one too many
    EXPECT_EQ((V{"a", "", "", "b", "  c"}), s.Texts());
    EXPECT_EQ(kTooLarge, s.Boxes());
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
        EXPECT_EQ(kTooLarge, s.Boxes());
        EXPECT_EQ((V{"ae"}), s.Texts());
    }
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ((V{"abc", "de"}), s.Texts());
}

TEST(EditCounterLimit, TheShippedLimitIsTheLargest32BitCount)
{
    EditScene s({"ab"});
    s.List().totalBytes = 2147483646;  // as if the document were that large
    s.PutCaret(0, 0, 2);
    s.Type("xy");
    EXPECT_EQ(2147483647, s.List().totalBytes);
    EXPECT_EQ("abx", s.Text(0));
    EXPECT_EQ(kTooLarge, s.Boxes());
    s.List().totalBytes = 3;
    EXPECT_TRUE(s.Consistent());
}

}  // namespace
