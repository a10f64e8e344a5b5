#include "view/wx/AppView.h"

#include <wx/app.h>

wxIMPLEMENT_DYNAMIC_CLASS(CAppView, wxView);

bool CAppView::OnCreate(wxDocument* doc, long flags)
{
    if (!wxView::OnCreate(doc, flags)) return false;
    SetFrame(wxTheApp->GetTopWindow());
    return true;
}

void CAppView::OnDraw(wxDC*) {}

void CAppView::OnChangeFilename()
{
    wxWindow* frame = GetFrame();
    wxDocument* doc = GetDocument();
    if (!frame || !doc) return;
    wxString title = doc->GetDocumentManager()->MakeFrameTitle(doc);
    if (doc->IsModified()) title += "*";
    frame->SetLabel(title);
}
