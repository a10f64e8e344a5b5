#include "options/wx/SpinField.h"

#include <algorithm>

#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

#include "options/FieldValidation.h"

CSpinField::CSpinField(wxWindow* parent, int editId, int spinId, int lowest, int highest, int stepSize)
    : low(lowest), high(highest), step(stepSize)
{
    edit = new wxTextCtrl(parent, editId, wxEmptyString, wxDefaultPosition, wxSize(60, -1));
    spin = new wxSpinButton(parent, spinId, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL);
    spin->SetRange(low, high);
    spin->Bind(wxEVT_SPIN_UP, [this](wxSpinEvent& event) { OnSpin(event, 1); });
    spin->Bind(wxEVT_SPIN_DOWN, [this](wxSpinEvent& event) { OnSpin(event, -1); });
}

void CSpinField::AddTo(wxSizer* sizer)
{
    sizer->Add(edit, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(spin, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
}

void CSpinField::SetPosition(int newPosition)
{
    position = newPosition;
    spin->SetValue(std::max(low, std::min(high, newPosition)));
}

bool CSpinField::Step(int direction)
{
    int next = 0;
    std::string message;
    int typed = 0;
    if (followEdit && ReadIntegerField(edit->GetValue().utf8_string(), low, high, &typed, &message))
        position = typed;
    if (!StepSpin(position, direction * step, low, high, &next)) return false;
    SetPosition(next);
    if (onStep) onStep(next);
    return true;
}

void CSpinField::OnSpin(wxSpinEvent& event, int direction)
{
    // The button's own counting is not used: the step decides, and the
    // button is set to the result.
    event.Veto();
    Step(direction);
    spin->SetValue(std::max(low, std::min(high, position)));
}
