#include "options/wx/ToolsPage.h"

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "options/wx/ToolsDlg.h"
#include "platform/Platform.h"
#include "resources/Strings.h"

CToolsPage::CToolsPage(wxWindow* parent, int id) : wxPanel(parent, id) {}

void CToolsPage::SetModified(bool modified)
{
    modified_ = modified;
    if (auto* sheet = dynamic_cast<CToolsDlg*>(wxGetTopLevelParent(this))) sheet->UpdateApply();
}

bool CToolsPage::Refuse(wxTextCtrl* field, const std::string& message)
{
    ShowMessage(message, kAppTitle, MbIcon::Warning, MbButtons::Ok, static_cast<wxWindow*>(this));
    field->SetFocus();
    field->SelectAll();
    return false;
}

void CToolsPage::BindFlag(wxCheckBox* box, bool* flag)
{
    box->Bind(wxEVT_CHECKBOX, [this, flag](wxCommandEvent& event) {
        *flag = event.IsChecked();
        SetModified();
    });
}

void CToolsPage::MarkChangedOnTyping(wxTextCtrl* field)
{
    field->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { SetModified(); });
}
