#pragma once
#include <cstdint>
#include <wx/dialog.h>

class wxTextCtrl;

// Edit > Advance: "Advance Clipboard" (template 800) asks for a range of
// whole records to copy or cut. Copy and Cut check the range and end the
// dialog with wxID_OK; Close and Escape end it with wxID_CANCEL. There is no
// default button, so Enter transfers nothing.
class CAdvanceDlg : public wxDialog {
public:
    // The numbers count from 1; an end of 0 stands for the last record.
    CAdvanceDlg(wxWindow* parent, std::int64_t startRecord, std::int64_t endRecord, std::int64_t recordCount);

    bool TransferDataToWindow() override;

    std::int64_t startRecord;
    std::int64_t endRecord;
    // The dialog ended through Copy rather than Cut.
    bool copyChosen = false;

private:
    // Copy (804) and Cut (803): the entries read as integers and the range
    // checked; a refused entry keeps the dialog open as it is.
    void Transfer(bool copy);
    // Reads one entry; tells the user and focuses it when it is no number.
    bool ReadEntry(wxTextCtrl* entry, std::int64_t& value);

    std::int64_t recordCount_;
    wxTextCtrl* startEntry_ = nullptr;
    wxTextCtrl* endEntry_ = nullptr;
};
