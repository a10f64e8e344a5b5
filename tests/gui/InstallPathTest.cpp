#include <gtest/gtest.h>

#include <wx/dialog.h>

#include "app/Globals.h"
#include "app/wx/MainFrame.h"
#include "gui/ModalScript.h"
#include "gui/ShellFixture.h"
#include "options/wx/InstallPathDlg.h"
#include "support/XdgSandbox.h"

namespace {

using InstallPathDialog = ShellTest;

TEST_F(InstallPathDialog, OkRefusesAProgramPathWithPercentAndStaysOpen)
{
    const std::string savedPath = theSettings.exePath;
    theSettings.exePath.clear();
    const std::string percent = dir.File("100%/tabulon");
    WriteRecordingProgram(percent);
    CInstallPathDlg dialog(&Frame());
    dialog.path = percent;
    bool openAfterOk = false;
    ModalScript script("Installation Path", [&](wxDialog& shown) {
        PressButton(shown, wxID_OK);
        openAfterOk = shown.IsModal();
        PressButton(shown, wxID_CANCEL);
    });
    EXPECT_EQ(wxID_CANCEL, dialog.ShowModal());
    EXPECT_TRUE(script.Ran());
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ("Oops: The program path must not contain \"%\".  Move the program and Try Again.\n", Boxes());
    EXPECT_EQ("", theSettings.exePath);
    theSettings.exePath = savedPath;
}

}  // namespace
