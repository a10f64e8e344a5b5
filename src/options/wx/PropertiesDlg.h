#pragma once
#include <string>
#include <wx/dialog.h>

class wxStaticText;

// View > Properties: the document's name, format, counts and file times in
// one text on a "General" tab. It only reads.
class CPropertiesDlg : public wxDialog {
public:
    // Builds the report of the document as it is now.
    explicit CPropertiesDlg(wxWindow* parent);

    bool TransferDataToWindow() override;

    // The report, with CR-LF line breaks, for the tab's text.
    std::string report;

private:
    wxStaticText* text_ = nullptr;
};
