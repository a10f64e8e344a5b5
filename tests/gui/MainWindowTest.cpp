#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <wx/app.h>
#include <wx/utils.h>
#include <regex>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/Globals.h"
#include "app/ProgramInfo.h"
#include "app/wx/AboutDlg.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/GuiApp.h"
#include "gui/ShellFixture.h"
#include "records/RecordList.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"
#include "view/AppViewBase.h"
#include "view/wx/AppView.h"
#include <wx/scrolbar.h>

namespace {

using MainWindow = ShellTest;

std::string CommandOutput(const std::string& command)
{
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, pipe)) out += buf;
        ::pclose(pipe);
    }
    return out;
}

TEST_F(MainWindow, CannotBeMadeSmallerThan320By240)
{
    const wxSize before = Frame().GetSize();
    EXPECT_EQ(wxSize(320, 240), Frame().GetMinSize());
    EXPECT_TRUE(Frame().layoutReady);
    Frame().SetSize(100, 100);
    EXPECT_SOON_EQ(wxSize(320, 240), Frame().GetSize());
    // The window manager is told the same limit.
    const std::string hints = CommandOutput(
        "xprop -id $(xdotool search --onlyvisible --name '^Untitled - Tabulon$' | head -n1) "
        "WM_NORMAL_HINTS");
    EXPECT_NE(std::string::npos, hints.find("minimum size: 320 by 240")) << hints;
    Frame().SetSize(before);
    EXPECT_SOON_EQ(before, Frame().GetSize());
}

// The view lays out only once the frame allows it; activation lays out what
// was sized before.
TEST_F(MainWindow, ActivationLaysOutTheView)
{
    auto* view = dynamic_cast<CAppView*>(Doc().GetFirstView());
    ASSERT_NE(nullptr, view);
    const wxSize before = Frame().GetSize();
    const int formWidth = view->form->GetClientSize().x;
    Frame().layoutReady = false;
    Frame().SetSize(before.x + 60, before.y + 40);
    ASSERT_SOON(view->form->GetClientSize().x == formWidth + 60);
    const int stale = view->dataWidth;
    Frame().ActivateFrame();
    EXPECT_TRUE(Frame().layoutReady);
    EXPECT_EQ(stale + 60, view->dataWidth);
    EXPECT_EQ(view->form->GetClientSize().x - view->lineWidth - view->vertBar->GetSize().x, view->dataWidth);
    Frame().SetSize(before);
    EXPECT_SOON_EQ(formWidth, view->form->GetClientSize().x);
}

TEST_F(MainWindow, StatusBarHasEightPanes)
{
    ASSERT_NE(nullptr, Frame().statusBar);
    EXPECT_EQ(8, Frame().statusBar->GetFieldsCount());
    const int modeWidth = Frame().statusBar->GetStatusWidth(7);
    for (int pane = 2; pane < 7; ++pane) EXPECT_EQ(modeWidth, Frame().statusBar->GetStatusWidth(pane));
    EXPECT_EQ(-1, Frame().statusBar->GetStatusWidth(0));
    EXPECT_GT(Frame().statusBar->GetStatusWidth(1), modeWidth);
    // The new document's panes.
    EXPECT_EQ("0 bytes [eol]", Frame().PaneText(CMainFrame::kMessagePane));
    EXPECT_EQ("[1,1]", Frame().PaneText(CMainFrame::kPositionPane));
    EXPECT_EQ("DOS", Frame().PaneText(CMainFrame::kFormatPane));
    EXPECT_EQ("INS", Frame().PaneText(CMainFrame::kInsertPane));
    Frame().SetMessage("hello");
    EXPECT_EQ("hello", Frame().PaneText(CMainFrame::kMessagePane));
}

TEST_F(MainWindow, NumLockIndicator)
{
    // The lock is the display's: the key needs no window of the program.
    auto pressNumLock = [] { ASSERT_EQ(0, std::system("xdotool key 77")); };
    wxTheApp->ProcessIdle();
    const bool before = wxGetKeyState(WXK_NUMLOCK);
    EXPECT_EQ(before ? "NUM" : "", Frame().PaneText(CMainFrame::kNumPane));
    pressNumLock();
    EXPECT_SOON_EQ(before ? "" : "NUM", Frame().PaneText(CMainFrame::kNumPane));
    pressNumLock();
    EXPECT_SOON_EQ(before ? "NUM" : "", Frame().PaneText(CMainFrame::kNumPane));
    EXPECT_EQ("", Frame().PaneText(CMainFrame::kCapsPane));
}

TEST_F(MainWindow, ToolbarButtons)
{
    wxToolBar* bar = Frame().toolBar;
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(wxSize(16, 15), bar->GetToolBitmapSize());
    EXPECT_EQ(16, bar->GetToolsCount());  // twelve buttons, four separators
    EXPECT_EQ("Hex", bar->GetToolShortHelp(ToolkitId(ID_VIEW_HEX)));
    EXPECT_EQ("Toggle Hex-view mode", bar->GetToolLongHelp(ToolkitId(ID_VIEW_HEX)));
    EXPECT_EQ("", bar->GetToolShortHelp(ToolkitId(ID_FILE_SAVE_DOC)));
    EXPECT_EQ("Readme", bar->GetToolShortHelp(ToolkitId(ID_HELP_WEB)));
}

