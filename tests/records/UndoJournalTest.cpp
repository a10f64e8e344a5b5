#include <gtest/gtest.h>

#include "records/ByteRun.h"
#include "records/UndoTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

TEST(UndoJournal, TwentyTypedCharactersMakeEntriesOf16And4)
{
    JournalScope journal;
    auto list = ListOf({"[]"});
    TypeAt(*list, 0, 1, "abcdefghijklmnopqrst");
    ASSERT_EQ(UndoKind::Typed, theUndoBuffer.Newest()->Kind());
    EXPECT_EQ(17, theUndoBuffer.Newest()->Column());
    EXPECT_EQ(4, theUndoBuffer.Newest()->TypedCount());

    journal.CaretAt(*list, 0, 21);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(Strings{"[abcdefghijklmnop]"}, Records(*list));
    EXPECT_EQ(17, journal.view.caretByte);
    EXPECT_EQ(16, theUndoBuffer.Newest()->TypedCount());
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(Strings{"[]"}, Records(*list));
    EXPECT_FALSE(theUndoBuffer.CanUndo());
    EXPECT_TRUE(ListIsConsistent(*list));
}

// Cut to 32 bits, record 4294967296 would be record 0: typing there would
// merge with the far entry, and Undo would take a byte out of record 0.
TEST(UndoJournal, EntriesKeepRecordIndexesAndCountsPast32Bits)
{
    JournalScope journal;
    auto list = ListOf({"abc", "de"});
    theUndoBuffer.RecordTyped(4294967296, 1);
    TypeAt(*list, 0, 2, "x");
    EXPECT_EQ(0, theUndoBuffer.Newest()->Line());
    EXPECT_EQ(1, theUndoBuffer.Newest()->TypedCount());
    journal.CaretAt(*list, 0, 3);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(4294967296, theUndoBuffer.Newest()->Line());
    EXPECT_FALSE(journal.Undo(*list));  // no such record here: dropped, nothing applied
    EXPECT_EQ((Strings{"abc", "de"}), Records(*list));

    // Block indent keeps its last record in the column field; paste keeps
    // its byte total and line breaks.
    const UndoEntry indent = UndoEntry::BlockIndent(4294967297, 6442450944, 4);
    EXPECT_EQ(4294967297, indent.Line());
    EXPECT_EQ(6442450944, indent.LastLine());
    EXPECT_EQ(4, indent.IndentSpaces());
    const UndoEntry paste = UndoEntry::Paste(2147483648, 3, 6442450945, 3000000000);
    EXPECT_EQ(2147483648, paste.Line());
    EXPECT_EQ(3, paste.Column());
    EXPECT_EQ(6442450945, paste.PastedBytes());
    EXPECT_EQ(3000000000, paste.PastedLineBreaks());
}

TEST(UndoJournal, TypingInAnotherPlaceOrRecordStartsANewEntry)
{
    JournalScope journal;
    auto list = ListOf({"abc", "def"});
    TypeAt(*list, 0, 1, "x");
    TypeAt(*list, 0, 3, "y");  // not where the last one ended
    TypeAt(*list, 1, 0, "z");  // another record
    journal.CaretAt(*list, 1);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"axbyc", "def"}), Records(*list));
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"axbc", "def"}), Records(*list));
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"abc", "def"}), Records(*list));
}

TEST(UndoJournal, ATabTypedAsSpacesIsOneInsertionThatMergesWithTyping)
{
    JournalScope journal;
    auto list = ListOf({"ab"});
    TypeAt(*list, 0, 2, "cd");
    EXPECT_TRUE(EditsOf(*list).Type(list->head, 0, 4, U("    "), 4));  // Tab under srcType
    TypeAt(*list, 0, 8, "e");
    EXPECT_EQ(7, theUndoBuffer.Newest()->TypedCount());
    // A run that no longer fits the 16 bytes starts an entry of its own.
    TypeAt(*list, 0, 9, "fghijklmn");
    EXPECT_TRUE(EditsOf(*list).Type(list->head, 0, 18, U("    "), 4));
    EXPECT_EQ(18, theUndoBuffer.Newest()->Column());

    journal.CaretAt(*list, 0, 22);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("abcd    efghijklmn", Text(list->head));
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("ab", Text(list->head));
}

