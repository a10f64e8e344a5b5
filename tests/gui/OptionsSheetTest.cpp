#include <gtest/gtest.h>

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

#include "app/Globals.h"
#include "app/wx/MainFrame.h"
#include "gui/GuiApp.h"
#include "gui/ModalScript.h"
#include "gui/ShellFixture.h"
#include "options/OptionsPages.h"
#include "options/wx/FileTypesDlg.h"
#include "options/wx/InstallPathDlg.h"
#include "options/wx/InstallShortcuts.h"
#include "options/wx/SpinField.h"
#include "options/wx/ToolsDlg.h"
#include "options/wx/ToolsPrintPage.h"
#include "options/wx/ToolsSetupPage.h"
#include "platform/DesktopEntry.h"
#include "platform/posix/FreedesktopFileTypes.h"
#include "platform/posix/FreedesktopShortcuts.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRegistry.h"
#include "support/XdgSandbox.h"

namespace {

class RecordingHost : public IOptionsHost {
public:
    void TabWidthChanged() override { ++tabWidthChanges; }
    void SetAutoSave(bool on) override { theSettings.autoSave = on; }
    int tabWidthChanges = 0;
};

// The shell with the freedesktop services in a sandbox, and the settings
// put back after each test.
class OptionsShellTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        saved_ = theSettings;
        Platform().fileTypes = &fileTypes;
        Platform().shortcuts = &shortcuts;
    }

    void TearDown() override
    {
        Frame().SetAutoSave(false);
        theSettings = saved_;
        ShellTest::TearDown();
    }

    void Spin(CSpinField& field, bool up)
    {
        wxSpinEvent event(up ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, field.spin->GetId());
        event.SetEventObject(field.spin);
        event.SetPosition(field.spin->GetValue() + (up ? 1 : -1));
        field.spin->GetEventHandler()->ProcessEvent(event);
    }

    void Click(wxCheckBox* box, bool checked)
    {
        box->SetValue(checked);
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(checked ? 1 : 0);
        box->ProcessWindowEvent(event);
    }

    bool SettingsKeyExists()
    {
        RegKey key;
        if (!platform.registry.OpenKey(RootKey(RegRoot::LocalMachine), kSettingsKey, false, &key)) return false;
        platform.registry.CloseKey(key);
        return true;
    }

    long KeyOf(CFileTypesDlg& dialog, const std::string& type)
    {
        for (const auto& [key, entry] : dialog.list.Entries())
            if (entry.typeName == type) return key;
        ADD_FAILURE() << "no row for " << type;
        return -1;
    }

    long RowOf(CFileTypesDlg& dialog, long key)
    {
        for (long row = 0; row < dialog.listCtrl->GetItemCount(); ++row)
            if (static_cast<long>(dialog.listCtrl->GetItemData(row)) == key) return row;
        ADD_FAILURE() << "no row with key " << key;
        return -1;
    }

    XdgSandbox sandbox{true};
    CFreedesktopFileTypes fileTypes;
    CFreedesktopShortcuts shortcuts;
    RecordingHost host;

private:
    Settings saved_;
};

using OptionsSheet = OptionsShellTest;
using ShortcutsInstall = OptionsShellTest;
using FileTypesDialog = OptionsShellTest;

TEST_F(OptionsSheet, MarginSpinsStepTenHundredthsWithinTheirRange)
{
    theSettings.registryAccess = true;
    theSettings.printLeft = 4.0f;
    theSettings.printRight = 0.35f;
    theSettings.printTop = 0.05f;
    theSettings.printBottom = 0.5f;
    CToolsDlg sheet(&Frame(), host);
    EXPECT_EQ(0, sheet.GetBookCtrl()->GetSelection());
    ASSERT_TRUE(sheet.TurnTo(1));
    CToolsPrintPage& page = *sheet.printPage;
    Spin(*page.margins[0], true);
    EXPECT_EQ("4", page.margins[0]->edit->GetValue());
    Spin(*page.margins[1], false);
    EXPECT_EQ("0.25", page.margins[1]->edit->GetValue());
    Spin(*page.margins[2], false);
    EXPECT_EQ("0.05", page.margins[2]->edit->GetValue());
    // A typed margin does not move the spin: the step starts from 0.5.
    page.margins[3]->edit->SetValue("1.5");
    Spin(*page.margins[3], true);
    EXPECT_EQ("0.6", page.margins[3]->edit->GetValue());
    ASSERT_TRUE(sheet.ApplyNow());
    EXPECT_FLOAT_EQ(0.25f, theSettings.printRight);
    EXPECT_FLOAT_EQ(0.6f, theSettings.printBottom);
    EXPECT_FLOAT_EQ(4.0f, theSettings.printLeft);
}

