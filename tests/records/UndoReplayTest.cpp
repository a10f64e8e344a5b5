#include <gtest/gtest.h>

#include <tuple>

#include "records/RecordMessages.h"
#include "records/ReplaceAllLog.h"
#include "records/UndoTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

std::string Repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

TEST(UndoReplay, ACutEndingAtColumn0IsUndoneWithoutAJoin)
{
    JournalScope journal;
    auto list = ListOf({"ab", "cd", "ef", "gh"});
    RecordNode* caret = EditsOf(*list).CutRange(theClipRecords, list->head, 0, 1, 2, 0);
    EXPECT_EQ((Strings{"aef", "gh"}), Records(*list));
    EXPECT_EQ(list->head, caret);
    EXPECT_TRUE(theClipRecords.endsWithBreak);
    journal.CaretAt(*list, 0, 1);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"ab", "cd", "ef", "gh"}), Records(*list));
    EXPECT_EQ(0, journal.view.caretRecord);
    EXPECT_EQ(1, journal.view.caretByte);
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(UndoReplay, APasteEndingWithALineBreakInsideARecordIsUndoneToOneRecord)
{
    JournalScope journal;
    auto list = ListOf({"xy", "z", "ABCDEF"});
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 0, 2, 0));  // "xy", "z" and the break after it
    RecordNode* target = list->tail;
    RecordIndex index = 2;
    int column = 2;
    RecordNode* caret = EditsOf(*list).PasteChain(theClipRecords, target, index, column);
    EXPECT_EQ((Strings{"xy", "z", "ABxy", "z", "CDEF"}), Records(*list));
    EXPECT_EQ(list->tail, caret);
    EXPECT_EQ(4, index);
    EXPECT_EQ(0, column);
    journal.CaretAt(*list, 4);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"xy", "z", "ABCDEF"}), Records(*list));
    EXPECT_EQ(2, journal.view.caretRecord);
    EXPECT_EQ(2, journal.view.caretByte);
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(UndoReplay, APasteOfEmptyRecordsTakesItsLineBreaksBackOut)
{
    // The pasted text is two line breaks and no bytes: a byte count alone
    // could not find them again.
    JournalScope journal;
    auto list = ListOf({"", "", "ABCD"});
    ASSERT_TRUE(list->CopyRange(theClipRecords, list->head, 0, 0, 2, 0));
    RecordIndex index = 2;
    int column = 2;
    std::ignore = EditsOf(*list).PasteChain(theClipRecords, list->tail, index, column);
    EXPECT_EQ((Strings{"", "", "AB", "", "CD"}), Records(*list));
    journal.CaretAt(*list, 4);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"", "", "ABCD"}), Records(*list));
}

TEST(UndoReplay, OnlyTheLast20EditsCanBeUndone)
{
    JournalScope journal;
    auto list = ListOf({""});
    for (int edit = 0; edit < 25; ++edit) TypeAt(*list, 0, 0, "x");  // each at column 0: never merged
    int undone = 0;
    journal.CaretAt(*list, 0);
    while (theUndoBuffer.CanUndo()) {
        ASSERT_TRUE(journal.Undo(*list));
        ++undone;
    }
    EXPECT_EQ(20, undone);
    EXPECT_EQ(Repeat('x', 5), Text(list->head));
    // Five edits are still in the document: it stays modified, so that they
    // are not lost without a question when the document is closed.
    EXPECT_TRUE(journal.hooks.modified);
    EXPECT_EQ(0, journal.hooks.cleared);
}

TEST(UndoReplay, UndoingEverySinceTheLastSaveClearsTheModifiedState)
{
    JournalScope journal;
    auto list = ListOf({"abc"});
    for (int edit = 0; edit < 20; ++edit) TypeAt(*list, 0, 0, "x");
    EXPECT_TRUE(journal.hooks.modified);
    journal.CaretAt(*list, 0);
    for (int i = 0; i < 19; ++i) ASSERT_TRUE(journal.Undo(*list));
    EXPECT_TRUE(journal.hooks.modified);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("abc", Text(list->head));
    EXPECT_FALSE(journal.hooks.modified);
    EXPECT_EQ(1, journal.hooks.cleared);
    EXPECT_FALSE(theUndoBuffer.CanUndo());
    EXPECT_FALSE(journal.Undo(*list));  // nothing left: the document is not touched

    // A save empties the journal: Undo is disabled until the next edit.
    TypeAt(*list, 0, 3, "d");
    theUndoBuffer.Reset();
    EXPECT_FALSE(theUndoBuffer.CanUndo());
}

