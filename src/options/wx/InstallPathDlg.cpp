#include "options/wx/InstallPathDlg.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/Globals.h"
#include "options/OptionsMessages.h"
#include "options/ShortcutInstall.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"

CInstallPathDlg::CInstallPathDlg(wxWindow* parent)
    : wxDialog(parent, IDD_INSTALL_PATH, "Installation Path")
{
    path = InitialInstallPath(theSettings.exePath, wxGetCwd().utf8_string());

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, "Specify the folder in which the Tabulon program is located."), 0,
             wxALL, 10);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    pathField = new wxTextCtrl(this, IDC_INSTALL_PATH, wxString::FromUTF8(path), wxDefaultPosition,
                               wxSize(360, -1), wxTE_READONLY);
    row->Add(pathField, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    row->Add(new wxButton(this, IDC_INSTALL_BROWSE, "&Browse..."), 0, wxALIGN_CENTER_VERTICAL);
    top->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    top->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, &CInstallPathDlg::OnBrowse, this, IDC_INSTALL_BROWSE);
    Bind(wxEVT_BUTTON, &CInstallPathDlg::OnOK, this, wxID_OK);
}

bool CInstallPathDlg::TakeChosenFile(const std::string& chosen)
{
    if (!IsProgramFile(chosen)) {
        ShowMessage(kWrongProgram, kWrongProgramCaption, MbIcon::Stop, MbButtons::Ok, static_cast<wxWindow*>(this));
        return false;
    }
    path = chosen;
    pathField->ChangeValue(wxString::FromUTF8(path));
    return true;
}

bool CInstallPathDlg::Accept()
{
    if (!AcceptInstallPath(path, static_cast<wxWindow*>(this))) return false;
    theSettings.exePath = path;
    return true;
}

void CInstallPathDlg::OnBrowse(wxCommandEvent&)
{
    wxFileDialog chooser(this, "Open", wxEmptyString, kProgramFileName, kProgramFileFilter,
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK) return;
    TakeChosenFile(chooser.GetPath().utf8_string());
}

void CInstallPathDlg::OnOK(wxCommandEvent&)
{
    if (Accept()) EndModal(wxID_OK);
}
