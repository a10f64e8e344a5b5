#pragma once
#include <cstdint>
#include <memory>
#include <wx/filedlg.h>

// File > Save As: the system's save dialog with a "Format" list (Binary,
// DOS Text, UNIX Text), starting from the document's current format.
class CSaveFileDlg : public wxFileDialog {
public:
    CSaveFileDlg(wxWindow* owner, std::int32_t currentFormat);
    ~CSaveFileDlg() override;

    // The chosen format: 0 binary, 1 DOS, 2 UNIX.
    std::int16_t saveFormat;

private:
    class Panel;
    std::unique_ptr<Panel> panel_;
};
