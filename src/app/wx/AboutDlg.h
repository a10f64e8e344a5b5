#pragma once
#include <wx/dialog.h>

class wxStaticText;

// Help > About: the program's name, author, web address and build date.
class CAboutDlg : public wxDialog {
public:
    explicit CAboutDlg(wxWindow* parent);

    bool TransferDataToWindow() override;

    // When the program was built: "Mmm dd yyyy hh:mm:ss".
    wxString buildDate;

private:
    wxStaticText* buildDateText_ = nullptr;
};
