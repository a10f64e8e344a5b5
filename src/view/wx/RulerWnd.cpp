#include "view/wx/RulerWnd.h"

#include <wx/dc.h>

#include "view/AppViewBase.h"
#include "view/RulerMarks.h"

CRulerWnd::CRulerWnd(wxWindow* parent, CAppViewBase& view) : CGreyPaneWnd(parent, kId, "Ruler", view) {}

wxRect CRulerWnd::EdgeRect() const { return wxRect(0, 0, view_.dataWidth, view_.rulerHeight - 1); }

void CRulerWnd::DrawPane(wxDC& dc)
{
    dc.SetPen(*wxBLACK_PEN);
    for (const RulerMark& mark : CaretRulerMarks(view_)) {
        if (mark.digit) dc.DrawText(wxString(static_cast<wxChar>(mark.digit)), mark.digitX, mark.digitY);
        dc.DrawLine(mark.x, mark.tickTop, mark.x, mark.tickBottom);
    }
}
