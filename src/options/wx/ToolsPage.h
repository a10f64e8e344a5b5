#pragma once
#include <string>
#include <wx/panel.h>

class wxCheckBox;

class wxTextCtrl;

// A page of the Options sheet. The sheet checks the page's fields when the
// page is left and on OK or Apply, and runs the OK step of every page that
// has been shown.
class CToolsPage : public wxPanel {
public:
    CToolsPage(wxWindow* parent, int id);

    // Takes the fields over into the page's values. A refused entry is
    // reported, gets the focus, and the answer is false.
    virtual bool ReadControls() = 0;
    // Puts the page's values into the settings.
    virtual void OnOK() = 0;

    bool IsModified() const { return modified_; }
    // Marks the page changed (which enables Apply) or unchanged.
    void SetModified(bool modified = true);
    // The page has been shown at least once.
    bool shown = false;

protected:
    // Reports a refused field and gives it the focus, its text selected.
    bool Refuse(wxTextCtrl* field, const std::string& message);
    // A check box that sets `flag` (one of the page's values) and marks the
    // page changed.
    void BindFlag(wxCheckBox* box, bool* flag);
    // A field whose typing marks the page changed; its text is taken over
    // when the page is read.
    void MarkChangedOnTyping(wxTextCtrl* field);

private:
    bool modified_ = false;
};
