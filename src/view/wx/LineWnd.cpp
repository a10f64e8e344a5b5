#include "view/wx/LineWnd.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include "view/AppViewBase.h"
#include "view/LineNumbers.h"
#include "view/ViewColours.h"
#include "view/wx/PaneDrawing.h"

CLineWnd::CLineWnd(wxWindow* parent, CAppViewBase& view)
    : wxWindow(parent, kId, wxPoint(0, 0), wxSize(100, 100), wxBORDER_NONE, "Line"), view_(view)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetBackgroundColour(ToWx(kPaneBackground));
    Bind(wxEVT_PAINT, &CLineWnd::OnPaint, this);
}

void CLineWnd::PaintTo(wxDC& target)
{
    const wxSize size = GetClientSize();
    EnsureBitmapSize(bitmap_, size.x, size.y);
    {
        wxMemoryDC dc(bitmap_);
        const wxColour grey = ToWx(kPaneBackground);
        dc.SetBackground(wxBrush(grey));
        dc.Clear();
        DrawEtchedEdge(dc, 0, 0, view_.lineWidth - 1, view_.dataHeight);
        dc.SetFont(GetFont());
        dc.SetTextForeground(*wxBLACK);
        dc.SetTextBackground(grey);
        dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
        for (const LineNumberLabel& label : LineNumberLabels(view_, view_.RecordCount()))
            dc.DrawText(label.text, label.x, label.y);
    }
    target.DrawBitmap(bitmap_, 0, 0);
}

void CLineWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    PaintTo(dc);
}
