#include <gtest/gtest.h>

#include <wx/bookctrl.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "commands/wx/FindReplaceDlg.h"
#include "commands/wx/JumpDlg.h"
#include "gui/FastKeys.h"
#include "gui/GuiApp.h"
#include "gui/ModalScript.h"
#include "gui/ShellFixture.h"
#include "options/OptionsPages.h"
#include "options/wx/SpinField.h"
#include "options/wx/ToolsDlg.h"
#include "options/wx/ToolsSourcePage.h"
#include "resources/ResourceIds.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"

namespace {

constexpr const char* kReturn = " 36 ";
constexpr const char* kAltC = " 64+54 ";

// Keys typed ahead of the program: each takes effect, in order, however
// fast they come.
class TypeAhead : public ShellTest {
protected:
    void TearDown() override
    {
        if (Frame().findDialog) Frame().findDialog->Hide();
        if (Frame().jumpDialog) Frame().jumpDialog->Hide();
        ShellTest::TearDown();
    }
    void FocusView() { FocusOn(Frame(), dynamic_cast<CAppView*>(Doc().GetFirstView())->dataPane); }
};

TEST_F(TypeAhead, EnterThenAltCRunsTheSearchOrJumpBeforeTheDialogCloses)
{
    const std::string path = dir.File("data.txt");
    WriteFileBytes(path, "alpha beta\r\nbeta\r\ngamma\r\n");
    ASSERT_TRUE(Doc().OpenFile(path, 0, 0));
    Frame().ResetView();
    FocusView();
    TypeFast("37+41");  // Ctrl+F
    ASSERT_TRUE(GuiApp::RunUntil([] { return theMainFrame->findDialog && theMainFrame->findDialog->IsShown(); }));
    CFindReplaceDlg& find = *Frame().findDialog;
    FocusOn(find, find.FindWindow(IDC_FIND_TEXT));
    TypeFast(std::string("56 26 28 38") + kReturn + kAltC);  // beta, Enter, Alt+C
    EXPECT_TRUE(GuiApp::RunUntil([] { return !theMainFrame->findDialog->IsShown() && theView->selEndByte == 10; }));
    EXPECT_EQ(0, theView->selStartRecord);
    EXPECT_EQ(6, theView->selStartByte);

    FocusView();
    TypeFast("37+44");  // Ctrl+J
    ASSERT_TRUE(GuiApp::RunUntil([] { return theMainFrame->jumpDialog && theMainFrame->jumpDialog->IsShown(); }));
    CJumpDlg& jump = *Frame().jumpDialog;
    auto* value = dynamic_cast<wxTextCtrl*>(jump.FindWindow(IDC_JUMP_VALUE));
    ASSERT_NE(nullptr, value);
    FocusOn(jump, value);
    value->SelectAll();
    TypeFast(std::string("12") + kReturn + kAltC);  // 3, Enter, Alt+C
    EXPECT_TRUE(GuiApp::RunUntil([] { return !theMainFrame->jumpDialog->IsShown() && theView->selStartRecord == 2; }));
}

class QuietHost : public IOptionsHost {
public:
    void TabWidthChanged() override {}
    void SetAutoSave(bool) override {}
};

TEST_F(TypeAhead, EnterThenAltCAppliesTheOptionsBeforeCancelCould)
{
    const Settings saved = theSettings;
    theSettings.registryAccess = true;  // opens on the Source page
    const bool smart = theSettings.srcSmart;
    QuietHost host;
    CToolsDlg sheet(&Frame(), host);
    ModalScript keys("Options", [&sheet](wxDialog&) {
        FocusOn(sheet, sheet.sourcePage->tabWidth->edit);
        TypeFast("64+31 36 64+54");  // Alt+I (Smart Indent), Enter (OK), Alt+C (Cancel)
    });
    EXPECT_EQ(wxID_OK, ShowModalUntil(sheet));
    EXPECT_TRUE(keys.Ran());
    EXPECT_EQ(!smart, theSettings.srcSmart);
    theSettings = saved;
}

}  // namespace
