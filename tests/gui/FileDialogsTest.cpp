#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/DialogDriver.h"
#include "gui/GuiApp.h"
#include "gui/ShellFixture.h"
#include "records/RecordList.h"
#include "resources/ResourceIds.h"
#include "support/TempDir.h"

namespace {

using FileDialogs = ShellTest;

void CollectLabels(wxWindow* window, std::string* labels)
{
    for (wxWindow* child : window->GetChildren()) {
        if (dynamic_cast<wxStaticText*>(child) || dynamic_cast<wxRadioButton*>(child))
            *labels += child->GetLabel().utf8_string() + "|";
        CollectLabels(child, labels);
    }
}

// Remembers the file dialog the program shows.
class FileDialogHook : public wxModalDialogHook {
public:
    FileDialogHook() { Register(); }
    ~FileDialogHook() override { Unregister(); }
    wxFileDialog* dialog = nullptr;

protected:
    int Enter(wxDialog* shown) override
    {
        if (auto* file = dynamic_cast<wxFileDialog*>(shown)) dialog = file;
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
};

// Runs `show` (which shows a file dialog) and, once the dialog is up, takes
// the labels of the panel's controls and cancels it.
std::string PanelLabels(const std::function<void()>& show)
{
    std::string labels;
    FileDialogHook hook;
    wxTimer timer;
    int ticks = 0;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        // The panel is made before the dialog shows.
        if (!(hook.dialog && hook.dialog->IsShown()) && ++ticks < 200) return;
        timer.Stop();
        if (!hook.dialog) {
            labels = "no file dialog was seen";
            if (std::system("xdotool key Escape") != 0) labels += " and Escape failed";
            return;
        }
        CollectLabels(hook.dialog, &labels);
        hook.dialog->EndModal(wxID_CANCEL);
    });
    timer.Start(50);
    show();
    return labels;
}

TEST_F(FileDialogs, PanelLabelsShowNoMnemonicMarker)
{
    // What the toolkit draws: it shows "&" literally in these panels.
    EXPECT_EQ("Open As|Auto|DOS Text|UNIX Text|Binary|Width|", PanelLabels([&] { Frame().OpenWithPrompt(); }));
    EXPECT_EQ("Format:|", PanelLabels([&] { Command(ID_FILE_SAVE_AS_DOC); }));
}

TEST_F(FileDialogs, ANameThatIsNotUtf8OpensFromTheDialogAndSavesUnderItsBytes)
{
    const std::string path = dir.File("caf\xE9.txt");
    WriteFileBytes(path, "v\n");
    {
        InFolder here(dir.Path());
        // Down (again while the chooser still lists the folder) picks its one file.
        DialogDriver driver("Open", DialogDriver::AwaitChosen(path, "Down") + "accept");
        Frame().OpenWithPrompt();
        EXPECT_TRUE(driver.Finished());
    }
    ASSERT_EQ(path, theRecordList->fileName);
    EXPECT_EQ("caf\xEF\xBF\xBD.txt - Tabulon", Title());
    const std::uint8_t x = 'x';
    ASSERT_TRUE(theRecordList->Splice(theRecordList->head, 0, 0, &x, 1));
    Doc().MarkModified();
    Command(ID_FILE_SAVE_DOC);
    EXPECT_EQ("", Boxes());
    EXPECT_EQ("xv\n", ReadFileBytes(path));
    EXPECT_EQ("v\n", ReadFileBytes(path + ".bak"));
}

}  // namespace
