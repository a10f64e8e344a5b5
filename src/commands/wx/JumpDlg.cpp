#include "commands/wx/JumpDlg.h"

#include <string>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "app/Globals.h"
#include "app/wx/MainFrame.h"
#include "commands/FindMessages.h"
#include "resources/ResourceIds.h"
#include "view/AppViewBase.h"

wxBEGIN_EVENT_TABLE(CJumpDlg, CModelessDialog)
    EVT_INIT_DIALOG(CJumpDlg::OnInitDialog)
    EVT_CHOICE(IDC_JUMP_MODE, CJumpDlg::OnModeChanged)
    EVT_BUTTON(IDC_JUMP, CJumpDlg::OnJump)
wxEND_EVENT_TABLE()

CJumpDlg::CJumpDlg(wxWindow* parent) : CModelessDialog(parent, IDD_JUMP, kJumpCaption, IDC_JUMP_CLOSE)
{
    logic.owner = static_cast<wxWindow*>(parent);
    // Laid out in dialog units, as the template places its controls.
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    new wxStaticText(this, wxID_ANY, "&Mode:", at(16, 7));
    wxArrayString modes;
    for (const char* name : kJumpModeNames) modes.Add(name);
    mode_ = new wxChoice(this, IDC_JUMP_MODE, at(44, 5), size(110, 14), modes);
    valueLabel_ = new wxStaticText(this, IDC_JUMP_VALUE_LABEL, "&Value:", at(16, 26));
    value_ = new wxTextCtrl(this, IDC_JUMP_VALUE, wxEmptyString, at(44, 23), size(110, 13), 0,
                            wxTextValidator(wxFILTER_DIGITS));
    direction_ = new wxStaticBox(this, IDC_JUMP_DIRECTION, "Direction", at(10, 43), size(150, 30));
    forward_ = new wxRadioButton(this, IDC_JUMP_FORWARD, "F&orward", at(34, 55), wxDefaultSize, wxRB_GROUP);
    backward_ = new wxRadioButton(this, IDC_JUMP_BACKWARD, "&Backward", at(96, 55));
    auto* jump = new wxButton(this, IDC_JUMP, "&Jump", at(178, 4), size(50, 14));
    new wxButton(this, IDC_JUMP_CLOSE, "&Close", at(178, 23), size(50, 14));
    jump->SetDefault();
    SetClientSize(size(237, 82));

    TransferDataToWindow();
    CentreOnParent();
    EnableControls();
}

// The toolkit initialises a dialog each time it is shown; the fields went
// into the controls once, at construction, and the controls keep what the
// user typed (a clamped record number included) from then on.
void CJumpDlg::OnInitDialog(wxInitDialogEvent&) {}

void CJumpDlg::ShowAndFocus()
{
    Show();
    Raise();
    mode_->SetFocus();
}

bool CJumpDlg::TransferDataToWindow()
{
    mode_->SetSelection(logic.jumpMode);
    value_->ChangeValue(std::to_string(logic.jumpValue));
    (logic.backward ? backward_ : forward_)->SetValue(true);
    return true;
}

void CJumpDlg::ReadModeAndDirection()
{
    logic.jumpMode = mode_->GetSelection() < 0 ? 0 : mode_->GetSelection();
    logic.backward = backward_->GetValue() ? 1 : 0;
}

bool CJumpDlg::TransferDataFromWindow()
{
    ReadModeAndDirection();
    // A Value box the mode does not use is not read.
    if (!logic.ValueEnabled()) return true;
    return ReadJumpValue(value_->GetValue().utf8_string(), logic.jumpValue, static_cast<wxWindow*>(this));
}

void CJumpDlg::EnableControls()
{
    valueLabel_->Enable(logic.ValueEnabled());
    value_->Enable(logic.ValueEnabled());
    direction_->Enable(logic.DirectionEnabled());
    forward_->Enable(logic.DirectionEnabled());
    backward_->Enable(logic.DirectionEnabled());
}

void CJumpDlg::OnModeChanged(wxCommandEvent&)
{
    ReadModeAndDirection();
    EnableControls();
}

void CJumpDlg::OnJump(wxCommandEvent&)
{
    if (!theView || !theRecordList || !TransferDataFromWindow()) return;
    logic.Jump(*theView, *theRecordList);
    if (theMainFrame) theMainFrame->ShowViewChanged();
}
