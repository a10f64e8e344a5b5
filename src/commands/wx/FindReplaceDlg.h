#pragma once

#include "commands/FindReplaceLogic.h"
#include "commands/wx/ModelessDialog.h"

class wxButton;
class wxComboBox;
class wxRadioButton;

// Edit > Find/Replace: the modeless "Find and Replace" dialog over the main
// frame. It searches the document for a byte pattern, replaces one or all
// matches and keeps the last ten texts of each box. Close only hides it; it
// lives until the frame goes, and then leaves its histories in the settings.
class CFindReplaceDlg : public CModelessDialog {
public:
    explicit CFindReplaceDlg(wxWindow* parent);
    ~CFindReplaceDlg() override;

    // Shows the dialog in front with the keyboard in the search box.
    void ShowAndFocus();
    // The view's selection within one record becomes the search text.
    void TakeSelection();
    // The caret moved or the records changed: the match is gone.
    void CaretMoved();

    CFindReplaceLogic logic;

private:
    void ReadControls();
    // Shows the histories and the enabling the logic holds.
    void ShowState();
    void OnSearchTextEdited(wxCommandEvent& event);
    void OnSearchTextChosen(wxCommandEvent& event);
    void OnSearch(wxCommandEvent& event);
    void OnReplace(wxCommandEvent& event);
    void OnReplaceAll(wxCommandEvent& event);

    wxComboBox* searchBox_ = nullptr;
    wxComboBox* replaceBox_ = nullptr;
    wxRadioButton* forward_ = nullptr;
    wxRadioButton* backward_ = nullptr;
    wxButton* searchButton_ = nullptr;
    wxButton* replaceButton_ = nullptr;
    wxButton* replaceAllButton_ = nullptr;
    // Set while the boxes are refilled, whose text events are not edits.
    bool filling_ = false;

    wxDECLARE_EVENT_TABLE();
};