TEST(UndoJournal, ThreeBackspacesOrDeletesAreUndoneAtOnceInTheirOrder)
{
    JournalScope journal;
    auto list = ListOf({"abcdefgh"});
    BackspaceAt(*list, 0, 5);
    BackspaceAt(*list, 0, 4);
    BackspaceAt(*list, 0, 3);
    EXPECT_EQ("abfgh", Text(list->head));
    DeleteAt(*list, 0, 3);  // a Delete elsewhere is a new entry
    DeleteAt(*list, 0, 3);
    EXPECT_EQ("abf", Text(list->head));

    journal.CaretAt(*list, 0, 3);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("abfgh", Text(list->head));
    EXPECT_EQ(3, journal.view.caretByte);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("abcdefgh", Text(list->head));
    EXPECT_EQ(2, journal.view.caretByte);
    EXPECT_FALSE(theUndoBuffer.CanUndo());
}

TEST(UndoJournal, DeletionRunsStopAt16Bytes)
{
    JournalScope journal;
    auto list = ListOf({std::string(20, 'x') + "abc"});
    for (int caret = 20; caret > 2; --caret) BackspaceAt(*list, 0, caret);  // 18 bytes
    EXPECT_EQ(2, theUndoBuffer.Newest()->SavedBytes()->length);
    journal.CaretAt(*list, 0, 2);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(std::string(4, 'x') + "abc", Text(list->head));
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(std::string(20, 'x') + "abc", Text(list->head));
}

TEST(UndoJournal, ThreeOverwritesAreUndoneAtOnce)
{
    JournalScope journal;
    auto list = ListOf({"abcdef"});
    OverwriteAt(*list, 0, 1, 'X');
    OverwriteAt(*list, 0, 2, 'Y');
    OverwriteAt(*list, 0, 3, 'Z');
    EXPECT_EQ("aXYZef", Text(list->head));
    journal.CaretAt(*list, 0, 4);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("abcdef", Text(list->head));
    EXPECT_EQ(1, journal.view.caretByte);
    EXPECT_FALSE(theUndoBuffer.CanUndo());
}

TEST(UndoJournal, TwoHexDigitsOverOneByteAreUndoneToItsFormerValue)
{
    JournalScope journal;
    auto list = ListOf({"\x41\x42"});
    OverwriteAt(*list, 0, 0, 0x71);  // first digit: the high nibble
    OverwriteAt(*list, 0, 0, 0x7F, true);
    EXPECT_EQ(0, theUndoBuffer.Current());  // the second digit added nothing
    journal.CaretAt(*list, 0, 1);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("\x41\x42", Text(list->head));
    EXPECT_FALSE(theUndoBuffer.CanUndo());
}

TEST(UndoJournal, HexDigitsInInsertModeAreOneTypedByte)
{
    JournalScope journal;
    auto list = ListOf({"ab"});
    TypeAt(*list, 0, 1, "\x70");
    OverwriteAt(*list, 0, 1, 0x7E, true);
    // A second digit somewhere the newest entry does not end is an overwrite.
    OverwriteAt(*list, 0, 0, 'Q', true);
    EXPECT_EQ(UndoKind::Overwrite, theUndoBuffer.Newest()->Kind());

    journal.CaretAt(*list, 0);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("a\x7E" "b", Text(list->head));
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("ab", Text(list->head));
}

