#include "options/wx/ToolsSourcePage.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/Globals.h"
#include "options/FieldValidation.h"
#include "options/wx/SpinField.h"
#include "resources/ResourceIds.h"

CToolsSourcePage::CToolsSourcePage(wxWindow* parent, IOptionsHost& host)
    : CToolsPage(parent, IDD_TOOLS_SOURCE), values(SourcePageValues::From(theSettings)), host_(host)
{
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* tabBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Tab Setting");
    wxWindow* tabParent = tabBox->GetStaticBox();
    tabBox->Add(new wxStaticText(tabParent, wxID_ANY, "&Every"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    tabWidth = std::make_unique<CSpinField>(tabParent, IDC_SRC_MARK, IDC_SRC_MARK_SPIN, kMinTabWidth, kMaxTabWidth, 1);
    tabWidth->AddTo(tabBox);
    tabBox->Add(new wxStaticText(tabParent, wxID_ANY, "spaces"), 0, wxALIGN_CENTER_VERTICAL);
    top->Add(tabBox, 0, wxEXPAND | wxALL, 8);
    tabWidth->SetPosition(values.srcMark);
    tabWidth->onStep = [this](int width) {
        values.srcMark = width;
        SetModified();
        ShowValues();
    };
    MarkChangedOnTyping(tabWidth->edit);

    smartIndent = new wxCheckBox(this, IDC_SRC_SMART, "Smart &Indent");
    top->Add(smartIndent, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);

    auto* replaceBox = new wxStaticBoxSizer(wxVERTICAL, this, "Replace Tabs");
    asYouType = new wxCheckBox(replaceBox->GetStaticBox(), IDC_SRC_TYPE, "As you &Type");
    asYouSave = new wxCheckBox(replaceBox->GetStaticBox(), IDC_SRC_SAVE, "As you &Save");
    replaceBox->Add(asYouType, 0, wxALL, 3);
    replaceBox->Add(asYouSave, 0, wxALL, 3);
    top->Add(replaceBox, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    BindFlag(smartIndent, &values.srcSmart);
    BindFlag(asYouType, &values.srcType);
    BindFlag(asYouSave, &values.srcSave);

    SetSizer(top);
    ShowValues();
}

CToolsSourcePage::~CToolsSourcePage() = default;

void CToolsSourcePage::ShowValues()
{
    tabWidth->edit->ChangeValue(wxString::Format("%d", values.srcMark));
    smartIndent->SetValue(values.srcSmart);
    asYouType->SetValue(values.srcType);
    asYouSave->SetValue(values.srcSave);
}

bool CToolsSourcePage::ReadControls()
{
    std::string message;
    int width = values.srcMark;
    if (!ReadIntegerField(tabWidth->edit->GetValue().utf8_string(), kMinTabWidth, kMaxTabWidth, &width, &message))
        return Refuse(tabWidth->edit, message);
    values.srcMark = width;
    return true;
}

void CToolsSourcePage::OnOK() { values.ApplyTo(theSettings, host_); }
