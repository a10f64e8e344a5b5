#pragma once
#include <wx/propdlg.h>

class IOptionsHost;
class CToolsPage;
class CToolsPrintPage;
class CToolsSourcePage;
class CToolsSetupPage;
class wxBookCtrlEvent;

// Tools > Options: the property sheet with the Source, Printing and Setup
// pages and OK, Cancel and Apply. OK and Apply run the OK step of every page
// that has been shown; Cancel keeps what an earlier Apply set.
class CToolsDlg : public wxPropertySheetDialog {
public:
    CToolsDlg(wxWindow* parent, IOptionsHost& host);

    CToolsSourcePage* sourcePage = nullptr;
    CToolsPrintPage* printPage = nullptr;
    CToolsSetupPage* setupPage = nullptr;

    // Apply is enabled while a page has changes.
    void UpdateApply();
    // OK and Apply as their buttons run them; false when a field of the
    // current page is refused (the sheet then stays open).
    bool ApplyNow();
    void PressOK();
    // Turns to a page as a click on its tab does; false when the current
    // page refuses to be left.
    bool TurnTo(int page);
    CToolsPage* Page(int index) const;

    IOptionsHost& host;

private:
    void OnOK(wxCommandEvent& event);
    void OnApply(wxCommandEvent& event);
    void OnPageChanging(wxBookCtrlEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);
};
