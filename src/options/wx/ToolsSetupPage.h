#pragma once
#include "options/OptionsPages.h"
#include "options/wx/ToolsPage.h"

class wxButton;
class wxCheckBox;

// The Setup page: automatic modes, autosave, registry access, and the
// buttons that install the shortcuts and set up the file associations.
class CToolsSetupPage : public CToolsPage {
public:
    CToolsSetupPage(wxWindow* parent, IOptionsHost& host);

    bool ReadControls() override { return true; }
    void OnOK() override;

    // The buttons' actions, as a click runs them.
    void InstallShortcuts();
    void SetUpFileAssociations();

    SetupPageValues values;
    wxCheckBox* autoHex = nullptr;
    wxCheckBox* autoSource = nullptr;
    wxCheckBox* autoSave = nullptr;
    wxCheckBox* registryAccess = nullptr;
    wxButton* installButton = nullptr;
    wxButton* fileTypesButton = nullptr;

private:
    void EnableButtons();

    IOptionsHost& host_;
};