TEST(UndoJournal, JoinAndSplitAreUndoneWithTheCaretWhereTheyHappened)
{
    JournalScope journal;
    auto list = ListOf({"abc", "def", ""});
    EXPECT_TRUE(EditsOf(*list).JoinNext(list->head, 0));
    EXPECT_TRUE(EditsOf(*list).JoinNext(list->head, 0));  // an empty record joined on
    int column = 0;
    EXPECT_NE(nullptr, EditsOf(*list).Split(list->head, 0, column, false));  // Enter at column 0
    EXPECT_EQ((Strings{"", "abcdef"}), Records(*list));

    journal.CaretAt(*list, 1, 0);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ(Strings{"abcdef"}, Records(*list));
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"abcdef", ""}), Records(*list));
    EXPECT_EQ(1, journal.view.caretRecord);  // the start of the lower record
    EXPECT_EQ(list->tail, journal.view.caretNode);
    EXPECT_EQ(0, journal.view.caretByte);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"abc", "def", ""}), Records(*list));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(UndoJournal, EnterWithSmartIndentIsUndoneWithItsIndent)
{
    JournalScope journal;
    auto list = ListOf({"    abc", "next"});
    int column = 7;
    EXPECT_NE(nullptr, EditsOf(*list).Split(list->head, 0, column, true));
    ASSERT_EQ(4, column);
    EXPECT_EQ((Strings{"    abc", "    ", "next"}), Records(*list));
    journal.CaretAt(*list, 1, 4);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"    abc", "next"}), Records(*list));
    EXPECT_EQ(0, journal.view.caretRecord);
    EXPECT_EQ(7, journal.view.caretByte);
    EXPECT_EQ(11, list->totalBytes);
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(UndoJournal, ReplaceIsUndoneToTheOldText)
{
    JournalScope journal;
    auto list = ListOf({"say hello there"});
    EXPECT_TRUE(EditsOf(*list).Replace(list->head, 0, 4, 5, U("bye"), 3));
    EXPECT_EQ("say bye there", Text(list->head));
    journal.CaretAt(*list, 0, 7);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ("say hello there", Text(list->head));
    EXPECT_EQ(4, journal.view.caretByte);
}

TEST(UndoJournal, BlockIndentIsUndoneWithTheIndentItUsed)
{
    JournalScope journal;
    auto list = ListOf({"a", "  b", "\tc", "d"});
    ASSERT_TRUE(EditsOf(*list).ShiftBlock(false, list->head, 0, list->head->next->next, 2, SourceModeWith(3, true, true)));
    EXPECT_EQ((Strings{"   a", "     b", "   \tc", "d"}), Records(*list));
    EXPECT_EQ(3, theUndoBuffer.Newest()->IndentSpaces());
    journal.CaretAt(*list, 3, 0, 1);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"a", "  b", "\tc", "d"}), Records(*list));
    EXPECT_EQ(0, journal.view.caretRecord);
    EXPECT_EQ(0, journal.view.caretByte);
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(UndoJournal, BlockUnindentIsUndoneFromItsSnapshot)
{
    JournalScope journal;
    auto list = ListOf({"x", "      six", "\ttab", "  two", "y"});
    RecordNode* first = list->head->next;
    RecordNode* last = first->next->next;
    ASSERT_TRUE(EditsOf(*list).ShiftBlock(true, first, 1, last, 3, SourceModeWith(4)));
    EXPECT_EQ((Strings{"x", "  six", "tab", "two", "y"}), Records(*list));
    journal.CaretAt(*list, 4);
    ASSERT_TRUE(journal.Undo(*list));
    EXPECT_EQ((Strings{"x", "      six", "\ttab", "  two", "y"}), Records(*list));
    EXPECT_TRUE(ListIsConsistent(*list));
}

TEST(UndoJournal, ByteRunsGrowInStepsOf8)
{
    EXPECT_EQ(8, ByteRunCapacityFor(0));
    EXPECT_EQ(8, ByteRunCapacityFor(7));
    EXPECT_EQ(16, ByteRunCapacityFor(8));
    EXPECT_EQ(65535, ByteRunCapacityFor(65535));
    RecordNode* run = NewByteRun(U("abcdefg"), 7);
    ASSERT_NE(nullptr, run);
    EXPECT_EQ(8, run->capacity);
    ASSERT_TRUE(AppendToByteRun(run, 'h'));
    EXPECT_EQ(8, run->capacity);  // grows only when the bytes no longer fit
    ASSERT_TRUE(PrependToByteRun(run, '_'));
    EXPECT_EQ(16, run->capacity);
    EXPECT_EQ("_abcdefgh", Text(run));
    FreeByteRuns(run);
}

}  // namespace
