#include "app/wx/AboutDlg.h"

#include <wx/button.h>
#include <wx/icon.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/AppMessages.h"
#include "app/ProgramInfo.h"
#include "resources/Images.h"
#include "resources/ResourceIds.h"
#include "resources/Strings.h"

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, IDD_ABOUTBOX, kAboutCaption), buildDate(__DATE__ " " __TIME__)
{
    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(new wxStaticText(this, wxID_ANY, kAppTitle));
    texts->Add(new wxStaticText(this, wxID_ANY, kAboutAuthor), 0, wxTOP, 4);
    texts->Add(new wxStaticText(this, wxID_ANY, kWebHelpAddress), 0, wxTOP, 4);
    // The two labelled values line up in a grid: version, then build date.
    auto* facts = new wxFlexGridSizer(2, 4, 8);
    facts->Add(new wxStaticText(this, wxID_ANY, kVersionLabel));
    facts->Add(new wxStaticText(this, wxID_ANY, ProgramVersion(), wxDefaultPosition, wxDefaultSize, 0,
                                kVersionTextName));
    facts->Add(new wxStaticText(this, wxID_ANY, kBuildDateLabel));
    buildDateText_ = new wxStaticText(this, IDC_BUILD_DATE, wxEmptyString);
    facts->Add(buildDateText_);
    texts->Add(facts, 0, wxTOP, 16);

    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, wxIcon(ProgramIcon())), 0, wxALL, 10);
    row->Add(texts, 1, wxALL, 10);
    row->Add(ok, 0, wxALL, 10);
    SetSizerAndFit(row);
    CentreOnParent();
}

bool CAboutDlg::TransferDataToWindow()
{
    buildDateText_->SetLabel(buildDate);
    return wxDialog::TransferDataToWindow();
}
