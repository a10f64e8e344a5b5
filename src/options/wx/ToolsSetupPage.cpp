#include "options/wx/ToolsSetupPage.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "app/Globals.h"
#include "options/OptionsMessages.h"
#include "options/wx/FileTypesDlg.h"
#include "options/wx/InstallShortcuts.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRegistry.h"

CToolsSetupPage::CToolsSetupPage(wxWindow* parent, IOptionsHost& host)
    : CToolsPage(parent, IDD_TOOLS_SETUP), values(SetupPageValues::From(theSettings)), host_(host)
{
    auto* top = new wxBoxSizer(wxVERTICAL);
    autoHex = new wxCheckBox(this, IDC_AUTO_HEX, "Auto &Hex mode");
    autoSource = new wxCheckBox(this, IDC_AUTO_SOURCE, "Auto &Source mode for DOS and UNIX files");
    autoSave = new wxCheckBox(this, IDC_AUTO_SAVE, "Auto Sa&ve");
    top->Add(autoHex, 0, wxLEFT | wxRIGHT | wxTOP, 8);
    top->Add(autoSource, 0, wxLEFT | wxRIGHT | wxTOP, 8);
    top->Add(autoSave, 0, wxALL, 8);

    // The switch stands in the caption of the box around what it governs.
    registryAccess = new wxCheckBox(this, IDC_REGISTRY_ACCESS, "Enable &Registry Access");
    auto* box = new wxStaticBoxSizer(new wxStaticBox(this, wxID_ANY, registryAccess), wxVERTICAL);
    installButton = new wxButton(box->GetStaticBox(), IDC_INSTALL_SHORTCUTS, "&Install Desktop and Start Menu Shortcuts");
    fileTypesButton = new wxButton(box->GetStaticBox(), IDC_FILE_ASSOCIATIONS, "Setup &File Associations");
    box->Add(installButton, 0, wxEXPAND | wxALL, 6);
    box->Add(fileTypesButton, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 6);
    top->Add(box, 0, wxEXPAND | wxALL, 8);
    SetSizer(top);

    autoHex->SetValue(values.autoHex);
    autoSource->SetValue(values.autoSource);
    autoSave->SetValue(values.autoSave);
    registryAccess->SetValue(values.registryAccess);
    EnableButtons();

    BindFlag(autoHex, &values.autoHex);
    BindFlag(autoSource, &values.autoSource);
    BindFlag(autoSave, &values.autoSave);
    registryAccess->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
        values.registryAccess = event.IsChecked();
        EnableButtons();
        SetModified();
    });
    installButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { InstallShortcuts(); });
    fileTypesButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SetUpFileAssociations(); });
}

void CToolsSetupPage::EnableButtons()
{
    installButton->Enable(values.registryAccess);
    fileTypesButton->Enable(values.registryAccess);
}

void CToolsSetupPage::OnOK()
{
    const PlatformServices& platform = Platform();
    values.ApplyTo(theSettings, *platform.registry, *platform.fileTypes, *platform.shortcuts, host_,
                   static_cast<wxWindow*>(this));
}

void CToolsSetupPage::InstallShortcuts()
{
    SaveSettings(theSettings, *Platform().registry);
    RunInstallShortcuts(this);
}

void CToolsSetupPage::SetUpFileAssociations()
{
    SaveSettings(theSettings, *Platform().registry);
    if (theSettings.exePath.empty()) {
        ShowMessage(kInstallFirst, kInstallFirstCaption, MbIcon::Information, MbButtons::Ok,
                    static_cast<wxWindow*>(this));
        return;
    }
    CFileTypesDlg dialog(this);
    dialog.ShowModal();
}
