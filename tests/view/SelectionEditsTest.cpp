#include <gtest/gtest.h>

#include "platform/KeyScanCodes.h"
#include "view/EditTestSupport.h"

namespace {

using scan_code::kDelete;

TEST(SelectionEdits, DeleteRemovesASelectionOverThreeRecords)
{
    EditScene s({"zero", "one", "two", "three", "four"});
    s.PutCaret(3, 0, 2);
    s.Select(1, 1, 3, 2);
    s.Key(kDelete);
    EXPECT_EQ((std::vector<std::string>{"zero", "oree", "four"}), s.Texts());
    EXPECT_EQ(1, s.View().caretRecord);
    EXPECT_EQ(1, s.View().caretByte);
    EXPECT_FALSE(s.View().HasSelection());
    EXPECT_EQ(2, s.View().vertScroll.maximum);
    EXPECT_GE(s.document.modified, 1);
    EXPECT_TRUE(s.Consistent());

    ASSERT_TRUE(s.Undo());
    EXPECT_EQ((std::vector<std::string>{"zero", "one", "two", "three", "four"}), s.Texts());
}

TEST(SelectionEdits, ARefusedDeletionChangesNothing)
{
    EditScene s({std::string(40000, 'a'), "mid", std::string(30000, 'b')});
    s.Select(0, 40000, 2, 0);  // would join 40000 + 30000
    s.Key(kDelete);
    EXPECT_EQ(3, s.List().recordCount);
    EXPECT_TRUE(s.View().HasSelection());
    ASSERT_EQ(1u, s.platform.messageBox.boxes.size());
    EXPECT_EQ("Record exceeds maximum size.  Operation aborted.", s.platform.messageBox.boxes[0].text);
    EXPECT_EQ(0, s.document.modified);
    EXPECT_EQ(0, s.Host().statusUpdates);

    s.Type("x");  // typing over it is refused the same way
    EXPECT_EQ(3, s.List().recordCount);
    EXPECT_EQ(2u, s.platform.messageBox.boxes.size());
    EXPECT_TRUE(s.View().HasSelection());
}

TEST(SelectionEdits, TypingReplacesTheSelectionAndBackspaceOnlyRemovesIt)
{
    EditScene s({"abcdef", "ghijkl", "mnop"});
    s.Select(0, 2, 1, 3);
    s.Type("x");
    EXPECT_EQ((std::vector<std::string>{"abxjkl", "mnop"}), s.Texts());
    EXPECT_EQ(3, s.View().caretByte);
    EXPECT_TRUE(s.Consistent());

    s.PutCaret(1, 0, 3);
    s.Select(1, 1, 1, 3);
    s.Type("\b");
    EXPECT_EQ((std::vector<std::string>{"abxjkl", "mp"}), s.Texts());
    EXPECT_EQ(1, s.View().caretByte);

    s.Select(0, 4, 1, 0);  // Enter over a selection ending at a line break
    s.Type("\r");
    EXPECT_EQ((std::vector<std::string>{"abxj", "mp"}), s.Texts());
    EXPECT_EQ(1, s.View().caretRecord);
    EXPECT_EQ(0, s.View().caretByte);
    EXPECT_TRUE(s.Consistent());
}

TEST(SelectionEdits, DeletingASelectionUnderTheTopRecordKeepsTheViewOnLiveRecords)
{
    EditScene s(NumberedRecords(60), 80, 10);
    s.Select(5, 3, 25, 2);
    s.View().SetTopRow(12);  // the top record is among those removed
    s.Key(kDelete);
    EXPECT_TRUE(s.Consistent());
    EXPECT_EQ("reccord 25", s.Text(5));

    s.PutCaret(3, 0, 0);
    s.Select(3, 0, 5, 0);
    s.View().SetTopRow(3);  // the top record is the selection's first, removed whole
    s.Type("y");
    EXPECT_EQ(3, s.View().topRecord);
    EXPECT_TRUE(s.Consistent());
}

TEST(SelectionEdits, WholeDocumentSelectionLeavesOneRecord)
{
    EditScene s({"a", "b", "c"});
    s.Select(0, 0, 2, 1);
    s.Key(kDelete);
    EXPECT_EQ((std::vector<std::string>{""}), s.Texts());
    EXPECT_TRUE(s.Consistent());
}

TEST(SelectionEdits, TabIndentsAndShiftTabUnindentsTheBlock)
{
    EditScene s({"r0", "r1", "r2", "r3 with text", "  r4", "\tr5", "r6", "r7"});
    theSettings.srcSmart = true;
    theSettings.srcType = false;
    theSettings.srcMark = 4;
    s.View().ToggleSource();
    s.Select(3, 5, 6, 0);
    s.Type("\t");
    EXPECT_EQ((std::vector<std::string>{"r0", "r1", "r2", "\tr3 with text", "\t  r4", "\t\tr5", "r6", "r7"}),
              s.Texts());
    EXPECT_EQ(3, s.View().selStartRecord);
    EXPECT_EQ(0, s.View().selStartByte);
    EXPECT_EQ(5, s.View().selEndRecord);
    EXPECT_EQ(4, s.View().selEndByte);
    EXPECT_EQ(5, s.View().caretRecord);
    EXPECT_EQ(4, s.View().caretByte);
    EXPECT_TRUE(s.Consistent());

    s.Type("\t", true);  // Shift+Tab, then again
    s.Type("\t", true);
    EXPECT_EQ((std::vector<std::string>{"r0", "r1", "r2", "r3 with text", "r4", "r5", "r6", "r7"}), s.Texts());
    EXPECT_TRUE(s.Consistent());

    ASSERT_TRUE(s.Undo());  // the second unindent comes back
    EXPECT_EQ((std::vector<std::string>{"r0", "r1", "r2", "r3 with text", "  r4", "\tr5", "r6", "r7"}), s.Texts());
}

TEST(SelectionEdits, TabWithSpacesIndentsARecordInsideTheSelection)
{
    EditScene s({"alpha", "beta"});
    theSettings.srcSmart = true;
    theSettings.srcType = true;
    theSettings.srcMark = 3;
    s.View().ToggleSource();
    s.Select(1, 1, 1, 3);
    s.Type("\t");
    EXPECT_EQ((std::vector<std::string>{"alpha", "   beta"}), s.Texts());
    EXPECT_EQ(0, s.View().selStartByte);
    EXPECT_EQ(7, s.View().selEndByte);

    const int marks = s.document.modified;
    s.Select(0, 0, 0, 5);  // nothing to unindent: not a change
    s.Type("\t", true);
    EXPECT_EQ(marks, s.document.modified);
}

TEST(SelectionEdits, TabOnASelectionOutsideSourceModeReplacesIt)
{
    EditScene s({"alpha"});
    s.Select(0, 1, 0, 3);
    s.Type("\t");
    EXPECT_EQ("a\tha", s.Text(0));
}

}  // namespace
