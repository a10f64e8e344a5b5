#include "options/wx/InstallShortcuts.h"

#include "app/Globals.h"
#include "options/OptionsMessages.h"
#include "options/ShortcutInstall.h"
#include "options/wx/InstallPathDlg.h"
#include "platform/Platform.h"

bool RunInstallShortcuts(wxWindow* owner)
{
    if (ShowMessage(kInstallQuestion, kInstallQuestionCaption, MbIcon::Information, MbButtons::OkCancel, owner) !=
        MbResult::Ok)
        return false;
    CInstallPathDlg dialog(owner);
    if (dialog.ShowModal() != wxID_OK) return false;
    return CreateProgramShortcuts(theSettings.exePath, *Platform().shortcuts, owner);
}
