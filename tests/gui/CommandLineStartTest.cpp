#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <wx/frame.h>

#include "app/AppCommandLineInfo.h"
#include "app/Globals.h"
#include "app/wx/AppApp.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/GuiApp.h"
#include "gui/ProgramRunner.h"
#include "gui/ShellFixture.h"
#include "platform/CanonicalPath.h"
#include "records/RecordList.h"
#include "resources/ResourceIds.h"

namespace {

using CommandLineStart = ShellTest;

bool StartWith(const std::vector<std::string>& args)
{
    CAppApp& app = TheApp();
    CAppCommandLineInfo info(app.pendingFlags, app.pendingWidth);
    ParseCommandLine(info, args);
    return app.ProcessShellCommand(info);
}

TEST_F(CommandLineStart, WidthSwitchOpensBinaryRecords)
{
    const std::string path = dir.File("data.bin");
    WriteFileBytes(path, std::string(200, '\0'));
    ASSERT_TRUE(StartWith({"-s", "-w", "80", path}));

    ASSERT_NE(nullptr, theRecordList);
    EXPECT_EQ(3, theRecordList->recordCount);  // 80, 80 and 40 bytes
    EXPECT_EQ(80, theRecordList->head->length);
    EXPECT_EQ(40, theRecordList->tail->length);
    EXPECT_EQ("BIN", Frame().PaneText(CMainFrame::kFormatPane));
    EXPECT_EQ("[1,1]", Frame().PaneText(CMainFrame::kPositionPane));
    EXPECT_EQ("80 bytes ['',0x00]", Frame().PaneText(CMainFrame::kMessagePane));
    EXPECT_EQ("   ", Frame().PaneText(CMainFrame::kSourcePane));  // never for binary, even with -s
    // The request was for this document only.
    EXPECT_EQ(0u, TheApp().pendingFlags);
    EXPECT_EQ(0, TheApp().pendingWidth);
    // A file opened at start-up shows its full path.
    std::string full;
    ASSERT_TRUE(CanonicalPath(path, &full));
    EXPECT_EQ(full + " - Tabulon", Title());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(CommandLineStart, ViewSwitchesWithoutFileApplyToTheNewDocument)
{
    ASSERT_TRUE(StartWith({"-h", "-s"}));
    EXPECT_EQ("HEX", Frame().PaneText(CMainFrame::kHexPane));
    EXPECT_EQ("SRC", Frame().PaneText(CMainFrame::kSourcePane));
    EXPECT_EQ("DOS", Frame().PaneText(CMainFrame::kFormatPane));
    EXPECT_EQ("Untitled - Tabulon", Title());
    // The next File > New follows the settings alone.
    Command(ID_FILE_NEW);
    EXPECT_EQ("   ", Frame().PaneText(CMainFrame::kHexPane));
    EXPECT_EQ("   ", Frame().PaneText(CMainFrame::kSourcePane));
}

TEST_F(CommandLineStart, SlashPathIsOpenedAsAFile)
{
    const std::string path = dir.File("unix.txt");
    WriteFileBytes(path, "a\nb\n");
    ASSERT_EQ('/', path[0]);
    ASSERT_TRUE(StartWith({path}));
    EXPECT_EQ(2, theRecordList->recordCount);
    EXPECT_EQ("UNX", Frame().PaneText(CMainFrame::kFormatPane));
    EXPECT_EQ(" 1 byte ['a',0x61]", Frame().PaneText(CMainFrame::kMessagePane));
    EXPECT_EQ("", Boxes());
}

TEST_F(CommandLineStart, MissingFileGivesAnUntitledDocument)
{
    const std::string path = dir.File("missing.txt");
    ASSERT_TRUE(StartWith({path}));

    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    const auto& box = platform.messageBox.boxes[0];
    EXPECT_EQ("Cannot open \"" + path + "\".", box.text);
    EXPECT_EQ("Oops", box.caption);
    EXPECT_EQ(MbIcon::Stop, box.icon);
    EXPECT_EQ("Untitled - Tabulon", Title());
    EXPECT_EQ(1, theRecordList->recordCount);
    EXPECT_EQ(0, theRecordList->totalBytes);
    EXPECT_TRUE(theRecordList->fileName.empty());
    EXPECT_EQ("DOS", Frame().PaneText(CMainFrame::kFormatPane));
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(CommandLineStart, LaterNewIsNotAffectedByTheRequest)
{
    const std::string path = dir.File("d.txt");
    WriteFileBytes(path, "x\r\ny\r\n");
    ASSERT_TRUE(StartWith({"-u", path}));  // UNIX request: CR stays data
    EXPECT_EQ(2, theRecordList->head->length);
    EXPECT_EQ("UNX", Frame().PaneText(CMainFrame::kFormatPane));
    ASSERT_TRUE(StartWith({}));
    EXPECT_EQ("DOS", Frame().PaneText(CMainFrame::kFormatPane));
    EXPECT_EQ("Untitled - Tabulon", Title());
}

// Runs the real program with arguments until it shows a window whose name
// matches `windowName`, then the script.
int RunProgram(const TempDir& dir, const std::string& args, const std::string& windowName, const std::string& script)
{
    const std::string path = dir.File("run.sh");
    WriteFileBytes(path, "cd '" + dir.Path() + "'\n" +
                             StartProgramLines("TABULON_REGISTRY='" + dir.File("r.reg") + "' '" TABULON_EXE "' " + args,
                                               windowName, "program.log") +
                             script +
                             "found=$?\n"
                             "kill $pid 2>/dev/null; wait $pid 2>/dev/null\n"
                             "exit $found\n");
    return std::system(("bash '" + path + "'").c_str());
}

TEST(ProgramStart, OpensTheFileNamedOnTheCommandLine)
{
    TempDir dir;
    WriteFileBytes(dir.File("data.bin"), std::string(160, '\1'));
    std::string full;
    ASSERT_TRUE(CanonicalPath(dir.File("data.bin"), &full));
    EXPECT_EQ(0, RunProgram(dir, "-w 80 data.bin", "^" + full + " - Tabulon$", "true\n"));
}

TEST(ProgramStart, MissingFileShowsOopsThenAnUntitledWindow)
{
    TempDir dir;
    EXPECT_EQ(0, RunProgram(dir, "missing.txt", "^Oops$",
                            "timeout 10 xdotool windowfocus --sync $w && xdotool key Return &&\n"
                            "timeout 20 xdotool search --sync --onlyvisible --name '^Untitled - Tabulon$' >/dev/null\n"));
}

}  // namespace
