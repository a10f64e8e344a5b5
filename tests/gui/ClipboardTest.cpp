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
#include "gui/ProgramRunner.h"
#include "gui/ShellFixture.h"
#include "platform/CanonicalPath.h"
#include "records/RecordList.h"
#include "resources/ResourceIds.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"

namespace {

using V = std::vector<std::string>;
std::string Quoted(const std::string& path) { return "'" + path + "'"; }

V Records()
{
    V out;
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
    void Open(const std::string& bytes)
    {
        WriteFileBytes(dir.File("data.txt"), bytes);
        Doc().SetModifiedFlag(false);
        ASSERT_TRUE(Doc().OpenFile(dir.File("data.txt"), 2, 0));
        Frame().ResetView();
        GuiApp::ProcessEvents(0);
    }
    void Select(int startRecord, int startByte, int endRecord, int endByte)
    {
        CAppViewBase& v = *theView;
        RecordNode* start = v.NodeAt(startRecord);
        RecordNode* end = v.NodeAt(endRecord);
        v.selStartRecord = startRecord;
        v.selStartByte = startByte;
        v.selStartNode = start;
        v.caretRecord = v.selEndRecord = endRecord;
        v.caretByte = v.selEndByte = endByte;
        v.caretNode = v.selEndNode = end;
    }
    std::string Message() { return Frame().PaneText(CMainFrame::kMessagePane).utf8_string(); }

    // Runs a shell command in the background while this program goes on
    // answering clipboard requests: its output, or "FAILED".
    std::string Run(const std::string& command, int timeoutMs = 10000)
    {
        const std::string done = dir.File("run.done");
        std::remove(done.c_str());
        const std::string out = Quoted(dir.File("run.out"));
        if (std::system(("{ ( " + command + " ) >" + out + " 2>/dev/null; echo $? >" + Quoted(done + ".t") +
                         "; mv " + Quoted(done + ".t") + " " + Quoted(done) + "; } &")
                            .c_str()) != 0 ||
            !GuiApp::RunUntil([&] { return FileExists(done); }, timeoutMs) || ReadFileBytes(done) != "0\n")
            return "FAILED";
        return ReadFileBytes(dir.File("run.out"));
    }
    void Start(const std::string& command)
    {
        ASSERT_EQ(0, std::system((command + " & echo $! >" + Quoted(dir.File("pid"))).c_str()));
        children_.push_back(std::atoi(ReadFileBytes(dir.File("pid")).c_str()));
    }
    // Gives the clipboard up, so that the next owner can be told apart.
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
        EXPECT_TRUE(GuiApp::RunUntil([&] { return Run("xclip -selection clipboard -o") == bytes; }, 10000));
    }

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

    Select(0, 0, 2, 0);  // both records with their line breaks
    Command(ID_EDIT_COPY);
    EXPECT_EQ("abcdefg\r\nsecond\r\n", Run("xclip -selection clipboard -t UTF8_STRING -o"));

    // Three megabytes, more than one X request carries: sent in parts.
    std::string big;
    for (int i = 0; i < 30000; ++i) big += std::string(99, static_cast<char>('a' + i % 26)) + "\n";
    Open(big);
    Select(0, 0, 30000, 0);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(std::to_string(5 + 30000 * 101) + "\n", Run("xclip -selection clipboard -t KELVOX -o | wc -c"));
}

TEST_F(Clipboard, TextOfOtherProgramsPastesAsRecords)
{
    for (const std::string text : {"a\r\nb\r\n", "a\nb\n"}) {
        Open("xy");
        PutText(text);
        theView->caretByte = 1;
        Command(ID_EDIT_PASTE);
        EXPECT_EQ((V{"xa", "b", "y"}), Records()) << text;
        EXPECT_EQ("2 line(s) pasted from Clipboard", Message());
    }
    Open("");
    PutText(std::string(3000000, 'm'));  // received in parts too, divided into records
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(1 + 3000000 / 65535, theRecordList->recordCount);
    EXPECT_EQ(3000000, theRecordList->totalBytes);
}

