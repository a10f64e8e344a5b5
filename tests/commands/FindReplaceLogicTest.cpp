#include <gtest/gtest.h>

#include "commands/FindMessages.h"
#include "commands/FindReplaceLogic.h"
#include "records/RecordMessages.h"
#include "records/UndoBuffer.h"
#include "view/EditTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

// The dialog's logic over a document in a view. Like the main frame's status
// refresh, the view refresh reports the caret movement.
class FindScene : public EditScene {
public:
    explicit FindScene(const Strings& records) : EditScene(records)
    {
        find.refreshView = [this] { find.CaretMoved(); };
    }
    CFindReplaceLogic& With(const std::string& text, const std::string& by = "", int direction = 0)
    {
        find.searchText = text;
        find.replaceText = by;
        find.direction = direction;
        return find;
    }
    bool Search(const std::string& text, int direction = 0) { return With(text, "", direction).Search(View(), List()); }
    bool Replace(const std::string& text, const std::string& by) { return With(text, by).Replace(View(), View().Edits()); }
    std::int64_t ReplaceAll(const std::string& text, const std::string& by)
    {
        return With(text, by).ReplaceAll(View(), View().Edits());
    }
    CFindReplaceLogic find;
};

std::string Box(const char* caption, const char* text)
{
    std::string box = caption;
    box += ": ";
    box += text;
    box += "\n";
    return box;
}

const std::string kNotFound = Box(kCapPatternNotFound, kMsgPatternNotFound);
const std::string kOnlySpanning = Box(kCapPatternNotFound, kMsgOnlySpanningMatches);

TEST(FindReplace, EscapesAndPlainTextFindStoredBytesInBothViews)
{
    FindScene scene({"x\ny", "A\xC1"});
    EXPECT_TRUE(scene.Search("\\n"));  // records hold no terminators: only a stored LF
    EXPECT_EQ("0:1-0:2", scene.Selection());
    for (const bool ascii : {true, false}) {
        scene.View().asciiView = ascii;
        scene.PutCaret(0, 0, 0);
        EXPECT_TRUE(scene.Search("\\x41"));
        EXPECT_EQ("1:0-1:1", scene.Selection());
        scene.PutCaret(0, 0, 0);
        EXPECT_TRUE(scene.Search("A"));
        EXPECT_EQ(ascii ? "1:0-1:1" : "1:1-1:2", scene.Selection());
    }
    // In the EBCDIC view a typed replacement is stored as EBCDIC.
    EXPECT_EQ(1, scene.ReplaceAll("\\x41", "B\\x42"));
    EXPECT_EQ((Strings{"x\ny", "\xC2\x42\xC1"}), scene.Texts());
    EXPECT_EQ("", scene.Boxes());
}

TEST(FindReplace, SearchWrapsBothWaysAndFindsItsOnlyMatchAgain)
{
    FindScene scene({"xx", "yy", "zq", ""});
    scene.PutCaret(2, 0, 2);
    EXPECT_TRUE(scene.Search("q"));
    EXPECT_EQ("2:1-2:2", scene.Selection());
    EXPECT_TRUE(scene.find.found && scene.find.replaceEnabled);
    EXPECT_TRUE(scene.Search("q"));  // past it, round the document, back to it
    EXPECT_EQ("2:1-2:2", scene.Selection());

    scene.PutCaret(0, 0, 0);
    scene.find.CaretMoved();
    EXPECT_TRUE(scene.Search("z", 1));  // backward from the first record: on to the last
    EXPECT_EQ("2:0-2:1", scene.Selection());
    scene.PutCaret(1, 0, 1);
    scene.find.CaretMoved();
    EXPECT_TRUE(scene.Search("xx", 1));  // the first record is searched too
    EXPECT_EQ("0:0-0:2", scene.Selection());

    // Backward from an empty record or a record's end, with nothing to find,
    // goes round once and stops.
    for (const int record : {3, 0}) {
        scene.PutCaret(record, 0, record == 0 ? 2 : 0);
        scene.find.CaretMoved();
        EXPECT_FALSE(scene.Search("w", 1));
        EXPECT_EQ(kNotFound, scene.Boxes());
        EXPECT_FALSE(scene.find.found || scene.find.replaceEnabled);
    }
}

