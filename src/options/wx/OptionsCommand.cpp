#include "options/wx/OptionsCommand.h"

#include "app/Globals.h"
#include "app/wx/MainFrame.h"
#include "options/OptionsPages.h"
#include "options/wx/ToolsDlg.h"
#include "platform/Platform.h"
#include "settings/SettingsRegistry.h"

namespace {

// The OK steps reach the main window through this.
class CFrameOptionsHost : public IOptionsHost {
public:
    void TabWidthChanged() override
    {
        if (!theMainFrame) return;
        theMainFrame->Refresh();  // the view and its panes repaint whole
        theMainFrame->UpdateStatus();
    }

    void SetAutoSave(bool on) override
    {
        if (theMainFrame) theMainFrame->SetAutoSave(on);
        else theSettings.autoSave = on;
    }
};

}  // namespace

void RunOptionsCommand(wxWindow* parent)
{
    CFrameOptionsHost host;
    {
        CToolsDlg sheet(parent, host);
        sheet.ShowModal();
    }
    if (theSettings.registryAccess) SaveSettings(theSettings, *Platform().registry);
}