TEST_F(MainWindow, MenusAndUpdateRules)
{
    wxMenuBar* bar = Frame().GetMenuBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(5u, bar->GetMenuCount());
    EXPECT_EQ("&Open...\tCtrl+O", bar->FindItem(ToolkitId(ID_FILE_OPEN))->GetItemLabel());
    EXPECT_EQ("&About Tabulon...", bar->FindItem(ToolkitId(ID_APP_ABOUT))->GetItemLabel());

    Frame().DoMenuUpdates();
    EXPECT_FALSE(bar->FindItem(ToolkitId(ID_EDIT_UNDO_LAST))->IsEnabled());
    EXPECT_TRUE(bar->FindItem(ToolkitId(ID_VIEW_SOURCE))->IsEnabled());  // DOS document
    EXPECT_TRUE(bar->FindItem(ToolkitId(ID_VIEW_TOOLBAR))->IsChecked());
    EXPECT_TRUE(bar->FindItem(ToolkitId(ID_VIEW_STATUS_BAR))->IsChecked());

    // A binary document disables Source.
    const std::string path = dir.File("b.bin");
    WriteFileBytes(path, std::string(3, '\0'));
    ASSERT_TRUE(Doc().OpenFile(path, 0, 0));
    Frame().ResetView();
    Frame().DoMenuUpdates();
    EXPECT_FALSE(bar->FindItem(ToolkitId(ID_VIEW_SOURCE))->IsEnabled());
    EXPECT_FALSE(bar->FindItem(ToolkitId(ID_VIEW_SOURCE))->IsChecked());
    EXPECT_EQ("BIN", Frame().PaneText(CMainFrame::kFormatPane));
}

TEST_F(MainWindow, StatusFollowsTheCaretRecord)
{
    const std::string path = dir.File("twelve.txt");
    WriteFileBytes(path, "ABCDEFGHIJKL\r\n\r\n");
    ASSERT_TRUE(Doc().OpenFile(path, 0, 0));
    Frame().ResetView();
    EXPECT_EQ("12 bytes ['A',0x41]", Frame().PaneText(CMainFrame::kMessagePane));
    EXPECT_EQ("[1,1]", Frame().PaneText(CMainFrame::kPositionPane));
    theView->caretByte = theView->caretCol = 12;
    Frame().UpdateStatus();
    EXPECT_EQ("12 bytes [eol]", Frame().PaneText(CMainFrame::kMessagePane));
    EXPECT_EQ("[1,13]", Frame().PaneText(CMainFrame::kPositionPane));
}

TEST_F(MainWindow, HexAndSourceCommands)
{
    wxMenuBar* bar = Frame().GetMenuBar();
    Command(ID_VIEW_HEX);
    EXPECT_EQ("HEX", Frame().PaneText(CMainFrame::kHexPane));
    Frame().DoMenuUpdates();
    EXPECT_TRUE(bar->FindItem(ToolkitId(ID_VIEW_HEX))->IsChecked());
    Command(ID_VIEW_HEX);
    EXPECT_EQ("   ", Frame().PaneText(CMainFrame::kHexPane));

    Command(ID_VIEW_SOURCE);
    EXPECT_EQ("SRC", Frame().PaneText(CMainFrame::kSourcePane));
    Frame().DoMenuUpdates();
    EXPECT_TRUE(bar->FindItem(ToolkitId(ID_VIEW_SOURCE))->IsChecked());
    Command(ID_VIEW_SOURCE);
    EXPECT_EQ("   ", Frame().PaneText(CMainFrame::kSourcePane));

    // Binary documents have no source mode, whatever asks for it.
    const std::string path = dir.File("b.bin");
    WriteFileBytes(path, std::string(5, '\0'));
    ASSERT_TRUE(Doc().OpenFile(path, 0, 0));
    Frame().ResetView();
    Command(ID_VIEW_SOURCE);
    EXPECT_FALSE(theView->sourceMode);
    EXPECT_EQ("   ", Frame().PaneText(CMainFrame::kSourcePane));
}

TEST_F(MainWindow, ToolbarAndStatusBarCanBeHidden)
{
    Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Frame().toolBar->IsShown());
    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(Frame().toolBar->IsShown());
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(Frame().statusBar->IsShown());
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(Frame().statusBar->IsShown());
}

TEST_F(MainWindow, AboutBoxShowsTheVersionAndBuildDate)
{
    CAboutDlg about(&Frame());
    EXPECT_EQ("About Tabulon", about.GetTitle());
    auto* version = dynamic_cast<wxStaticText*>(about.FindWindow(CAboutDlg::kVersionTextName));
    ASSERT_NE(nullptr, version);
    EXPECT_EQ(wxString(ProgramVersion()), version->GetLabel());
    EXPECT_TRUE(std::regex_match(about.buildDate.utf8_string(),
                                 std::regex("[A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}")))
        << about.buildDate;
    ASSERT_TRUE(about.TransferDataToWindow());
    auto* date = dynamic_cast<wxStaticText*>(about.FindWindow(IDC_BUILD_DATE));
    ASSERT_NE(nullptr, date);
    EXPECT_EQ(about.buildDate, date->GetLabel());
}

TEST_F(MainWindow, AutoSaveTimerFollowsTheSetting)
{
    Frame().SetAutoSave(true);
    EXPECT_TRUE(Frame().AutoSaveTimerRunning());
    EXPECT_TRUE(theSettings.autoSave);
    Frame().ActivateFrame();
    EXPECT_TRUE(Frame().AutoSaveTimerRunning());
    Frame().SetAutoSave(false);
    EXPECT_FALSE(Frame().AutoSaveTimerRunning());
    EXPECT_FALSE(theSettings.autoSave);
    Frame().ActivateFrame();
    EXPECT_FALSE(Frame().AutoSaveTimerRunning());
}

}  // namespace