TEST_F(OptionsSheet, FontOutOfRangeIsRefusedAndApplyTakesOneInRange)
{
    theSettings.registryAccess = true;
    theSettings.printFont = 8;
    CToolsDlg sheet(&Frame(), host);
    ASSERT_TRUE(sheet.TurnTo(1));
    wxTextCtrl* font = sheet.printPage->font->edit;
    for (const char* size : {"5", "17"}) {
        font->SetValue(size);
        EXPECT_FALSE(sheet.ApplyNow());
        EXPECT_FALSE(sheet.TurnTo(0));  // nor may the page be left
        EXPECT_EQ(1, sheet.GetBookCtrl()->GetSelection());
    }
    ASSERT_EQ(4u, platform.messageBox.boxes.size());
    EXPECT_EQ("Please enter an integer between 6 and 16.", platform.messageBox.boxes[0].text);
    EXPECT_EQ("Tabulon", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(8, theSettings.printFont);

    font->SetValue("12");
    EXPECT_TRUE(sheet.FindWindow(wxID_APPLY)->IsEnabled());
    ASSERT_TRUE(sheet.ApplyNow());
    EXPECT_EQ(12, theSettings.printFont);
    EXPECT_FALSE(sheet.FindWindow(wxID_APPLY)->IsEnabled());
    EXPECT_EQ(0, host.tabWidthChanges);  // the Source page was shown but its width kept
}

TEST_F(OptionsSheet, CancelKeepsWhatApplySetInTheSettingsAndTheirStore)
{
    theSettings.registryAccess = true;
    theSettings.printFont = 8;
    ModalScript script("Options", [](wxDialog& dialog) {
        auto& sheet = dynamic_cast<CToolsDlg&>(dialog);
        EXPECT_TRUE(sheet.TurnTo(1));
        sheet.printPage->font->edit->SetValue("12");
        PressButton(dialog, wxID_APPLY);
        sheet.printPage->font->edit->SetValue("14");
        PressButton(dialog, wxID_CANCEL);
    });
    Command(ID_TOOLS_OPTIONS);
    ASSERT_TRUE(script.Ran());
    EXPECT_EQ(12, theSettings.printFont);
    Settings stored;
    LoadSettings(stored, platform.registry);
    EXPECT_EQ(12, stored.printFont);
}

TEST_F(OptionsSheet, OpensOnSetupWithoutRegistryAccessAndNoKeepsTheKey)
{
    theSettings.registryAccess = false;
    {
        CToolsDlg sheet(&Frame(), host);
        EXPECT_EQ(2, sheet.GetBookCtrl()->GetSelection());
        CToolsSetupPage& setup = *sheet.setupPage;
        EXPECT_FALSE(setup.installButton->IsEnabled());
        EXPECT_FALSE(setup.fileTypesButton->IsEnabled());
        Click(setup.registryAccess, true);
        EXPECT_TRUE(setup.installButton->IsEnabled());
        sheet.PressOK();
    }
    EXPECT_TRUE(theSettings.registryAccess);
    EXPECT_TRUE(SettingsKeyExists());

    platform.messageBox.Answer(MbResult::No);
    {
        CToolsDlg sheet(&Frame(), host);
        ASSERT_TRUE(sheet.TurnTo(2));
        Click(sheet.setupPage->registryAccess, false);
        sheet.PressOK();
    }
    EXPECT_EQ("Hmmm...: Are you sure you want to remove Tabulon\nfrom the Registry?\n", Boxes());
    EXPECT_FALSE(theSettings.registryAccess);
    EXPECT_TRUE(SettingsKeyExists());
}

TEST_F(OptionsSheet, TheCommandSwitchesAutosaveAndSavesTheSettingsOnClose)
{
    theSettings.registryAccess = true;
    theSettings.srcMark = 4;
    ModalScript script("Options", [this](wxDialog& dialog) {
        auto& sheet = dynamic_cast<CToolsDlg&>(dialog);
        sheet.TurnTo(2);
        Click(sheet.setupPage->autoSave, true);
        PressButton(dialog, wxID_OK);
    });
    Command(ID_TOOLS_OPTIONS);
    EXPECT_TRUE(script.Ran());
    EXPECT_TRUE(theSettings.autoSave);
    EXPECT_TRUE(Frame().AutoSaveTimerRunning());
    Settings stored;
    LoadSettings(stored, platform.registry);
    EXPECT_TRUE(stored.autoSave);

    // Cancel saves as well (the settings as they are).
    theSettings.printFont = 11;
    ModalScript cancel("Options", [](wxDialog& dialog) { PressButton(dialog, wxID_CANCEL); });
    Command(ID_TOOLS_OPTIONS);
    EXPECT_TRUE(cancel.Ran());
    LoadSettings(stored, platform.registry);
    EXPECT_EQ(11, stored.printFont);
}

TEST_F(ShortcutsInstall, PathDialogRefusesAnotherProgramAndAMissingFile)
{
    theSettings.exePath.clear();
    CInstallPathDlg dialog(&Frame());
    EXPECT_EQ(wxGetCwd().utf8_string() + "/tabulon", dialog.path);
    EXPECT_FALSE(dialog.TakeChosenFile("/usr/bin/ls"));
    EXPECT_EQ(wxGetCwd().utf8_string() + "/tabulon", dialog.pathField->GetValue().utf8_string());
    dialog.path = sandbox.dir.File("tabulon");  // not there
    EXPECT_FALSE(dialog.Accept());
    EXPECT_EQ("Incorrect Program: The program must be tabulon!\nOops: Program not found.  Try Again.\n", Boxes());
    EXPECT_EQ("", theSettings.exePath);
    EXPECT_TRUE(dialog.TakeChosenFile(TABULON_EXE));
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(TABULON_EXE, theSettings.exePath);
}

TEST_F(ShortcutsInstall, InstallWritesBothEntriesAndCancelWritesNothing)
{
    theSettings.exePath = TABULON_EXE;
    platform.messageBox.Answer(MbResult::Cancel);
    EXPECT_FALSE(RunInstallShortcuts(&Frame()));
    {
        ModalScript script("Installation Path", [](wxDialog& dialog) { PressButton(dialog, wxID_CANCEL); });
        EXPECT_FALSE(RunInstallShortcuts(&Frame()));
        EXPECT_TRUE(script.Ran());
    }
    EXPECT_EQ(2u, platform.messageBox.boxes.size());  // the two questions only
    EXPECT_FALSE(FileExists(shortcuts.DesktopShortcutPath()));
    EXPECT_FALSE(FileExists(shortcuts.MenuShortcutPath()));

    ModalScript script("Installation Path", [](wxDialog& dialog) { PressButton(dialog, wxID_OK); });
    EXPECT_TRUE(RunInstallShortcuts(&Frame()));
    EXPECT_EQ("Woohoo!", platform.messageBox.boxes.back().caption);
    for (const auto& file : {shortcuts.DesktopShortcutPath(), shortcuts.MenuShortcutPath()}) {
        std::string exec;
        ASSERT_TRUE(ReadDesktopEntryKey(ReadFileBytes(file), "Exec", &exec));
        EXPECT_EQ(QuoteExecArgument(TABULON_EXE) + " %f", exec);
        std::string output;
        EXPECT_EQ(0, RunCommand("desktop-file-validate '" + file + "'", &output)) << output;
    }
}

TEST_F(FileTypesDialog, ListsTypesAndAppliesTheBoxes)
{
    theSettings.registryAccess = true;
    theSettings.exePath.clear();
    {
        CToolsDlg sheet(&Frame(), host);
        sheet.TurnTo(2);
        sheet.setupPage->SetUpFileAssociations();  // no program path yet
    }
    EXPECT_EQ("Wait a second!: You must install the shortcuts before setting up\nthe file associations.\n", Boxes());

    theSettings.exePath = TABULON_EXE;
    CFileTypesDlg dialog(&Frame());
    const long c = KeyOf(dialog, "text/x-csrc");
    const long row = RowOf(dialog, c);
    EXPECT_FALSE(dialog.enableBox->IsEnabled());
    dialog.SelectRows({c});
    EXPECT_EQ("  .c .h", dialog.extensionsField->GetValue());
    EXPECT_TRUE(dialog.enableBox->IsEnabled());
    EXPECT_FALSE(dialog.hexBox->IsEnabled());
    dialog.ClickBox(IDC_TYPE_ENABLE);
    EXPECT_EQ(wxCHK_CHECKED, dialog.openModeBoxes[kAutoBox]->Get3StateValue());
    EXPECT_TRUE(dialog.hexBox->IsEnabled());
    dialog.ClickBox(IDC_TYPE_HEX);
    dialog.ClickBox(IDC_TYPE_BINARY);
    EXPECT_EQ(wxCHK_UNCHECKED, dialog.openModeBoxes[kAutoBox]->Get3StateValue());
    dialog.SetWidthText("128");
    EXPECT_TRUE(dialog.applyButton->IsEnabled());
    dialog.ApplyNow();
    EXPECT_FALSE(dialog.applyButton->IsEnabled());
    EXPECT_EQ("X", dialog.listCtrl->GetItemText(row, CFileTypeList::kEnabledColumn));
    EXPECT_EQ("X", dialog.listCtrl->GetItemText(row, CFileTypeList::kHexColumn));
    EXPECT_EQ("BINARY-128", dialog.listCtrl->GetItemText(row, CFileTypeList::kModeColumn));
    EXPECT_TRUE(FileExists(CFreedesktopFileTypes::VerbEntryPath("text/x-csrc")));

    // Sorting by a heading keeps the selection with its row; the one
    // enabled row comes first.
    dialog.SortBy(CFileTypeList::kEnabledColumn);
    EXPECT_EQ(std::vector<long>{c}, dialog.SelectedKeys());
    EXPECT_EQ(c, dialog.RowKeys()[0]);
}

TEST_F(FileTypesDialog, BoxesFollowASelectionMadeWithoutTheMouseSoOkKeepsOtherVerbs)
{
    theSettings.exePath = TABULON_EXE;
    ASSERT_TRUE(fileTypes.WriteVerb("text/x-csrc", "\"" TABULON_EXE "\" -d %f"));
    CFileTypesDlg dialog(&Frame());
    const long data = KeyOf(dialog, "application/x-data");
    dialog.SelectRows({data});
    EXPECT_EQ(wxCHK_UNCHECKED, dialog.enableBox->Get3StateValue());
    // Arrow keys move the selection to the enabled DOS row.
    dialog.listCtrl->SetItemState(RowOf(dialog, data), 0, wxLIST_STATE_SELECTED);
    dialog.listCtrl->SetItemState(RowOf(dialog, KeyOf(dialog, "text/x-csrc")), wxLIST_STATE_SELECTED,
                                  wxLIST_STATE_SELECTED);
    EXPECT_SOON_EQ(wxCHK_CHECKED, dialog.enableBox->Get3StateValue());
    EXPECT_EQ(wxCHK_CHECKED, dialog.openModeBoxes[kDosBox]->Get3StateValue());
    dialog.PressOK();
    std::string exec;
    ASSERT_TRUE(ReadDesktopEntryKey(ReadFileBytes(CFreedesktopFileTypes::VerbEntryPath("text/x-csrc")), "Exec", &exec));
    EXPECT_NE(std::string::npos, exec.find(" -d %f"));
}

}  // namespace
