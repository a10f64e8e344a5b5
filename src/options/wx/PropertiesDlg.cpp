#include "options/wx/PropertiesDlg.h"

#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/Globals.h"
#include "options/PropertiesReport.h"
#include "platform/wx/WxPaths.h"
#include "resources/ResourceIds.h"

namespace {

// The report as the label shows it: line feeds only, and bytes of a path
// that are not UTF-8 each standing for themselves.
wxString LabelText(const std::string& report)
{
    std::string text;
    text.reserve(report.size());
    for (char c : report)
        if (c != '\r') text.push_back(c);
    return BytesToWx(text);
}

}  // namespace

CPropertiesDlg::CPropertiesDlg(wxWindow* parent)
    : wxDialog(parent, IDD_PROPERTIES, kPropertiesCaption), report(PropertiesReport(FactsOf(theRecordList)))
{
    auto* tabs = new wxNotebook(this, IDC_PROPERTIES_TAB);
    auto* general = new wxPanel(tabs);
    text_ = new wxStaticText(general, IDC_PROPERTIES_TEXT, wxEmptyString);
    auto* inside = new wxBoxSizer(wxVERTICAL);
    inside->Add(text_, 1, wxEXPAND | wxALL, 10);
    general->SetSizer(inside);
    tabs->AddPage(general, kPropertiesTab, true);

    auto* ok = new wxButton(this, wxID_OK, kPropertiesOk);
    ok->SetDefault();
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(tabs, 1, wxEXPAND | wxALL, 8);
    column->Add(ok, 0, wxALIGN_RIGHT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(column);
}

bool CPropertiesDlg::TransferDataToWindow()
{
    // Literal text: a path may hold "&".
    text_->SetLabelText(LabelText(report));
    GetSizer()->SetSizeHints(this);
    CentreOnParent();
    return wxDialog::TransferDataToWindow();
}
