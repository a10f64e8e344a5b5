#include <gtest/gtest.h>

#include <cstdlib>
#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "commands/FindMessages.h"
#include "commands/wx/FindReplaceDlg.h"
#include "commands/wx/JumpDlg.h"
#include "gui/GuiApp.h"
#include "gui/ShellFixture.h"
#include "resources/ResourceIds.h"
#include "support/TempDir.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"

namespace {

// The modeless dialogs driven with real key presses (Xvfb's evdev keycodes).
class FindAndJump : public ShellTest {
protected:
    void Open(const std::string& bytes)
    {
        path = dir.File("data.txt");
        WriteFileBytes(path, bytes);
        ASSERT_TRUE(Doc().OpenFile(path, 0, 0));
        Frame().ResetView();
        view = dynamic_cast<CAppView*>(Doc().GetFirstView());
        ASSERT_NE(nullptr, view);
        FocusView();
    }
    void FocusView()
    {
        ASSERT_TRUE(GuiApp::Activate(&Frame()));
        view->dataPane->SetFocus();
        ASSERT_SOON(GuiApp::HasKeyboardFocus(view->dataPane));
    }
    void TearDown() override
    {
        if (Frame().findDialog) Frame().findDialog->Hide();
        if (Frame().jumpDialog) Frame().jumpDialog->Hide();
        ShellTest::TearDown();
    }
    static void Keys(const std::string& keycodes)
    {
        ASSERT_TRUE(GuiApp::SendInput("key --delay 30 " + keycodes)) << keycodes;
    }
    static void Type(const std::string& text) { ASSERT_TRUE(GuiApp::SendInput("type --delay 30 '" + text + "'")) << text; }
    std::string Pane(int pane) { return Frame().PaneText(pane).utf8_string(); }

    std::string path;
    CAppView* view = nullptr;
};

TEST_F(FindAndJump, CtrlFSearchesAndReplacesAllAndTheSavedFileHoldsTheResult)
{
    Open("alpha beta\r\nbeta gamma\r\nno\r\n");
    Keys("37+41");  // Ctrl+F
    auto* find = dynamic_cast<CFindReplaceDlg*>(Frame().findDialog);
    ASSERT_NE(nullptr, find);
    ASSERT_TRUE(find->IsShown());
    ASSERT_TRUE(GuiApp::Activate(find));
    auto* searchBox = dynamic_cast<wxComboBox*>(find->FindWindow(IDC_FIND_TEXT));
    ASSERT_NE(nullptr, searchBox);
    ASSERT_SOON(GuiApp::HasKeyboardFocus(searchBox));
    EXPECT_FALSE(find->FindWindow(IDC_FIND_SEARCH)->IsEnabled());

    Type("beta");
    EXPECT_TRUE(find->FindWindow(IDC_FIND_SEARCH)->IsEnabled());
    EXPECT_FALSE(find->FindWindow(IDC_FIND_REPLACE)->IsEnabled());
    // Return: Search, the default button. A button pressed from the
    // keyboard acts a moment later.
    Keys("36");
    EXPECT_SOON_EQ("[1,7]", Pane(CMainFrame::kPositionPane));
    EXPECT_EQ(0, theView->selStartRecord);
    EXPECT_EQ(6, theView->selStartByte);
    EXPECT_EQ(10, theView->selEndByte);
    EXPECT_TRUE(find->FindWindow(IDC_FIND_REPLACE)->IsEnabled());

    find->FindWindow(IDC_REPLACE_TEXT)->SetFocus();
    ASSERT_SOON(GuiApp::HasKeyboardFocus(find->FindWindow(IDC_REPLACE_TEXT)));
    Type("B\\x45TA");
    Keys("64+38");  // Alt+A: Replace All
    EXPECT_SOON_EQ('*', Title().back());
    EXPECT_EQ("", Boxes());
    EXPECT_FALSE(find->FindWindow(IDC_FIND_REPLACE)->IsEnabled());

    FocusView();
    Keys("37+39");  // Ctrl+S
    EXPECT_EQ("alpha BETA\r\nBETA gamma\r\nno\r\n", ReadFileBytes(path));

    // Nothing more to find: the message, and the histories hold both texts.
    find->ShowAndFocus();
    ASSERT_TRUE(GuiApp::Activate(find));
    ASSERT_SOON(GuiApp::HasKeyboardFocus(searchBox));
    Keys("36");
    EXPECT_SOON_EQ(std::string(kCapPatternNotFound) + ": " + kMsgPatternNotFound + "\n", Boxes());
    ASSERT_EQ(1u, searchBox->GetCount());
    EXPECT_EQ("beta", searchBox->GetString(0));
}

TEST_F(FindAndJump, CtrlJJumpsToTheRecordTypedAndTheStatusBarShowsIt)
{
    std::string records;
    for (int i = 1; i <= 12; ++i) records += "record " + std::to_string(i) + "\n";
    Open(records);
    Keys("37+44");  // Ctrl+J
    auto* jump = dynamic_cast<CJumpDlg*>(Frame().jumpDialog);
    ASSERT_NE(nullptr, jump);
    ASSERT_TRUE(jump->IsShown());
    ASSERT_TRUE(GuiApp::Activate(jump));
    EXPECT_FALSE(jump->FindWindow(IDC_JUMP_FORWARD)->IsEnabled());
    auto* value = dynamic_cast<wxTextCtrl*>(jump->FindWindow(IDC_JUMP_VALUE));
    ASSERT_NE(nullptr, value);
    EXPECT_EQ("0", value->GetValue());
    value->SetFocus();
    value->SelectAll();
    ASSERT_SOON(GuiApp::HasKeyboardFocus(value));
    Type("9x");  // the box takes digits only
    EXPECT_EQ("9", value->GetValue());
    Keys("36");  // Return: Jump
    EXPECT_SOON_EQ("[9,1]", Pane(CMainFrame::kPositionPane));
    EXPECT_EQ(8, theView->selStartRecord);
    EXPECT_EQ(8, theView->selEndByte);
    EXPECT_EQ("", Boxes());
    value->SelectAll();
    Type("99");
    Keys("36");  // beyond the last record: the last one; the box keeps what was typed
    EXPECT_SOON_EQ("[12,1]", Pane(CMainFrame::kPositionPane));
    EXPECT_EQ("99", value->GetValue());

    // Escape hides it (the keyboard focus may then be nowhere in the
    // program); Ctrl+J brings it back as it was.
    ASSERT_EQ(0, std::system("xdotool key Escape"));
    EXPECT_SOON(!jump->IsShown());
    FocusView();
    Keys("37+44");
    EXPECT_TRUE(jump->IsShown());
    EXPECT_EQ(jump, Frame().jumpDialog);
    EXPECT_EQ("99", value->GetValue());
}

}  // namespace
