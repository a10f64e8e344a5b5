#include "app/wx/MainFrame.h"

#include <wx/menu.h>

#include "resources/Strings.h"

wxBEGIN_EVENT_TABLE(CMainFrame, wxDocParentFrame)
wxEND_EVENT_TABLE()

CMainFrame::CMainFrame(wxDocManager* manager, wxFrame* parent, wxWindowID id, const wxString& title)
    : wxDocParentFrame(manager, parent, id, title)
{
    BuildMenus();
    SetMinSize(wxSize(320, 240));
}

void CMainFrame::BuildMenus()
{
    auto* file = new wxMenu;
    file->Append(wxID_NEW, "&New\tCtrl+N");
    file->Append(wxID_OPEN, "&Open...\tCtrl+O");
    file->AppendSeparator();
    file->Append(wxID_EXIT, "E&xit");
    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    SetMenuBar(bar);
}