TEST(UndoReplay, AnEntryWhosePlaceNoLongerExistsIsDroppedWithTheJournal)
{
    struct Case {
        const char* what;
        void (*record)();
    };
    const Case cases[] = {
        {"record past the end", [] { theUndoBuffer.RecordTyped(5, 0); }},
        {"column past the record's end", [] { theUndoBuffer.RecordTyped(0, 2, 3); }},
        {"deletion past the end", [] { theUndoBuffer.RecordDeletedChar(1, 9, 'q'); }},
        {"overwrite running past the end", [] { theUndoBuffer.RecordOverwrite(1, 1, 'q'); theUndoBuffer.RecordOverwrite(1, 2, 'r'); }},
        {"join of a record that is gone", [] { theUndoBuffer.RecordJoin(4, 0); }},
        {"split whose upper part changed", [] { theUndoBuffer.RecordSplit(0, 1, 0); }},
        {"paste longer than what follows", [] { theUndoBuffer.RecordPaste(1, 0, 3, 1); }},
        {"indent that is not there", [] { theUndoBuffer.RecordBlockIndent(0, 1, 4); }},
        {"replace all whose text is gone", [] {
             auto* log = new CReplaceAllLog(U("xx"), 2, 1);
             log->Add(0, 1, U("b"));
             theUndoBuffer.RecordReplaceAll(0, 0, log);
         }},
    };
    for (const Case& c : cases) {
        JournalScope journal;
        auto list = ListOf({"abc", "de"});
        TypeAt(*list, 0, 3, "!");  // an older entry that would fit
        c.record();
        journal.hooks.modified = true;
        journal.CaretAt(*list, 1);
        EXPECT_FALSE(journal.Undo(*list)) << c.what;
        EXPECT_EQ((Strings{"abc!", "de"}), Records(*list)) << c.what;
        EXPECT_TRUE(ListIsConsistent(*list)) << c.what;
        EXPECT_FALSE(theUndoBuffer.CanUndo()) << c.what;
        EXPECT_TRUE(journal.hooks.modified) << c.what;
        ASSERT_EQ(1u, journal.platform.messageBox.boxes.size()) << c.what;
        EXPECT_EQ(kMsgUndoOutOfStep, journal.platform.messageBox.boxes[0].text);
        // What comes after is journaled and undone as usual, but the
        // document never counts as back at its saved state.
        TypeAt(*list, 1, 0, "z");
        ASSERT_TRUE(journal.Undo(*list)) << c.what;
        EXPECT_TRUE(journal.hooks.modified) << c.what;
    }
}

TEST(UndoReplay, RecordsOfTheFullSizeComeBackWhole)
{
    // Loading may leave records of 65535 bytes, one more than an edit may
    // make: undoing a deletion or a join must still restore them.
    JournalScope journal;
    const std::string full = Repeat('a', 65535);
    auto list = ListOf({full, "tail"});
    DeleteAt(*list, 0, 100);
    theUndoBuffer.RecordReplace(0, 0, 0, U(full), 10);
    EXPECT_TRUE(list->Splice(list->head, 0, 10, nullptr, 0));
    journal.CaretAt(*list, 0);
    ASSERT_TRUE(journal.Undo(*list));
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(full, Text(list->head));
    EXPECT_TRUE(ListIsConsistent(*list));

    // Enter with smart indent in a full record, then Undo: the indent goes
    // before the join, so the join fits.
    auto indented = ListOf({"  " + Repeat('b', 65533)});
    int column = 40000;
    EXPECT_NE(nullptr, EditsOf(*indented).Split(indented->head, 0, column, true));
    ASSERT_EQ(2, column);
    journal.CaretAt(*indented, 1, 2);
    ASSERT_TRUE(journal.Undo(*indented));
    EXPECT_EQ("  " + Repeat('b', 65533), Text(indented->head));
    EXPECT_EQ(1, indented->recordCount);
}

TEST(UndoReplay, TheFirstVisibleRecordKeepsItsIndexWhenRecordsGoOrComeBack)
{
    JournalScope journal;
    auto list = ListOf({"0", "1", "2", "3", "4", "5", "6", "7"});
    std::ignore = EditsOf(*list).RemoveRange(list->head->next, 1, 0, 4, 0);  // records 1 to 3
    EXPECT_EQ((Strings{"0", "4", "5", "6", "7"}), Records(*list));
    journal.CaretAt(*list, 0, 0, 2);  // "5" on top
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(2, journal.view.topRecord);
    EXPECT_EQ("2", Text(journal.view.topNode));
    EXPECT_EQ(FindRelative(list->head, 2), journal.view.topNode);

    // The top record itself replaced by the change.
    std::ignore = EditsOf(*list).RemoveRange(list->head, 0, 0, 8, 0);
    journal.CaretAt(*list, 0, 0, 0);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(list->head, journal.view.topNode);
    EXPECT_EQ("0", Text(journal.view.topNode));
}

TEST(UndoReplay, ReplaceAllPutsBackExactlyWhatItsLogHolds)
{
    // Two replacements of "find" by "xy" in record 0 and one in record 2,
    // the last one over bytes that differed ("FIND"); the records already
    // hold "xy" elsewhere, which must stay.
    JournalScope journal;
    auto list = ListOf({"xyaxyxy", "xy", "bxy"});
    auto* log = new CReplaceAllLog(U("xy"), 2, 4);
    log->Add(0, 3, U("find"));
    log->Add(0, 5, U("find"));
    log->Add(2, 1, U("FIND"));
    EXPECT_EQ(3u, log->Count());
    theUndoBuffer.RecordReplaceAll(1, 1, log);
    journal.CaretAt(*list, 2, 3);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"xyafindfind", "xy", "bFIND"}), Records(*list));
    EXPECT_TRUE(ListIsConsistent(*list));
    EXPECT_EQ(1, journal.view.caretRecord);
    EXPECT_EQ(1, journal.view.caretByte);
    EXPECT_FALSE(theUndoBuffer.CanUndo());
}

}  // namespace
