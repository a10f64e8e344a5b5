#include "commands/wx/AdvanceDlg.h"

#include <string>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "commands/AdvanceRange.h"
#include "commands/ClipboardMessages.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"
#include "resources/Strings.h"

CAdvanceDlg::CAdvanceDlg(wxWindow* parent, std::int64_t start, std::int64_t end, std::int64_t recordCount)
    : startRecord(start), endRecord(end), recordCount_(recordCount)
{
    Create(parent, IDD_ADVANCE, kAdvanceCaption);
    // The template's layout, in dialog units.
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    SetClientSize(size(226, 87));

    auto* prompt = new wxStaticText(this, wxID_ANY, kAdvancePrompt, at(8, 5));
    prompt->Wrap(size(155, 0).x);  // beside the buttons
    new wxStaticText(this, wxID_ANY, kAdvanceStartLabel, at(8, 44));
    startEntry_ = new wxTextCtrl(this, IDC_ADVANCE_START, wxEmptyString, at(65, 41), size(50, 12));
    new wxStaticText(this, wxID_ANY, kAdvanceEndLabel, at(8, 66));
    endEntry_ = new wxTextCtrl(this, IDC_ADVANCE_END, wxEmptyString, at(65, 64), size(50, 12));
    // Digits only, as typed; anything else that arrives (pasted) is refused
    // when the entries are read. Keys with Ctrl or Alt go on, so that the
    // buttons' Alt mnemonics and the entries' editing keys still work.
    for (wxTextCtrl* entry : {startEntry_, endEntry_}) {
        entry->Bind(wxEVT_CHAR, [](wxKeyEvent& event) {
            const int key = event.GetKeyCode();
            if (event.HasAnyModifiers() || key < WXK_SPACE || key == WXK_DELETE || key >= WXK_START ||
                (key >= '0' && key <= '9'))
                event.Skip();
        });
    }
    auto* cut = new wxButton(this, IDC_ADVANCE_CUT, kAdvanceCutLabel, at(169, 6), size(50, 14));
    auto* copy = new wxButton(this, IDC_ADVANCE_COPY, kAdvanceCopyLabel, at(169, 25), size(50, 14));
    auto* close = new wxButton(this, IDC_ADVANCE_CLOSE, kAdvanceCloseLabel, at(169, 64), size(50, 14));

    cut->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Transfer(false); });
    copy->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Transfer(true); });
    close->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CANCEL); });
    // No default button: Enter must not transfer. Escape acts as Close.
    SetAffirmativeId(wxID_NONE);
    SetEscapeId(IDC_ADVANCE_CLOSE);
    startEntry_->SetFocus();
    CentreOnParent();
}

bool CAdvanceDlg::TransferDataToWindow()
{
    startEntry_->ChangeValue(std::to_string(startRecord));
    endEntry_->ChangeValue(std::to_string(endRecord));
    return true;
}

bool CAdvanceDlg::ReadEntry(wxTextCtrl* entry, std::int64_t& value)
{
    if (ParseRecordEntry(entry->GetValue().utf8_string(), value)) return true;
    ShowMessage(kMsgEnterInteger, kAppTitle, MbIcon::Warning, MbButtons::Ok, static_cast<wxWindow*>(this));
    entry->SetFocus();
    entry->SelectAll();
    return false;
}

void CAdvanceDlg::Transfer(bool copy)
{
    std::int64_t start = 0;
    std::int64_t end = 0;
    if (!ReadEntry(startEntry_, start) || !ReadEntry(endEntry_, end)) return;
    if (!ValidateRange(start, end, recordCount_, static_cast<wxWindow*>(this))) return;
    startRecord = start;
    endRecord = end;
    copyChosen = copy;
    EndModal(wxID_OK);
}
