#pragma once
#include <cstdint>
#include <memory>
#include <wx/filedlg.h>

// File > Open: the system's open dialog with an "Open As" panel (Auto,
// Binary with a record width, DOS Text, UNIX Text). The choice is kept in
// lastOpenMode and lastOpenWidth for the next use.
class COpenFileDlg : public wxFileDialog {
public:
    explicit COpenFileDlg(wxWindow* owner);
    ~COpenFileDlg() override;

    // Runs the dialog and remembers the choice, whether the user chose Open
    // or Cancel.
    int ShowModal() override;

    // The checked "Open As" button: 0 Auto, 1 Binary, 2 DOS Text, 3 UNIX Text.
    std::int32_t openAs;

private:
    class Panel;
    std::unique_ptr<Panel> panel_;
};
