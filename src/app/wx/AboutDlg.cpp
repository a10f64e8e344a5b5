#include "app/wx/AboutDlg.h"

#include <wx/button.h>
#include <wx/icon.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/AppMessages.h"
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
    auto* dateRow = new wxBoxSizer(wxHORIZONTAL);
    dateRow->Add(new wxStaticText(this, wxID_ANY, kBuildDateLabel));
    buildDateText_ = new wxStaticText(this, IDC_BUILD_DATE, wxEmptyString);
    dateRow->Add(buildDateText_, 0, wxLEFT, 8);
    texts->Add(dateRow, 0, wxTOP, 16);

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
