#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>
#include <wx/clipbrd.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/DialogDriver.h"
#include "gui/GuiApp.h"
#include "gui/ShellFixture.h"
#include "platform/CanonicalPath.h"
#include "records/ClipRecords.h"
#include "records/RecordList.h"
#include "resources/ResourceIds.h"
#include "support/TempDir.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"

namespace {

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// The document's records, in order.
std::vector<std::string> Records()
{
    std::vector<std::string> out;
    for (const RecordNode* n = theRecordList->head; n; n = n->next)
        out.emplace_back(reinterpret_cast<const char*>(n->data), n->length);
    return out;
}

class Clipboard : public ShellTest {
protected:
    void TearDown() override
    {
        for (int pid : children_) ::kill(pid, SIGTERM);
        ShellTest::TearDown();
    }

    // Opens bytes as a UNIX text document (zero bytes stay data).
    void Open(const std::string& bytes, const std::string& name = "data.txt")
    {
        path = dir.File(name);
        WriteFileBytes(path, bytes);
        Doc().SetModifiedFlag(false);
        ASSERT_TRUE(Doc().OpenFile(path, 2, 0));
        Frame().ResetView();
        GuiApp::ProcessEvents(100);
    }
    void Select(int startRecord, int startByte, int endRecord, int endByte)
    {
        CAppViewBase& v = *theView;
        v.selStartRecord = startRecord;
        v.selStartByte = startByte;
        v.selStartNode = v.NodeAt(startRecord);
        v.selEndRecord = endRecord;
        v.selEndByte = endByte;
        v.selEndNode = v.NodeAt(endRecord);
        v.caretRecord = endRecord;
        v.caretByte = endByte;
        v.caretNode = v.selEndNode;
    }
    std::string Message() { return Frame().PaneText(CMainFrame::kMessagePane).utf8_string(); }

    // Runs a shell command in the background while this program keeps
    // answering clipboard requests; its output, or "FAILED" when it did
    // not end in time or ended with an error.
    std::string Run(const std::string& command, int timeoutMs = 10000)
    {
        const std::string out = dir.File("run.out");
        const std::string done = dir.File("run.done");
        std::remove(done.c_str());
        const std::string script = "{ ( " + command + " ) >" + Quoted(out) + " 2>/dev/null; echo $? >" +
                                   Quoted(done + ".tmp") + "; mv " + Quoted(done + ".tmp") + " " +
                                   Quoted(done) + "; } &";
        if (std::system(script.c_str()) != 0) return "FAILED";
        static std::string donePath;
        donePath = done;
        if (!GuiApp::RunUntil([] { return FileExists(donePath); }, timeoutMs)) return "FAILED";
        return ReadFileBytes(done) == "0\n" ? ReadFileBytes(out) : "FAILED";
    }
    // Starts a command in the background and remembers it for the end.
    void Start(const std::string& command)
    {
        const std::string pidFile = dir.File("pid");
        ASSERT_EQ(0, std::system((command + " & echo $! >" + Quoted(pidFile)).c_str()));
        children_.push_back(std::atoi(ReadFileBytes(pidFile).c_str()));
    }
    // Gives up the clipboard, so that the next owner can be told apart.
    static void ClearClipboard()
    {
        wxClipboardLocker locker;
        wxTheClipboard->Clear();
    }
    // Another program puts text on the clipboard.
    void PutText(const std::string& bytes)
    {
        ClearClipboard();
        WriteFileBytes(dir.File("clip.in"), bytes);
        Start("xclip -quiet -selection clipboard -i " + Quoted(dir.File("clip.in")) + " 2>/dev/null");
        for (int i = 0; i < 100 && Run("xclip -selection clipboard -o") != bytes; ++i) GuiApp::ProcessEvents(50);
    }

