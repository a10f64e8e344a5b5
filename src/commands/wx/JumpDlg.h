#pragma once

#include "commands/JumpLogic.h"
#include "commands/wx/ModelessDialog.h"

class wxChoice;
class wxRadioButton;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;

// Tools > Jump: the modeless "Jump" dialog. It moves the caret to a record
// by number, or to the next record of a given length or of the greatest
// length, forward or backward with wrap-around. Close, Escape and the close
// box only hide it; it keeps its fields until the frame goes.
class CJumpDlg : public CModelessDialog {
public:
    explicit CJumpDlg(wxWindow* parent);

    // Shows the dialog in front with the keyboard in the Mode box.
    void ShowAndFocus();

    bool TransferDataToWindow() override;
    // Reads the controls into the fields; false (with the message shown)
    // when the Value box does not hold a number.
    bool TransferDataFromWindow() override;

    CJumpLogic logic;

private:
    // Mode and direction as the dialog shows them.
    void ReadModeAndDirection();
    void EnableControls();
    void OnInitDialog(wxInitDialogEvent& event);
    void OnModeChanged(wxCommandEvent& event);
    void OnJump(wxCommandEvent& event);

    wxChoice* mode_ = nullptr;
    wxStaticText* valueLabel_ = nullptr;
    wxTextCtrl* value_ = nullptr;
    wxStaticBox* direction_ = nullptr;
    wxRadioButton* forward_ = nullptr;
    wxRadioButton* backward_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};
