#pragma once
#include <string>
#include <wx/dialog.h>

class wxTextCtrl;

// "Installation Path": fixes the full path of the program file, which OK
// stores in the exePath setting once a file is there.
class CInstallPathDlg : public wxDialog {
public:
    explicit CInstallPathDlg(wxWindow* parent);

    // A file chosen with Browse: taken when it is the program, else refused
    // with "The program must be tabulon!" and the path stays.
    bool TakeChosenFile(const std::string& path);
    // OK: false, with "Program not found.  Try Again.", when no file is at
    // the path, or with the system's refusal of the path; else the path
    // goes into exePath.
    bool Accept();

    std::string path;
    wxTextCtrl* pathField = nullptr;

private:
    void OnBrowse(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
};
