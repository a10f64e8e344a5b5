#include "commands/wx/ModelessDialog.h"

#include "view/wx/DialogKeys.h"

CModelessDialog::CModelessDialog(wxWindow* parent, int id, const wxString& caption, int closeId)
    : wxDialog(parent, id, caption)
{
    SetEscapeId(closeId);
    MakeKeysActAtOnce(*this);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Hide(); }, closeId);
    Bind(wxEVT_CLOSE_WINDOW, &CModelessDialog::OnCloseWindow, this);
}

void CModelessDialog::OnCloseWindow(wxCloseEvent& event)
{
    if (event.CanVeto()) {
        Hide();
        event.Veto();
        return;
    }
    Destroy();
}