TEST(FindReplace, AMatchAcrossRecordsIsSelectedButNeverReplaced)
{
    FindScene scene({"ab", "cd", "xb", "cd", "bc"});
    EXPECT_TRUE(scene.Search("bc"));
    EXPECT_EQ("0:1-1:1", scene.Selection());
    // Replace says why it leaves it, and moves on past the next one that
    // spans records to one it can replace.
    EXPECT_TRUE(scene.Replace("bc", "_"));
    EXPECT_EQ(kOnlySpanning, scene.Boxes());
    EXPECT_EQ("4:0-4:2", scene.Selection());
    EXPECT_FALSE(theUndoBuffer.CanUndo());
    EXPECT_TRUE(scene.Replace("bc", "_"));  // this one is replaced; round again to the first
    EXPECT_EQ((Strings{"ab", "cd", "xb", "cd", "_"}), scene.Texts());
    EXPECT_EQ("0:1-1:1", scene.Selection());
    EXPECT_EQ("", scene.Boxes());

    // Only matches across records are left: both commands say so, and
    // Replace has nothing to go on to.
    EXPECT_EQ(0, scene.ReplaceAll("bc", "_"));
    EXPECT_EQ(kOnlySpanning, scene.Boxes());
    EXPECT_TRUE(scene.Search("bc"));
    EXPECT_FALSE(scene.Replace("bc", "_"));
    EXPECT_EQ(kOnlySpanning, scene.Boxes());
    EXPECT_FALSE(scene.find.found || scene.find.replaceEnabled);
    EXPECT_EQ((Strings{"ab", "cd", "xb", "cd", "_"}), scene.Texts());
    ASSERT_TRUE(scene.Undo());
    EXPECT_EQ("bc", scene.Text(4));
    EXPECT_TRUE(scene.Consistent());
}

TEST(FindReplace, ReplacementsPastTheCounterLimitChangeNothing)
{
    FindScene scene({"a.a", "xa", "a"});  // 3 records, 6 bytes
    LoweredCounterLimit limit(9);
    // The first two records take their three bytes more before the last
    // one would pass the limit: all of them go back.
    scene.Select(1, 0, 1, 1);
    EXPECT_EQ(0, scene.ReplaceAll("a", "bb"));
    const std::string tooLarge = Box(kCapHoldUp, DocumentTooLargeMessage().c_str());
    EXPECT_EQ(tooLarge, scene.Boxes());
    EXPECT_EQ((Strings{"a.a", "xa", "a"}), scene.Texts());
    EXPECT_EQ("1:0-1:1", scene.Selection());
    EXPECT_FALSE(theUndoBuffer.CanUndo());

    EXPECT_TRUE(scene.Search("a"));
    EXPECT_EQ("0:0-0:1", scene.Selection());
    EXPECT_TRUE(scene.Replace("a", "bbbbb"));
    EXPECT_EQ(tooLarge, scene.Boxes());
    EXPECT_EQ((Strings{"a.a", "xa", "a"}), scene.Texts());
    EXPECT_EQ("0:0-0:1", scene.Selection());  // still on the match
    EXPECT_EQ(0, scene.document.modified);
}

TEST(FindReplace, TheDialogRefusesLongTextsAndKeepsTenDifferentTexts)
{
    FindScene scene({"abc"});
    const std::string twenty(20, 'q');
    EXPECT_FALSE(scene.Search(twenty + "q"));
    EXPECT_EQ(Box("Tabulon", kMsgTextTooLong), scene.Boxes());
    EXPECT_TRUE(scene.find.findItems.empty());
    EXPECT_FALSE(scene.Search(twenty));  // taken, and not found
    EXPECT_EQ(kNotFound, scene.Boxes());

    for (int i = 0; i <= 10; ++i) {
        std::string text = "t";
        text += std::to_string(i);
        scene.Search(text);
    }
    scene.Boxes();
    ASSERT_EQ(10u, scene.find.findItems.size());
    EXPECT_EQ("t10", scene.find.findItems.front());
    EXPECT_EQ("t1", scene.find.findItems.back());
    scene.Search("T5");  // the same text in other letters moves up
    EXPECT_EQ((Strings{"T5", "t10", "t9", "t8", "t7", "t6", "t4", "t3", "t2", "t1"}), scene.find.findItems);
    scene.Search("t5");  // at the top already: kept as it is
    EXPECT_EQ("T5", scene.find.findItems.front());
    scene.ReplaceAll("t9", "r");
    EXPECT_EQ((Strings{"t9", "T5", "t10", "t8", "t7", "t6", "t4", "t3", "t2", "t1"}), scene.find.findItems);
    EXPECT_EQ((Strings{"r"}), scene.find.replItems);
}