    std::string path;
    std::vector<int> children_;
};

TEST_F(Clipboard, CopyOffersTheBlockAndTheTextToOtherPrograms)
{
    Open("abcdefg\nsecond\n");
    Select(0, 2, 0, 5);
    Command(ID_EDIT_COPY);
    EXPECT_EQ("1:3 - 1:5 (1 total) copied to Clipboard", Message());
    const std::string targets = Run("xclip -selection clipboard -t TARGETS -o");
    EXPECT_NE(std::string::npos, targets.find("KELVOX\n")) << targets;
    EXPECT_NE(std::string::npos, targets.find("UTF8_STRING\n")) << targets;
    EXPECT_EQ(std::string("\x0a\0\0\0\0\x03\0cde", 10), Run("xclip -selection clipboard -t KELVOX -o"));

    // Records 1 and 2 with their line breaks; the text without its zero.
    Select(0, 0, 2, 0);
    Command(ID_EDIT_COPY);
    EXPECT_EQ("abcdefg\r\nsecond\r\n", Run("xclip -selection clipboard -t UTF8_STRING -o"));
    EXPECT_EQ(std::string("\x16\0\0\0\x01\x07\0abcdefg\x06\0second", 22),
              Run("xclip -selection clipboard -t KELVOX -o"));
}

TEST_F(Clipboard, TextOfOtherProgramsPastesAsRecords)
{
    for (const std::string text : {"a\r\nb\r\n", "a\nb\n"}) {
        Open("xy");
        PutText(text);
        theView->caretByte = 1;
        Command(ID_EDIT_PASTE);
        EXPECT_EQ((std::vector<std::string>{"xa", "b", "y"}), Records()) << text;
        EXPECT_EQ("2 line(s) pasted from Clipboard", Message());
    }
}

TEST_F(Clipboard, LargeTransfersGoBothWays)
{
    // Well beyond what one X request carries: the toolkit sends it in parts.
    std::string big;
    for (int i = 0; i < 30000; ++i) big += std::string(99, static_cast<char>('a' + i % 26)) + "\n";
    Open(big);
    Select(0, 0, 30000, 0);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(std::to_string(5 + 30000 * 101) + "\n", Run("xclip -selection clipboard -t KELVOX -o | wc -c"));

    PutText(big);
    Open("");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ("30000 line(s) pasted from Clipboard", Message());
    EXPECT_EQ(30001, theRecordList->recordCount);
    EXPECT_EQ(30000 * 99, theRecordList->totalBytes);
}

TEST_F(Clipboard, AZeroByteSurvivesCopyAndPasteAndUndoRestoresTheDocument)
{
    const std::string withZero("a\0b", 3);
    Open(withZero + "\nlast\n");
    const std::vector<std::string> before = Records();
    Select(0, 0, 1, 0);
    Command(ID_EDIT_COPY);
    Select(1, 2, 1, 2);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((std::vector<std::string>{withZero, "la" + withZero, "st"}), Records());
    EXPECT_EQ('*', Title().back());

    Command(ID_EDIT_UNDO_LAST);
    EXPECT_EQ(before, Records());
    EXPECT_NE('*', Title().back());

    // Shift+Delete on everything leaves one empty record.
    Select(0, 0, 1, 4);
    auto* view = dynamic_cast<CAppView*>(Doc().GetFirstView());
    ASSERT_NE(nullptr, view);
    Frame().Raise();
    view->dataPane->SetFocus();
    GuiApp::ProcessEvents(200);
    ASSERT_EQ(0, std::system("xdotool key --delay 20 50+119"));
    GuiApp::ProcessEvents(250);
    EXPECT_EQ((std::vector<std::string>{""}), Records());
    EXPECT_EQ("2 line(s) moved to Clipboard", Message());
}

TEST_F(Clipboard, AdvanceCopiesRecordsToTheEnd)
{
    std::string ten;
    for (int i = 1; i <= 10; ++i) {
        ten += 'r';
        ten += std::to_string(i);
        ten += '\n';
    }
    Open(ten);
    {
        // The start entry has the focus; Alt+P is Copy.
        DialogDriver driver("Advance Clipboard", "xdotool key ctrl+a; xdotool type 3; xdotool key alt+p");
        Command(ID_EDIT_ADVANCE);
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ("Past Last Record: Ending position will be set at the last record.\n", Boxes());
    EXPECT_EQ("3:1 - 11:0 (8 total) copied to Clipboard", Message());
    EXPECT_EQ(std::string("r3\r\nr4\r\nr5\r\nr6\r\nr7\r\nr8\r\nr9\r\nr10\r\n"),
              Run("xclip -selection clipboard -t UTF8_STRING -o"));
    EXPECT_EQ(10, theRecordList->recordCount);
}

TEST_F(Clipboard, AdvanceTransfersOnlyThroughItsButtons)
{
    Open("one\ntwo\n");
    platform.messageBox.boxes.clear();
    const int heldBefore = theClipRecords.recordCount;
    {
        // Enter transfers nothing; an empty entry is no number and keeps the
        // dialog open; Escape closes it.
        DialogDriver driver("Advance Clipboard",
                            "xdotool key Return; sleep 0.3; xdotool key ctrl+a BackSpace alt+t; sleep 0.5; "
                            "xdotool key Escape");
        Command(ID_EDIT_ADVANCE);
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ("Tabulon: Please enter an integer.\n", Boxes());
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Records());
    EXPECT_EQ(heldBefore, theClipRecords.recordCount);
    EXPECT_FALSE(Doc().IsModified());
}

// Starts another copy of the program on a file and waits for its window;
// about one start in ten under a busy Xvfb fails to initialise the toolkit,
// and a second start has always worked (see the notes on wx under Linux).
TEST_F(Clipboard, RecordsWithZeroBytesTravelBetweenTwoRunningCopies)
{
    const std::string withZero("x\0y", 3);
    const std::string other = dir.File("other.txt");
    WriteFileBytes(other, withZero + "\nsecond\n");
    std::string full;
    ASSERT_TRUE(CanonicalPath(other, &full));
    const std::string window = "$(xdotool search --sync --onlyvisible --name '^" + full + " - Tabulon$' | head -n1)";
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        Start("TABULON_REGISTRY=" + Quoted(dir.File("other.reg")) + " " + Quoted(TABULON_EXE) + " -u " +
              Quoted(other) + " 2>/dev/null");
        started = Run("timeout 20 xdotool search --sync --onlyvisible --name '^" + full + " - Tabulon$'", 25000) !=
                  "FAILED";
    }
    ASSERT_TRUE(started);

    // The other copy copies its first record: a double click selects it
    // with its line break (the keyboard never selects), then Ctrl+Insert.
    // Its window sits at the screen's corner, the first record's row at
    // y 99 and the second's at y 116.
    ClearClipboard();
    ASSERT_NE("FAILED", Run("w=" + window + "; xdotool windowfocus --sync $w; sleep 0.3; "
                            "xdotool mousemove --window $w 60 99 click --repeat 2 --delay 80 1; sleep 0.2; "
                            "xdotool key --delay 50 37+118"));
    bool offered = false;
    for (int i = 0; i < 100 && !offered; ++i)
        offered = Run("xclip -selection clipboard -t TARGETS -o").find("KELVOX") != std::string::npos;
    ASSERT_TRUE(offered);
    Open("pq");
    theView->caretByte = 1;
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((std::vector<std::string>{"p" + withZero, "q"}), Records());

    // This copy copies a record; the other pastes it before its second
    // record with Shift+Insert and saves with Ctrl+S.
    Select(0, 0, 1, 0);
    Command(ID_EDIT_COPY);
    ASSERT_NE("FAILED", Run("w=" + window + "; xdotool windowfocus --sync $w; sleep 0.3; "
                            "xdotool mousemove --window $w 45 116 click 1; sleep 0.2; "
                            "xdotool key --delay 50 50+118 37+39"));
    static std::string otherPath, expected;
    otherPath = other;
    expected = withZero + "\np" + withZero + "\nsecond\n";
    EXPECT_TRUE(GuiApp::RunUntil([] { return ReadFileBytes(otherPath).find(expected) != std::string::npos; }, 15000))
        << ReadFileBytes(other);
}

}  // namespace
