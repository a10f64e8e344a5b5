#include <gtest/gtest.h>

#include "records/RecordEdits.h"
#include "records/UndoTestSupport.h"

namespace {

// Each edit changes the records, journals and marks in one call; a refused
// one (told when it is for size) does none of the three.
TEST(RecordEdits, ARefusedEditChangesJournalsAndMarksNothing)
{
    JournalScope journal;
    auto list = ListOf({std::string(65534, 'a'), std::string(30000, 'b'), "c"});
    const std::vector<std::string> before = Records(*list);
    CRecordEdits edits = EditsOf(*list);
    RecordNode* full = list->head;
    RecordNode* last = list->tail;
    const std::uint8_t x = 'x';
    EXPECT_FALSE(edits.Type(full, 0, 0, &x, 1));  // would reach 65535 bytes
    EXPECT_FALSE(edits.Replace(full, 0, 0, 0, &x, 1));
    EXPECT_FALSE(edits.Overwrite(last, 2, 1, x, false));  // past the end
    EXPECT_FALSE(edits.DeleteByte(last, 2, 1));
    EXPECT_FALSE(edits.JoinNext(full, 0));  // merged too long
    EXPECT_FALSE(edits.JoinNext(last, 2));  // nothing to join
    EXPECT_FALSE(edits.ShiftBlock(false, full, 0, last, 2, SourceModeWith()));
    EXPECT_EQ(full, edits.RemoveRange(full, 0, 40000, 1, 0));  // joined too long
    EXPECT_EQ(before, Records(*list));
    EXPECT_FALSE(theUndoBuffer.CanUndo());
    EXPECT_FALSE(journal.hooks.modified);
    EXPECT_EQ(5u, journal.platform.messageBox.boxes.size());

    EXPECT_TRUE(edits.Overwrite(last, 2, 0, x, false));
    EXPECT_EQ("x", Text(last));
    EXPECT_TRUE(theUndoBuffer.CanUndo());
    EXPECT_TRUE(journal.hooks.modified);
}

}  // namespace
