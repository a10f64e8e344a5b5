#pragma once
#include <wx/dialog.h>

// A dialog that stays beside the main frame between uses: its Close button,
// Escape and the close box only hide it, so that it keeps its fields; it
// goes with the frame.
class CModelessDialog : public wxDialog {
public:
    // `closeId` names the dialog's Close button, which Escape presses too.
    CModelessDialog(wxWindow* parent, int id, const wxString& caption, int closeId);

private:
    void OnCloseWindow(wxCloseEvent& event);
};
