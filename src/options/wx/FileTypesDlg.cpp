#include "options/wx/FileTypesDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/Globals.h"
#include "platform/Platform.h"
#include "platform/WaitCursor.h"
#include "platform/wx/WxPaths.h"
#include "resources/ResourceIds.h"
#include "view/wx/DialogKeys.h"

namespace {

const int kOpenModeIds[kOpenModeBoxCount] = {IDC_TYPE_AUTO, IDC_TYPE_BINARY, IDC_TYPE_DOS, IDC_TYPE_UNIX};
const char* const kOpenModeLabels[kOpenModeBoxCount] = {"&Auto", "&Binary", "&DOS Text", "&UNIX Text"};

wxCheckBoxState ToState(Tri tri)
{
    switch (tri) {
    case Tri::Checked: return wxCHK_CHECKED;
    case Tri::Mixed: return wxCHK_UNDETERMINED;
    default: return wxCHK_UNCHECKED;
    }
}

// A click flips a box; a mixed box becomes unchecked.
bool CheckedAfterClick(Tri before) { return before == Tri::Unchecked; }

}  // namespace

CFileTypesDlg::CFileTypesDlg(wxWindow* parent) : wxDialog(parent, IDD_FILE_TYPES, "File Types")
{
    CWaitCursor wait;
    auto* top = new wxBoxSizer(wxVERTICAL);
    listCtrl = new wxListCtrl(this, IDC_TYPE_LIST, wxDefaultPosition, wxSize(420, 260), wxLC_REPORT);
    listCtrl->InsertColumn(CFileTypeList::kEnabledColumn, "E", wxLIST_FORMAT_CENTRE, 25);
    listCtrl->InsertColumn(CFileTypeList::kDescriptionColumn, "Description", wxLIST_FORMAT_LEFT, 240);
    listCtrl->InsertColumn(CFileTypeList::kHexColumn, "H", wxLIST_FORMAT_CENTRE, 25);
    listCtrl->InsertColumn(CFileTypeList::kSourceColumn, "S", wxLIST_FORMAT_CENTRE, 25);
    listCtrl->InsertColumn(CFileTypeList::kModeColumn, "Mode", wxLIST_FORMAT_LEFT, 75);
    top->Add(listCtrl, 1, wxEXPAND | wxALL, 8);

    auto* extensionsRow = new wxBoxSizer(wxHORIZONTAL);
    extensionsRow->Add(new wxStaticText(this, wxID_ANY, "Extensions:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    extensionsField = new wxTextCtrl(this, IDC_TYPE_EXTENSIONS, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                     wxTE_READONLY);
    extensionsRow->Add(extensionsField, 1, wxALIGN_CENTER_VERTICAL);
    top->Add(extensionsRow, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    enableBox = new wxCheckBox(this, IDC_TYPE_ENABLE, "&Enable Extension", wxDefaultPosition, wxDefaultSize,
                               wxCHK_3STATE);
    top->Add(enableBox, 0, wxALL, 8);

    auto* groups = new wxBoxSizer(wxHORIZONTAL);
    auto* viewSizer = new wxStaticBoxSizer(wxVERTICAL, this, "View Mode");
    viewGroup_ = viewSizer->GetStaticBox();
    viewGroup_->SetId(IDC_TYPE_VIEW_GROUP);
    hexBox = new wxCheckBox(viewGroup_, IDC_TYPE_HEX, "&Hex", wxDefaultPosition, wxDefaultSize, wxCHK_3STATE);
    sourceBox = new wxCheckBox(viewGroup_, IDC_TYPE_SOURCE, "&Source", wxDefaultPosition, wxDefaultSize, wxCHK_3STATE);
    viewSizer->Add(hexBox, 0, wxALL, 3);
    viewSizer->Add(sourceBox, 0, wxALL, 3);
    groups->Add(viewSizer, 0, wxEXPAND | wxRIGHT, 8);

    auto* openSizer = new wxStaticBoxSizer(wxVERTICAL, this, "Open Mode");
    openGroup_ = openSizer->GetStaticBox();
    openGroup_->SetId(IDC_TYPE_OPEN_GROUP);
    for (int i = 0; i < kOpenModeBoxCount; ++i) {
        openModeBoxes[i] = new wxCheckBox(openGroup_, kOpenModeIds[i], kOpenModeLabels[i], wxDefaultPosition,
                                          wxDefaultSize, wxCHK_3STATE);
        if (i != kBinaryBox) {
            openSizer->Add(openModeBoxes[i], 0, wxALL, 3);
            continue;
        }
        auto* binaryRow = new wxBoxSizer(wxHORIZONTAL);
        binaryRow->Add(openModeBoxes[i], 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
        widthLabel_ = new wxStaticText(openGroup_, IDC_TYPE_WIDTH_LABEL, "Width");
        widthField = new wxTextCtrl(openGroup_, IDC_TYPE_WIDTH, "64", wxDefaultPosition, wxSize(60, -1));
        widthField->SetMaxLength(5);
        binaryRow->Add(widthLabel_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
        binaryRow->Add(widthField, 0, wxALIGN_CENTER_VERTICAL);
        openSizer->Add(binaryRow, 0, wxALL, 3);
    }
    groups->Add(openSizer, 1, wxEXPAND);
    top->Add(groups, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    top->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL | wxAPPLY), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(top);
    applyButton = dynamic_cast<wxButton*>(FindWindow(wxID_APPLY));

    FillList();
    SortBy(CFileTypeList::kDescriptionColumn);
    if (applyButton) applyButton->Disable();
    enableBox->Disable();
    EnableModes(false);
    CentreOnParent();

    listCtrl->Bind(wxEVT_LIST_COL_CLICK, [this](wxListEvent& event) { SortBy(event.GetColumn()); });
    // The boxes follow the selection however it changes (mouse or keys), so
    // that OK, which applies them, never hands one row's values to another.
    auto selection = [this](wxListEvent& event) {
        event.Skip();
        if (selectionPending_) return;
        selectionPending_ = true;
        CallAfter([this] {
            selectionPending_ = false;
            SelectionChanged();
        });
    };
    listCtrl->Bind(wxEVT_LIST_ITEM_SELECTED, selection);
    listCtrl->Bind(wxEVT_LIST_ITEM_DESELECTED, selection);
    for (const int id : {IDC_TYPE_ENABLE, IDC_TYPE_HEX, IDC_TYPE_SOURCE, IDC_TYPE_AUTO, IDC_TYPE_BINARY, IDC_TYPE_DOS,
                         IDC_TYPE_UNIX})
        Bind(wxEVT_CHECKBOX, [this, id](wxCommandEvent&) { ClickBox(id); }, id);
    widthField->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { controls.widthText = widthField->GetValue().utf8_string(); });
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyNow(); }, wxID_APPLY);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { PressOK(); }, wxID_OK);
    MakeKeysActAtOnce(*this);
}

void CFileTypesDlg::FillList()
{
    list.Fill(Platform().fileTypes->ListFileTypes());
    order_ = list.Keys();
}

void CFileTypesDlg::ShowRow(long row, const FileTypeEntry& entry)
{
    for (int column = 0; column < CFileTypeList::kColumnCount; ++column)
        listCtrl->SetItem(row, column, TextToWx(CFileTypeList::ColumnText(entry, column)));
}

void CFileTypesDlg::SortBy(int column)
{
    const std::vector<long> selected = SelectedKeys();
    list.Sort(&order_, column);
    listCtrl->Freeze();
    listCtrl->DeleteAllItems();
    for (std::size_t i = 0; i < order_.size(); ++i) {
        const long row = listCtrl->InsertItem(static_cast<long>(i), wxString());
        listCtrl->SetItemData(row, order_[i]);
        ShowRow(row, *list.Find(order_[i]));
    }
    for (std::size_t i = 0; i < order_.size(); ++i) {
        if (std::find(selected.begin(), selected.end(), order_[i]) != selected.end())
            listCtrl->SetItemState(static_cast<long>(i), wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
    listCtrl->Thaw();
}

std::vector<long> CFileTypesDlg::SelectedKeys() const
{
    std::vector<long> keys;
    for (long row = listCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row != -1;
         row = listCtrl->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        keys.push_back(static_cast<long>(listCtrl->GetItemData(row)));
    return keys;
}

void CFileTypesDlg::SelectRows(const std::vector<long>& keys)
{
    for (long row = 0; row < listCtrl->GetItemCount(); ++row) {
        const bool on = std::find(keys.begin(), keys.end(), static_cast<long>(listCtrl->GetItemData(row))) != keys.end();
        listCtrl->SetItemState(row, on ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
    }
    SelectionChanged();
}

void CFileTypesDlg::SelectionChanged()
{
    if (!FollowSelection(&controls, list, SelectedKeys())) return;
    ShowControls();
    enableBox->Enable(!controls.rows.empty());
    if (applyButton) applyButton->Disable();
}

void CFileTypesDlg::ShowControls()
{
    extensionsField->ChangeValue(TextToWx(controls.extensions));
    enableBox->Set3StateValue(ToState(controls.enable));
    hexBox->Set3StateValue(ToState(controls.hex));
    sourceBox->Set3StateValue(ToState(controls.source));
    for (int i = 0; i < kOpenModeBoxCount; ++i) openModeBoxes[i]->Set3StateValue(ToState(controls.openMode[i]));
    widthField->ChangeValue(wxString::FromUTF8(controls.widthText));
    EnableModes(controls.ModesEnabled());
}

void CFileTypesDlg::EnableModes(bool enable)
{
    viewGroup_->Enable(enable);
    openGroup_->Enable(enable);
    hexBox->Enable(enable);
    sourceBox->Enable(enable);
    for (auto* box : openModeBoxes) box->Enable(enable);
    widthLabel_->Enable(enable);
    widthField->Enable(enable);
}

void CFileTypesDlg::ClickBox(int id)
{
    switch (id) {
    case IDC_TYPE_ENABLE: ClickEnable(&controls, CheckedAfterClick(controls.enable)); break;
    case IDC_TYPE_HEX: ClickViewBox(&controls.hex, CheckedAfterClick(controls.hex)); break;
    case IDC_TYPE_SOURCE: ClickViewBox(&controls.source, CheckedAfterClick(controls.source)); break;
    default:
        for (int i = 0; i < kOpenModeBoxCount; ++i)
            if (kOpenModeIds[i] == id) ClickOpenMode(&controls, static_cast<OpenModeBox>(i));
        break;
    }
    ShowControls();
    if (applyButton) applyButton->Enable();
}

void CFileTypesDlg::SetWidthText(const std::string& text)
{
    widthField->ChangeValue(wxString::FromUTF8(text));
    controls.widthText = text;
}

void CFileTypesDlg::ApplyNow()
{
    // Keys typed ahead (Down, then Enter) can get here before the deferred
    // call that makes the boxes follow the selection.
    SelectionChanged();
    const std::vector<long> changed = ApplyFileTypeControls(list, SelectedKeys(), controls, theSettings.exePath,
                                                            *Platform().fileTypes, static_cast<wxWindow*>(this));
    for (long row = 0; row < listCtrl->GetItemCount(); ++row) {
        const long key = static_cast<long>(listCtrl->GetItemData(row));
        if (std::find(changed.begin(), changed.end(), key) != changed.end()) ShowRow(row, *list.Find(key));
    }
    if (applyButton) applyButton->Disable();
}

void CFileTypesDlg::PressOK()
{
    if (!SelectedKeys().empty()) ApplyNow();
    if (IsModal()) {
        EndModal(wxID_OK);
    } else {
        SetReturnCode(wxID_OK);
        Hide();
    }
}
