#pragma once
#include <wx/dialog.h>

class wxStaticText;

// Help > About: the program's name, author, web address, version and build
// date.
class CAboutDlg : public wxDialog {
public:
    // The window name of the static that shows the version.
    static constexpr const char* kVersionTextName = "version";

    explicit CAboutDlg(wxWindow* parent);

    bool TransferDataToWindow() override;

    // When the program was built: "Mmm dd yyyy hh:mm:ss".
    wxString buildDate;

private:
    wxStaticText* buildDateText_ = nullptr;
};
