#include <gtest/gtest.h>

#include "commands/FindMessages.h"
#include "commands/JumpLogic.h"
#include "resources/Strings.h"
#include "view/EditTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

// "record:byte (row R) selected a-b" after a jump.
std::string Where(const CAppViewBase& v)
{
    return std::to_string(v.caretRecord) + ":" + std::to_string(v.caretByte) + " (row " + std::to_string(v.caretRow) +
           ") selected " + std::to_string(v.selStartByte) + "-" + std::to_string(v.selEndByte);
}

TEST(Jump, SelectRecordClampsTheNumberAndSelectsTheWholeRecord)
{
    EditScene scene(NumberedRecords(10));
    CJumpLogic jump;
    scene.PutCaret(2, 0, 5);
    jump.Jump(scene.View(), scene.List());  // value 0 at first
    EXPECT_EQ("0:0 (row 0) selected 0-8", Where(scene.View()));
    EXPECT_EQ(1, jump.jumpValue);
    jump.jumpValue = 999;
    jump.Jump(scene.View(), scene.List());
    EXPECT_EQ("9:0 (row 9) selected 0-8", Where(scene.View()));
    EXPECT_EQ(10, jump.jumpValue);
    scene.PutCaret(0, 0, 0);
    jump.jumpValue = 4294967301;  // cut to 32 bits: record 5
    jump.Jump(scene.View(), scene.List());
    EXPECT_EQ("9:0 (row 9) selected 0-8", Where(scene.View()));
    scene.View().ToggleHex();
    jump.jumpValue = 4;
    jump.Jump(scene.View(), scene.List());
    EXPECT_EQ("3:0 (row 9) selected 0-8", Where(scene.View()));
    EXPECT_EQ(scene.Counted(3), scene.View().caretNode);
    EXPECT_TRUE(scene.Consistent());
}

TEST(Jump, LengthSearchesWrapBothWaysAndKeepTheCaretInsideTheRecord)
{
    EditScene scene({"aaaa", "", "bb", "cccc", "", "dd"});
    CJumpLogic jump;
    jump.jumpMode = CJumpLogic::kRecordLength;
    scene.PutCaret(4, 0, 0);
    jump.Jump(scene.View(), scene.List());  // length 0, forward from the last empty record
    EXPECT_EQ("1:0 (row 1) selected 0-0", Where(scene.View()));
    jump.jumpValue = 2;
    jump.backward = 1;
    jump.Jump(scene.View(), scene.List());  // backward from record 1: wraps to the last
    EXPECT_EQ("5:0 (row 5) selected 0-2", Where(scene.View()));
    jump.backward = 0;
    scene.PutCaret(5, 0, 2);
    jump.jumpValue = 4;
    jump.Jump(scene.View(), scene.List());  // forward from the last: wraps to the first
    EXPECT_EQ("0:2 (row 0) selected 2-4", Where(scene.View()));
    scene.PutCaret(3, 0, 4);
    jump.jumpValue = 2;
    jump.Jump(scene.View(), scene.List());  // the column is held to the shorter record
    EXPECT_EQ("5:2 (row 5) selected 2-2", Where(scene.View()));
    EXPECT_TRUE(scene.platform.messageBox.boxes.empty());
    jump.jumpValue = 7;
    jump.Jump(scene.View(), scene.List());
    ASSERT_EQ(1u, scene.platform.messageBox.boxes.size());
    EXPECT_EQ(kMsgNoOtherRecords, scene.platform.messageBox.boxes[0].text);
    EXPECT_EQ(kCapJumpError, scene.platform.messageBox.boxes[0].caption);
    EXPECT_EQ("5:2 (row 5) selected 2-2", Where(scene.View()));
    EXPECT_TRUE(scene.Consistent());
}

TEST(Jump, LongestRecordAlternatesAndTrustsItsCacheWhileCountAndTotalHold)
{
    EditScene scene({"12345", "1", "123", "12345"});
    CJumpLogic jump;
    jump.jumpMode = CJumpLogic::kLongestRecord;
    jump.Jump(scene.View(), scene.List());
    EXPECT_EQ(3, scene.View().caretRecord);
    jump.Jump(scene.View(), scene.List());
    EXPECT_EQ(0, scene.View().caretRecord);
    EXPECT_EQ(5, jump.longestLength);

    // Typing into record 1 and deleting from record 3 keeps count and total:
    // the cached length stays in use, and record 0 is the only one of it.
    scene.PutCaret(1, 0, 1);
    scene.Type("xxx");
    scene.PutCaret(3, 0, 0);
    for (int i = 0; i < 3; ++i) scene.Key(0x53);  // Delete
    EXPECT_EQ((Strings{"12345", "1xxx", "123", "45"}), scene.Texts());
    scene.PutCaret(0, 0, 0);
    jump.Jump(scene.View(), scene.List());
    EXPECT_EQ(5, jump.longestLength);
    EXPECT_EQ(0, scene.View().caretRecord);
    ASSERT_EQ(1u, scene.platform.messageBox.boxes.size());
    EXPECT_EQ(kMsgNoOtherRecords, scene.platform.messageBox.boxes[0].text);
    // A change of the total finds the longest anew.
    scene.PutCaret(1, 0, 4);
    scene.Type("yy");
    jump.Jump(scene.View(), scene.List());
    EXPECT_EQ(6, jump.longestLength);
}

TEST(Jump, TheValueBoxTakesDigitsOfAnyLength)
{
    TestPlatform platform;
    std::int64_t value = 5;
    EXPECT_TRUE(ReadJumpValue("0042", value, nullptr));
    EXPECT_EQ(42, value);
    EXPECT_TRUE(ReadJumpValue("2147483648", value, nullptr));
    EXPECT_EQ(2147483648, value);
    EXPECT_TRUE(ReadJumpValue("4294967297", value, nullptr));
    EXPECT_EQ(4294967297, value);
    // Past 64 bits: the largest number, past the end of any document.
    EXPECT_TRUE(ReadJumpValue("123456789012345678901234567890", value, nullptr));
    EXPECT_EQ(INT64_MAX, value);
    EXPECT_TRUE(platform.messageBox.boxes.empty());
    for (const char* bad : {"", "-3", "12a"}) EXPECT_FALSE(ReadJumpValue(bad, value, nullptr)) << bad;
    EXPECT_EQ(3u, platform.messageBox.boxes.size());
    EXPECT_EQ(kMsgEnterInteger, platform.messageBox.boxes[0].text);
}

}  // namespace
