#include <gtest/gtest.h>

#include <map>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "app/Globals.h"
#include "app/wx/MainFrame.h"
#include "gui/FastKeys.h"
#include "gui/GuiApp.h"
#include "gui/ModalScript.h"
#include "gui/ShellFixture.h"
#include "options/wx/FileTypesDlg.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"

namespace {

// The system's file types as a test sets them, and the verbs written.
struct FakeFileTypes : IFileTypes {
    std::vector<SystemFileType> ListFileTypes() override { return types; }
    bool WriteVerb(const std::string& type, const std::string& command) override { return verbs[type] = command, true; }
    bool RemoveVerb(const std::string& type) override { return verbs.erase(type), true; }
    bool RemoveAllVerbs() override { return verbs.clear(), true; }
    std::vector<SystemFileType> types;
    std::map<std::string, std::string> verbs;
};

// Row keys, in the order the types are listed; sorted by description they
// also come in this order.
constexpr long kAlpha = 0;
constexpr long kBeta = 1;
constexpr long kGamma = 2;

class FileTypesDlg : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        savedExePath_ = theSettings.exePath;
        theSettings.exePath = "/opt/tabulon";
        fileTypes.types = {{".aaa", "x/a", "Alpha", false, ""},
                           {".bbb", "x/b", "Beta", false, ""},
                           {".ccc", "x/c", "Gamma", true, "\"/opt/tabulon\" -d %f"}};
        Platform().fileTypes = &fileTypes;
    }
    void TearDown() override
    {
        theSettings.exePath = savedExePath_;
        ShellTest::TearDown();
    }

    static long RowOf(CFileTypesDlg& dialog, long key)
    {
        for (long row = 0; row < dialog.listCtrl->GetItemCount(); ++row)
            if (static_cast<long>(dialog.listCtrl->GetItemData(row)) == key) return row;
        return -1;
    }

    FakeFileTypes fileTypes;

private:
    std::string savedExePath_;
};

TEST_F(FileTypesDlg, AHeadingClickOnlySortsAndKeepsTheUnappliedBoxes)
{
    CFileTypesDlg dialog(&Frame());
    dialog.SelectRows({kAlpha, kGamma});
    dialog.ClickBox(IDC_TYPE_ENABLE);  // mixed: unchecked
    dialog.ClickBox(IDC_TYPE_ENABLE);  // checked
    dialog.ClickBox(IDC_TYPE_HEX);
    wxListEvent click(wxEVT_LIST_COL_CLICK, dialog.listCtrl->GetId());
    click.SetEventObject(dialog.listCtrl);
    click.m_col = CFileTypeList::kEnabledColumn;
    dialog.listCtrl->GetEventHandler()->ProcessEvent(click);
    ASSERT_TRUE(GuiApp::RunUntil([] { return !wxTheApp->HasPendingEvents(); }));

    EXPECT_EQ((std::vector<long>{kGamma, kAlpha}), dialog.SelectedKeys());  // the enabled row first
    EXPECT_EQ(wxCHK_CHECKED, dialog.enableBox->Get3StateValue());
    EXPECT_EQ(wxCHK_CHECKED, dialog.hexBox->Get3StateValue());
    EXPECT_TRUE(dialog.applyButton->IsEnabled());
    dialog.PressOK();
    EXPECT_EQ("\"/opt/tabulon\" -h %f", fileTypes.verbs["x/a"]);
    EXPECT_EQ("\"/opt/tabulon\" -h %f", fileTypes.verbs["x/c"]);
}

TEST_F(FileTypesDlg, KeysTypedAheadActInOrder)
{
    {
        // Up then Enter: OK applies the boxes of the row Up chose, which
        // are that row's own values, not those of the row left.
        CFileTypesDlg dialog(&Frame());
        dialog.listCtrl->SetItemState(RowOf(dialog, kGamma), wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
        dialog.SelectRows({kGamma});
        ModalScript keys("File Types", [&dialog](wxDialog&) {
            FocusOn(dialog, dialog.listCtrl);
            TypeFast("111 36");  // Up, Enter
        });
        EXPECT_EQ(wxID_OK, ShowModalUntil(dialog));
        EXPECT_EQ(std::vector<long>{kBeta}, dialog.SelectedKeys());
        EXPECT_EQ(0u, fileTypes.verbs.count("x/b"));
    }
    {
        // Enable ticked with Alt+E, Enter, then Alt+C: OK writes the verb
        // and closes the dialog before Cancel could.
        CFileTypesDlg dialog(&Frame());
        dialog.SelectRows({kAlpha});
        ModalScript keys("File Types", [&dialog](wxDialog&) {
            FocusOn(dialog, dialog.extensionsField);
            TypeFast("64+26 36 64+54");  // Alt+E, Enter (OK), Alt+C (Cancel)
        });
        EXPECT_EQ(wxID_OK, ShowModalUntil(dialog));
        EXPECT_EQ("\"/opt/tabulon\" %f", fileTypes.verbs["x/a"]);
    }
}

TEST_F(FileTypesDlg, BytesThatAreNotUtf8ShowAsReplacementCharacters)
{
    fileTypes.types.push_back({".\xE9t\xE9", "x/a", "", false, ""});  // Latin-1
    fileTypes.types.push_back({".ddd", "x/d", "Caf\xE9", false, ""});
    CFileTypesDlg dialog(&Frame());
    dialog.SelectRows({kAlpha});
    EXPECT_EQ(wxString::FromUTF8("  .aaa .\uFFFDt\uFFFD"), dialog.extensionsField->GetValue());
    EXPECT_EQ(wxString::FromUTF8("Caf\uFFFD"),
              dialog.listCtrl->GetItemText(RowOf(dialog, 3), CFileTypeList::kDescriptionColumn));
}

}  // namespace
