#include "options/wx/ToolsDlg.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/sizer.h>

#include "app/Globals.h"
#include "options/wx/ToolsPrintPage.h"
#include "options/wx/ToolsSetupPage.h"
#include "options/wx/ToolsSourcePage.h"
#include "view/wx/DialogKeys.h"

namespace {

constexpr int kSetupPageIndex = 2;

}  // namespace

CToolsDlg::CToolsDlg(wxWindow* parent, IOptionsHost& optionsHost) : host(optionsHost)
{
    Create(parent, wxID_ANY, "Options");
    wxBookCtrlBase* book = GetBookCtrl();
    sourcePage = new CToolsSourcePage(book, host);
    printPage = new CToolsPrintPage(book);
    setupPage = new CToolsSetupPage(book, host);
    book->AddPage(sourcePage, "Source");
    book->AddPage(printPage, "Printing");
    book->AddPage(setupPage, "Setup");
    CreateButtons(wxOK | wxCANCEL | wxAPPLY);
    LayoutDialog();

    // Without registry access the Setup page, which switches it on, comes first.
    const int first = theSettings.registryAccess ? 0 : kSetupPageIndex;
    book->ChangeSelection(first);
    Page(first)->shown = true;
    UpdateApply();

    Bind(wxEVT_BUTTON, &CToolsDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CToolsDlg::OnApply, this, wxID_APPLY);
    book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &CToolsDlg::OnPageChanging, this);
    book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, &CToolsDlg::OnPageChanged, this);
    MakeKeysActAtOnce(*this);
}

CToolsPage* CToolsDlg::Page(int index) const
{
    return static_cast<CToolsPage*>(GetBookCtrl()->GetPage(static_cast<std::size_t>(index)));
}

void CToolsDlg::UpdateApply()
{
    wxWindow* apply = FindWindow(wxID_APPLY);
    if (!apply || !sourcePage || !printPage || !setupPage) return;
    apply->Enable(sourcePage->IsModified() || printPage->IsModified() || setupPage->IsModified());
}

bool CToolsDlg::ApplyNow()
{
    const int current = GetBookCtrl()->GetSelection();
    if (current >= 0 && !Page(current)->ReadControls()) return false;
    for (int i = 0; i < static_cast<int>(GetBookCtrl()->GetPageCount()); ++i) {
        CToolsPage* page = Page(i);
        if (!page->shown) continue;
        page->OnOK();
        page->SetModified(false);
    }
    return true;
}

void CToolsDlg::PressOK()
{
    if (!ApplyNow()) return;
    if (IsModal()) {
        EndModal(wxID_OK);
    } else {
        SetReturnCode(wxID_OK);
        Hide();
    }
}

bool CToolsDlg::TurnTo(int page)
{
    const int current = GetBookCtrl()->GetSelection();
    if (current >= 0 && current != page && !Page(current)->ReadControls()) return false;
    GetBookCtrl()->ChangeSelection(static_cast<std::size_t>(page));
    Page(page)->shown = true;
    return true;
}

void CToolsDlg::OnOK(wxCommandEvent&) { PressOK(); }

void CToolsDlg::OnApply(wxCommandEvent&) { ApplyNow(); }

void CToolsDlg::OnPageChanging(wxBookCtrlEvent& event)
{
    const int current = event.GetOldSelection();
    if (current >= 0 && !Page(current)->ReadControls()) event.Veto();
}

void CToolsDlg::OnPageChanged(wxBookCtrlEvent& event)
{
    if (event.GetSelection() >= 0) Page(event.GetSelection())->shown = true;
    event.Skip();
}
