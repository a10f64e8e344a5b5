#include <gtest/gtest.h>

#include <tuple>

#include "app/UndoCommand.h"
#include "platform/KeyScanCodes.h"
#include "records/UndoTestSupport.h"
#include "view/ViewTestSupport.h"

namespace {

TEST(UndoCommand, PutsTheCaretOnTheChangeAndCollapsesTheSelection)
{
    JournalScope journal;
    TestDocument doc({"abc", "def", "ghi"});
    TestView test;
    CAppViewBase& view = test.view;
    TypeAt(doc.List(), 2, 1, "XY");
    ASSERT_TRUE(journal.hooks.modified);

    // The caret and a selection stand elsewhere.
    view.selStartNode = doc.List().head;
    view.selStartRecord = 0;
    view.selStartByte = 1;
    view.selEndNode = doc.List().head->next;
    view.selEndRecord = 1;
    view.selEndByte = 2;

    ASSERT_TRUE(UndoLastEdit(view, EditsOf(doc.List())));
    EXPECT_EQ("ghi", Text(doc.List().tail));
    EXPECT_EQ(2, view.caretRecord);
    EXPECT_EQ(1, view.caretByte);
    EXPECT_EQ(doc.List().tail, view.caretNode);
    EXPECT_EQ(2, view.caretRow);
    EXPECT_EQ(1, view.caretCol);
    EXPECT_EQ(view.caretNode, view.selStartNode);
    EXPECT_EQ(view.caretNode, view.selEndNode);
    EXPECT_EQ(2, view.selStartRecord);
    EXPECT_EQ(2, view.selEndRecord);
    EXPECT_EQ(1, view.selStartByte);
    EXPECT_EQ(1, view.selEndByte);
    // The journal ran empty: the document is as it was.
    EXPECT_FALSE(journal.hooks.modified);
    EXPECT_FALSE(UndoLastEdit(view, EditsOf(doc.List())));
}

TEST(UndoCommand, ScrollsTheChangeIntoSight)
{
    JournalScope journal;
    TestDocument doc(NumberedRecords(100));
    TestView test(80, 10);
    TypeAt(doc.List(), 70, 0, "Z");
    ASSERT_EQ(0, test.view.topRow);
    ASSERT_TRUE(UndoLastEdit(test.view, EditsOf(doc.List())));
    EXPECT_EQ(70, test.view.caretRecord);
    EXPECT_LE(test.view.topRow, 70);
    EXPECT_GT(test.view.topRow + test.view.pageRows, 70);
    EXPECT_EQ(test.view.topRow, test.view.topRecord);
}

TEST(UndoCommand, PutsBackTheScrollRangeOfTheRecordsItRestores)
{
    JournalScope journal;
    TestDocument doc(NumberedRecords(100));
    TestView test(80, 10);
    CAppViewBase& view = test.view;
    // Records 10 to 89 deleted: 20 records are left.
    std::ignore = view.ExtendSelection(doc.List().head, 0, 0);
    RecordNode* start = doc.List().head;
    for (int i = 0; i < 10; ++i) start = start->next;
    RecordNode* end = start;
    for (int i = 0; i < 80; ++i) end = end->next;
    view.CollapseSelection();
    view.caretNode = start;
    view.caretRecord = 10;
    view.caretByte = 0;
    view.CollapseSelection();
    ASSERT_TRUE(view.ExtendSelection(end, 90, 0));
    view.OnKey(false, scan_code::kDelete);
    ASSERT_EQ(20, doc.List().recordCount);
    ASSERT_EQ(19, test.host.vertScroll.maximum);

    ASSERT_TRUE(UndoLastEdit(view, EditsOf(doc.List())));
    ASSERT_EQ(100, doc.List().recordCount);
    EXPECT_EQ(99, test.host.vertScroll.maximum);
    // Paging to the end keeps the bar with the view.
    view.OnKey(true, scan_code::kPageDown);
    EXPECT_EQ(99, view.caretRecord);
    EXPECT_EQ(view.topRow, test.host.vertScroll.position);
}

}  // namespace
