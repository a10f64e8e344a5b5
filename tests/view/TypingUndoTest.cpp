#include <gtest/gtest.h>

#include "platform/KeyScanCodes.h"
#include "view/EditTestSupport.h"

namespace {

TEST(TypingUndo, EachEditComesBackWithOneUndo)
{
    EditScene s({"xyz", "second"});
    s.PutCaret(0, 0, 2);
    s.Type("ab");
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ("xyz", s.Text(0));

    s.View().insertMode = false;
    s.PutCaret(0, 0, 1);
    s.Type("Q");
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ("xyz", s.Text(0));

    s.View().insertMode = true;
    s.PutCaret(1, 0, 3);
    s.Type("\b\b\b");
    EXPECT_EQ("ond", s.Text(1));
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ("second", s.Text(1));

    s.PutCaret(1, 0, 0);
    s.Type("\b");  // join
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ((std::vector<std::string>{"xyz", "second"}), s.Texts());
    EXPECT_TRUE(s.Consistent());
}

TEST(TypingUndo, HexPairAndSmartEnterUndoAsOne)
{
    EditScene s({"AB", "  \tcode"});
    s.View().ToggleHex();
    s.View().insertMode = false;
    s.PutCaret(0, 1, 0);
    s.Type("7f");
    EXPECT_EQ(std::string("\x7F" "B", 2), s.Text(0));
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ("AB", s.Text(0));
    s.View().ToggleHex();

    theSettings.srcSmart = true;
    s.View().ToggleSource();
    s.PutCaret(1, 0, 7);
    s.Type("\r");
    EXPECT_EQ((std::vector<std::string>{"AB", "  \tcode", "  \t"}), s.Texts());
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ((std::vector<std::string>{"AB", "  \tcode"}), s.Texts());
}

TEST(TypingUndo, TabSpacesAreOneTypedRun)
{
    EditScene s({"ab"});
    theSettings.srcType = true;
    theSettings.srcMark = 8;
    s.View().ToggleSource();
    s.PutCaret(0, 0, 2);
    s.Type("\tz");
    EXPECT_EQ("ab      z", s.Text(0));
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ("ab", s.Text(0));
}

TEST(TypingUndo, EnterAtByteZeroUndoesBackToOneRecord)
{
    EditScene s({"abc", "def"});
    s.PutCaret(1, 0, 0);
    s.Type("\r");
    EXPECT_EQ((std::vector<std::string>{"abc", "", "def"}), s.Texts());
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ((std::vector<std::string>{"abc", "def"}), s.Texts());
    EXPECT_EQ(1, s.View().caretRecord);
    EXPECT_EQ(0, s.View().caretByte);
}

}  // namespace
