#pragma once
#include <vector>
#include <wx/dialog.h>

#include "options/FileTypeControls.h"
#include "options/FileTypeList.h"

class wxButton;
class wxCheckBox;
class wxListCtrl;
class wxListEvent;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;

// "File Types": lists the system's file types and makes the program a verb
// of the chosen ones, with its view and open-mode switches.
class CFileTypesDlg : public wxDialog {
public:
    explicit CFileTypesDlg(wxWindow* parent);

    // Row keys in the list's order, and the selected ones.
    std::vector<long> RowKeys() const { return order_; }
    std::vector<long> SelectedKeys() const;
    // Selects exactly these rows (as the user would) and shows their values.
    void SelectRows(const std::vector<long>& keys);
    // Sorts by a column, as a click on its heading does.
    void SortBy(int column);
    // A click on one of the check boxes (its control id).
    void ClickBox(int id);
    // Apply as its button runs it; OK as its button runs it.
    void ApplyNow();
    void PressOK();
    void SetWidthText(const std::string& text);

    CFileTypeList list;
    FileTypeControls controls;
    wxListCtrl* listCtrl = nullptr;
    wxTextCtrl* extensionsField = nullptr;
    wxCheckBox* enableBox = nullptr;
    wxCheckBox* hexBox = nullptr;
    wxCheckBox* sourceBox = nullptr;
    wxCheckBox* openModeBoxes[kOpenModeBoxCount] = {};
    wxTextCtrl* widthField = nullptr;
    wxButton* applyButton = nullptr;

private:
    void FillList();
    void ShowRow(long row, const FileTypeEntry& entry);
    void ShowControls();
    void EnableModes(bool enable);
    void SelectionChanged();

    std::vector<long> order_;
    wxStaticBox* viewGroup_ = nullptr;
    wxStaticBox* openGroup_ = nullptr;
    wxStaticText* widthLabel_ = nullptr;
    bool selectionPending_ = false;
};