TEST_F(Clipboard, AZeroByteSurvivesCopyAndPasteAndUndoRestoresTheDocument)
{
    const std::string withZero("a\0b", 3);
    Open(withZero + "\nlast\n");
    Select(0, 0, 1, 0);
    Command(ID_EDIT_COPY);
    Select(1, 2, 1, 2);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((V{withZero, "la" + withZero, "st"}), Records());
    Command(ID_EDIT_UNDO_LAST);
    EXPECT_EQ((V{withZero, "last"}), Records());
    EXPECT_NE('*', Title().back());

    // Shift+Delete on everything leaves one empty record.
    Select(0, 0, 1, 4);
    ASSERT_TRUE(GuiApp::Activate(&Frame()));
    CEditDataWnd* pane = dynamic_cast<CAppView*>(Doc().GetFirstView())->dataPane;
    pane->SetFocus();
    ASSERT_SOON(GuiApp::HasKeyboardFocus(pane));
    ASSERT_TRUE(GuiApp::SendInput("key --delay 20 50+119"));
    EXPECT_EQ((V{""}), Records());
    EXPECT_EQ("2 line(s) moved to Clipboard", Message());
}

TEST_F(Clipboard, AdvanceTransfersThroughItsButtonsOnly)
{
    std::string ten;
    for (int i = 1; i <= 10; ++i) {
        ten += 'r';
        ten += std::to_string(i);
        ten += '\n';
    }
    Open(ten);
    {
        // Enter transfers nothing; Cut with an empty start is refused and
        // the dialog stays; Escape closes it.
        DialogDriver driver("Advance Clipboard", "xdotool key Return ctrl+a BackSpace alt+t\nawait refused\n"
                                                 "xdotool key Escape");
        driver.When("refused", [this] { return !platform.messageBox.boxes.empty(); });
        Command(ID_EDIT_ADVANCE);
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ("Tabulon: Please enter an integer.\n", Boxes());
    EXPECT_FALSE(Doc().IsModified());
    platform.messageBox.boxes.clear();
    {
        // Records 3 to the end; Alt+P is Copy.
        DialogDriver driver("Advance Clipboard", "xdotool key ctrl+a; xdotool type 3; xdotool key alt+p");
        Command(ID_EDIT_ADVANCE);
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ("Past Last Record: Ending position will be set at the last record.\n", Boxes());
    EXPECT_EQ("3:1 - 11:0 (8 total) copied to Clipboard", Message());
    EXPECT_EQ("r3\r\nr4\r\nr5\r\nr6\r\nr7\r\nr8\r\nr9\r\nr10\r\n", Run("xclip -selection clipboard -o"));
}

TEST_F(Clipboard, RecordsWithZeroBytesTravelBetweenTwoRunningCopies)
{
    const std::string withZero("x\0y", 3);
    const std::string other = dir.File("other.txt");
    WriteFileBytes(other, withZero + "\nsecond\n");
    std::string full;
    ASSERT_TRUE(CanonicalPath(other, &full));
    const std::string search = "xdotool search --sync --onlyvisible --name '^" + full + " - Tabulon$'";
    const std::string log = dir.File("other.log");
    const std::string pid = Run(StartProgramLines("TABULON_REGISTRY=" + Quoted(dir.File("r.reg")) + " " +
                                                      Quoted(TABULON_EXE) + " -u " + Quoted(other),
                                                  "^" + full + " - Tabulon$", log) +
                                "echo $pid", 30000);
    ASSERT_NE("FAILED", pid) << ReadFileBytes(log);
    children_.push_back(std::atoi(pid.c_str()));
    const std::string focus = "w=$(" + search + " | head -n1); timeout 10 xdotool windowfocus --sync $w; ";

    // The other copy copies its first record: a double click selects it with
    // its line break (the keyboard never selects), then Ctrl+Insert. Its
    // window sits at the screen's corner, with the records' rows at y 99 and
    // y 116.
    ClearClipboard();
    ASSERT_NE("FAILED", Run(focus + "xdotool mousemove --window $w 60 99 click --repeat 2 --delay 80 1; "
                                    "xdotool key 37+118"));
    ASSERT_SOON(Run("xclip -selection clipboard -t TARGETS -o").find("KELVOX") != std::string::npos);
    Open("pq");
    theView->caretByte = 1;
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((V{"p" + withZero, "q"}), Records());

    // This copy copies that record; the other pastes it before its second
    // record with Shift+Insert and saves with Ctrl+S.
    Select(0, 0, 1, 0);
    Command(ID_EDIT_COPY);
    ASSERT_NE("FAILED", Run(focus + "xdotool mousemove --window $w 45 116 click 1; "
                                    "xdotool key --delay 50 50+118 37+39"));
    const std::string expected = withZero + "\np" + withZero + "\nsecond\n";
    EXPECT_EQ(expected, GuiApp::Awaited(expected, [&] { return ReadFileBytes(other); }, 15000));
}

}  // namespace
