#pragma once
#include <wx/docview.h>

// The main window: menu, toolbar, status bar and the view inside.
class CMainFrame : public wxDocParentFrame {
public:
    CMainFrame(wxDocManager* manager, wxFrame* parent, wxWindowID id, const wxString& title);

private:
    void BuildMenus();
    wxDECLARE_EVENT_TABLE();
};
