#include "commands/wx/FindReplaceDlg.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/Globals.h"
#include "app/wx/MainFrame.h"
#include "commands/FindHistory.h"
#include "commands/FindMessages.h"
#include "resources/ResourceIds.h"
#include "view/AppViewBase.h"

namespace {

wxArrayString ToArray(const std::vector<std::string>& items)
{
    wxArrayString array;
    for (const std::string& item : items) array.Add(wxString::FromUTF8(item));
    return array;
}

std::vector<std::string> ItemsOf(const wxComboBox* box)
{
    std::vector<std::string> items;
    for (unsigned i = 0; i < box->GetCount(); ++i) items.push_back(box->GetString(i).utf8_string());
    return items;
}

// Puts a history into a box, keeping the text being edited.
void Fill(wxComboBox* box, const std::vector<std::string>& items)
{
    if (ItemsOf(box) == items) return;
    const wxString text = box->GetValue();
    box->Set(ToArray(items));
    box->ChangeValue(text);
}

}  // namespace

wxBEGIN_EVENT_TABLE(CFindReplaceDlg, CModelessDialog)
    EVT_TEXT(IDC_FIND_TEXT, CFindReplaceDlg::OnSearchTextEdited)
    EVT_COMBOBOX(IDC_FIND_TEXT, CFindReplaceDlg::OnSearchTextChosen)
    EVT_BUTTON(IDC_FIND_SEARCH, CFindReplaceDlg::OnSearch)
    EVT_BUTTON(IDC_FIND_REPLACE, CFindReplaceDlg::OnReplace)
    EVT_BUTTON(IDC_FIND_REPLACE_ALL, CFindReplaceDlg::OnReplaceAll)
wxEND_EVENT_TABLE()

CFindReplaceDlg::CFindReplaceDlg(wxWindow* parent)
    : CModelessDialog(parent, IDD_FIND_REPLACE, kFindReplaceCaption, IDC_FIND_CLOSE)
{
    logic.owner = static_cast<wxWindow*>(this);
    logic.refreshView = [] {
        if (theMainFrame) theMainFrame->ShowViewChanged();
    };
    logic.findItems = HistoryItems(theSettings.findItems);
    logic.replItems = HistoryItems(theSettings.replItems);

    searchBox_ = new wxComboBox(this, IDC_FIND_TEXT, wxEmptyString, wxDefaultPosition, wxSize(220, -1),
                                ToArray(logic.findItems), wxCB_DROPDOWN);
    replaceBox_ = new wxComboBox(this, IDC_REPLACE_TEXT, wxEmptyString, wxDefaultPosition, wxSize(220, -1),
                                 ToArray(logic.replItems), wxCB_DROPDOWN);
    searchBox_->SetMaxLength(kMaxFindTextChars);
    replaceBox_->SetMaxLength(kMaxFindTextChars);
    forward_ = new wxRadioButton(this, IDC_FIND_FORWARD, "F&orward", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    backward_ = new wxRadioButton(this, IDC_FIND_BACKWARD, "&Backward");
    forward_->SetValue(true);
    searchButton_ = new wxButton(this, IDC_FIND_SEARCH, "&Search");
    replaceButton_ = new wxButton(this, IDC_FIND_REPLACE, "&Replace");
    replaceAllButton_ = new wxButton(this, IDC_FIND_REPLACE_ALL, "Replace &All");
    auto* close = new wxButton(this, IDC_FIND_CLOSE, "&Close");
    searchButton_->SetDefault();

    auto* fields = new wxFlexGridSizer(2, 6, 8);
    fields->Add(new wxStaticText(this, wxID_ANY, "Fi&nd what:"), 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(searchBox_, 1, wxEXPAND);
    fields->Add(new wxStaticText(this, wxID_ANY, "Re&place with:"), 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(replaceBox_, 1, wxEXPAND);
    auto* direction = new wxStaticBoxSizer(wxHORIZONTAL, this, "Direction");
    direction->Add(forward_, 0, wxALL, 4);
    direction->Add(backward_, 0, wxALL, 4);
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(fields, 0, wxEXPAND);
    left->Add(direction, 0, wxTOP, 10);
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    for (wxButton* b : {searchButton_, replaceButton_, replaceAllButton_, close}) buttons->Add(b, 0, wxEXPAND | wxBOTTOM, 4);
    auto* all = new wxBoxSizer(wxHORIZONTAL);
    all->Add(left, 1, wxALL, 10);
    all->Add(buttons, 0, wxTOP | wxBOTTOM | wxRIGHT, 10);
    SetSizerAndFit(all);
    CentreOnParent();
    ShowState();
}

CFindReplaceDlg::~CFindReplaceDlg()
{
    // The histories reach the registry with the next settings save.
    StoreHistory(ItemsOf(searchBox_), theSettings.findItems);
    StoreHistory(ItemsOf(replaceBox_), theSettings.replItems);
}

void CFindReplaceDlg::ReadControls()
{
    logic.searchText = searchBox_->GetValue().utf8_string();
    logic.replaceText = replaceBox_->GetValue().utf8_string();
    logic.direction = backward_->GetValue() ? 1 : 0;
}

void CFindReplaceDlg::ShowState()
{
    filling_ = true;
    Fill(searchBox_, logic.findItems);
    Fill(replaceBox_, logic.replItems);
    filling_ = false;
    searchButton_->Enable(logic.searchEnabled);
    replaceButton_->Enable(logic.replaceEnabled);
    replaceAllButton_->Enable(logic.replaceAllEnabled);
    replaceBox_->Enable(logic.replaceBoxEnabled);
}

void CFindReplaceDlg::ShowAndFocus()
{
    Show();
    Raise();
    searchBox_->SetFocus();
    searchBox_->SelectAll();
}

void CFindReplaceDlg::TakeSelection()
{
    if (!theView || !logic.TakeSelection(*theView)) return;
    filling_ = true;
    searchBox_->ChangeValue(wxString::FromUTF8(logic.searchText));
    filling_ = false;
    searchBox_->SelectAll();
    ShowState();
}

void CFindReplaceDlg::CaretMoved()
{
    logic.CaretMoved();
    replaceButton_->Enable(logic.replaceEnabled);
}

void CFindReplaceDlg::OnSearchTextEdited(wxCommandEvent&)
{
    if (filling_) return;
    ReadControls();
    logic.SearchTextEdited();
    ShowState();
}

void CFindReplaceDlg::OnSearchTextChosen(wxCommandEvent&)
{
    ReadControls();
    logic.HistoryChosen();
    ShowState();
}

void CFindReplaceDlg::OnSearch(wxCommandEvent&)
{
    if (!theView || !theRecordList) return;
    ReadControls();
    logic.Search(*theView, *theRecordList);
    ShowState();
}

void CFindReplaceDlg::OnReplace(wxCommandEvent&)
{
    if (!theView || !theRecordList) return;
    ReadControls();
    logic.Replace(*theView, theView->Edits());
    ShowState();
}

void CFindReplaceDlg::OnReplaceAll(wxCommandEvent&)
{
    if (!theView || !theRecordList) return;
    ReadControls();
    logic.ReplaceAll(*theView, theView->Edits());
    ShowState();
}
