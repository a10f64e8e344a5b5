#include "commands/wx/SaveFileDlg.h"

#include <wx/filedlgcustomize.h>

#include "commands/FileDialogChoices.h"
#include "commands/wx/FileDialogLabel.h"

// The "Format" panel inside the system dialog.
class CSaveFileDlg::Panel : public wxFileDialogCustomizeHook {
public:
    explicit Panel(CSaveFileDlg& dialog) : dialog_(dialog) {}

    void AddCustomControls(wxFileDialogCustomize& customizer) override
    {
        customizer.AddStaticText(FileDialogLabel("&Format:"));
        wxString names[kSaveFormatCount];
        for (int i = 0; i < kSaveFormatCount; ++i) names[i] = kSaveFormatNames[i];
        list_ = customizer.AddChoice(kSaveFormatCount, names);
        list_->SetSelection(SaveFormatIndex(dialog_.saveFormat));
        list_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ReadSelection(); });
    }

    void TransferDataFromCustomControls() override { ReadSelection(); }

private:
    void ReadSelection()
    {
        if (list_) dialog_.saveFormat = SaveFormatFromIndex(list_->GetSelection());
    }

    CSaveFileDlg& dialog_;
    wxFileDialogChoice* list_ = nullptr;
};

CSaveFileDlg::CSaveFileDlg(wxWindow* owner, std::int32_t currentFormat)
    : wxFileDialog(owner, "Save As", wxEmptyString, wxEmptyString, kSaveFilter,
                   wxFD_SAVE | wxFD_OVERWRITE_PROMPT),
      saveFormat(SaveFormatFromIndex(SaveFormatIndex(currentFormat))),
      panel_(std::make_unique<Panel>(*this))
{
    SetCustomizeHook(*panel_);
}

CSaveFileDlg::~CSaveFileDlg() = default;
