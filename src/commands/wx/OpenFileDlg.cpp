#include "commands/wx/OpenFileDlg.h"

#include <string>
#include <wx/filedlgcustomize.h>

#include "commands/FileDialogChoices.h"
#include "commands/wx/FileDialogLabel.h"
#include "platform/Platform.h"
#include "resources/Strings.h"

// The "Open As" panel inside the system dialog.
class COpenFileDlg::Panel : public wxFileDialogCustomizeHook {
public:
    explicit Panel(COpenFileDlg& dialog) : dialog_(dialog) {}

    void AddCustomControls(wxFileDialogCustomize& customizer) override
    {
        customizer.AddStaticText(FileDialogLabel("Open As"));
        // Shown with Binary next to its Width; the index of each button in
        // the group is fixed (Auto 0, Binary 1, DOS Text 2, UNIX Text 3).
        buttons_[kOpenAsAuto] = customizer.AddRadioButton(FileDialogLabel("&Auto"));
        buttons_[kOpenAsDos] = customizer.AddRadioButton(FileDialogLabel("&DOS Text"));
        buttons_[kOpenAsUnix] = customizer.AddRadioButton(FileDialogLabel("&UNIX Text"));
        buttons_[kOpenAsBinary] = customizer.AddRadioButton(FileDialogLabel("&Binary"));
        widthLabel_ = customizer.AddStaticText(FileDialogLabel("&Width"));
        widthEdit_ = customizer.AddTextCtrl();
        widthEdit_->SetValue(wxString::Format("%d", static_cast<int>(lastOpenWidth)));
        for (int i = 0; i < 4; ++i) {
            buttons_[i]->SetValue(i == dialog_.openAs);
            buttons_[i]->Bind(wxEVT_RADIOBUTTON, [this, i](wxCommandEvent&) { OnOpenAsClicked(i); });
        }
        EnableWidth(dialog_.openAs == kOpenAsBinary);
    }

    void TransferDataFromCustomControls() override { ReadControls(); }

private:
    void OnOpenAsClicked(int openAs)
    {
        dialog_.openAs = openAs;
        EnableWidth(openAs == kOpenAsBinary);
        ReadControls();
    }

    void EnableWidth(bool enable)
    {
        widthLabel_->Enable(enable);
        widthEdit_->Enable(enable);
    }

    // An empty Width gets "64", as when the entry loses the focus; a refused
    // entry is reported and the previous width stays in force.
    void ReadControls()
    {
        if (!widthEdit_) return;
        if (widthEdit_->GetValue().Trim().Trim(false).empty()) widthEdit_->SetValue(kDefaultWidthText);
        const WidthEntry result = ParseWidthEntry(widthEdit_->GetValue().utf8_string(), &lastOpenWidth);
        if (result != WidthEntry::Ok)
            ShowMessage(WidthEntryMessage(result), kAppTitle, MbIcon::Warning, MbButtons::Ok,
                        static_cast<wxWindow*>(&dialog_));
    }

    COpenFileDlg& dialog_;
    wxFileDialogRadioButton* buttons_[4] = {};
    wxFileDialogStaticText* widthLabel_ = nullptr;
    wxFileDialogTextCtrl* widthEdit_ = nullptr;
};

COpenFileDlg::COpenFileDlg(wxWindow* owner)
    : wxFileDialog(owner, "Open", wxEmptyString, wxEmptyString, kOpenFilter,
                   wxFD_OPEN | wxFD_FILE_MUST_EXIST),
      openAs(InitialOpenAs(lastOpenMode, lastOpenWidth)),
      panel_(std::make_unique<Panel>(*this))
{
    SetCustomizeHook(*panel_);
}

COpenFileDlg::~COpenFileDlg() = default;

int COpenFileDlg::ShowModal()
{
    const int result = wxFileDialog::ShowModal();
    RememberOpenAs(openAs, &lastOpenMode, &lastOpenWidth);
    return result;
}