TEST(FindReplace, ReplaceAllFinishesAndOneUndoRestoresEveryByte)
{
    FindScene scene({"banana", "a", "", "aaa", "xyz"});
    scene.PutCaret(4, 0, 1);
    scene.Type("!");  // an older edit
    EXPECT_EQ(0, scene.ReplaceAll("q", "z"));
    EXPECT_EQ(kNotFound, scene.Boxes());
    const Strings before = scene.Texts();

    scene.PutCaret(0, 0, 3);
    EXPECT_EQ(7, scene.ReplaceAll("a", "aa"));
    EXPECT_EQ((Strings{"baanaanaa", "aa", "", "aaaaaa", "x!yz"}), scene.Texts());
    EXPECT_EQ("", scene.Boxes());
    // The caret stands on the last replacement made: the round ended in
    // the first record, before where it started.
    EXPECT_EQ(0, scene.View().caretRecord);
    EXPECT_EQ(1, scene.View().caretByte);
    EXPECT_EQ("0:1-0:1", scene.Selection());
    EXPECT_FALSE(scene.find.found);

    ASSERT_TRUE(scene.Undo());
    EXPECT_EQ(before, scene.Texts());
    EXPECT_EQ(0, scene.View().caretRecord);
    EXPECT_EQ(3, scene.View().caretByte);
    ASSERT_TRUE(scene.Undo());  // the older edit is next
    EXPECT_EQ("xyz", scene.Text(4));
    EXPECT_TRUE(scene.Consistent());
}

TEST(FindReplace, ReplacementsTheSizeLimitRefusesAreSkippedWithOneMessage)
{
    const std::string full(65533, 'a');
    FindScene scene({full, "a.a", full});
    EXPECT_EQ(2 + 2, scene.ReplaceAll("a", "bb"));  // one in each long record, two in the short one
    EXPECT_EQ(Box(kCapLineTooLong, kMsgRecordTooLarge), scene.Boxes());
    EXPECT_EQ("bb.bb", scene.Text(1));
    EXPECT_EQ(65534, scene.List().head->length);
    // A single Replace the limit refuses changes nothing, journals nothing
    // and moves on.
    scene.PutCaret(0, 0, 0);
    EXPECT_TRUE(scene.Search("a"));
    EXPECT_EQ("0:2-0:3", scene.Selection());
    EXPECT_TRUE(scene.Replace("a", "bb"));
    EXPECT_EQ(Box(kCapLineTooLong, kMsgRecordTooLarge), scene.Boxes());
    EXPECT_EQ("0:3-0:4", scene.Selection());
    EXPECT_EQ(65534, scene.List().head->length);
    ASSERT_TRUE(scene.Undo());
    EXPECT_EQ((Strings{full, "a.a", full}), scene.Texts());
}

TEST(FindReplace, TheSelectionBecomesTheSearchTextAndCaretMovesEndTheMatch)
{
    FindScene scene({"one a\\x\x01", "one"});
    scene.Select(0, 4, 0, 8);
    scene.View().caretByte = 8;  // dragged from left to right
    ASSERT_TRUE(scene.find.TakeSelection(scene.View()));
    EXPECT_EQ("a\\\\x\\x01", scene.find.searchText);
    EXPECT_TRUE(scene.find.found && scene.find.searchEnabled && scene.find.replaceAllEnabled);
    EXPECT_FALSE(scene.find.replaceEnabled);
    EXPECT_TRUE(scene.Search(scene.find.searchText));  // the selection itself, round again
    EXPECT_EQ("0:4-0:8", scene.Selection());

    scene.Select(1, 0, 1, 3);
    ASSERT_TRUE(scene.find.TakeSelection(scene.View()));
    EXPECT_TRUE(scene.Search("one"));  // goes on past the selection
    EXPECT_EQ("0:0-0:3", scene.Selection());
    EXPECT_TRUE(scene.find.replaceEnabled);
    scene.find.CaretMoved();
    EXPECT_FALSE(scene.find.found || scene.find.replaceEnabled);
}

}  // namespace
