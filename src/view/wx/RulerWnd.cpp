#include "view/wx/RulerWnd.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include "view/AppViewBase.h"
#include "view/RulerMarks.h"
#include "view/ViewColours.h"
#include "view/wx/PaneDrawing.h"

CRulerWnd::CRulerWnd(wxWindow* parent, CAppViewBase& view)
    : wxWindow(parent, kId, wxPoint(0, 0), wxSize(100, 100), wxBORDER_NONE, "Ruler"), view_(view)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetBackgroundColour(ToWx(kPaneBackground));
    Bind(wxEVT_PAINT, &CRulerWnd::OnPaint, this);
}

void CRulerWnd::PaintTo(wxDC& target)
{
    const wxSize size = GetClientSize();
    EnsureBitmapSize(bitmap_, size.x, size.y);
    {
        wxMemoryDC dc(bitmap_);
        const wxColour grey = ToWx(kPaneBackground);
        dc.SetBackground(wxBrush(grey));
        dc.Clear();
        DrawEtchedEdge(dc, 0, 0, view_.dataWidth, view_.rulerHeight - 1);
        dc.SetFont(GetFont());
        dc.SetTextForeground(*wxBLACK);
        dc.SetTextBackground(grey);
        dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
        dc.SetPen(*wxBLACK_PEN);
        for (const RulerMark& mark : CaretRulerMarks(view_)) {
            if (mark.digit) dc.DrawText(wxString(static_cast<wxChar>(mark.digit)), mark.digitX, mark.digitY);
            dc.DrawLine(mark.x, mark.tickTop, mark.x, mark.tickBottom);
        }
    }
    target.DrawBitmap(bitmap_, 0, 0);
}

void CRulerWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    PaintTo(dc);
}
