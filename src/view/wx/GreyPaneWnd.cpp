#include "view/wx/GreyPaneWnd.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include "view/ViewColours.h"
#include "view/wx/PaneDrawing.h"
#include "view/wx/ScreenPicture.h"

CGreyPaneWnd::CGreyPaneWnd(wxWindow* parent, int id, const char* name, CAppViewBase& view)
    : wxWindow(parent, id, wxPoint(0, 0), wxSize(100, 100), wxBORDER_NONE, name), view_(view)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetBackgroundColour(ToWx(kPaneBackground));
    Bind(wxEVT_PAINT, &CGreyPaneWnd::OnPaint, this);
}

void CGreyPaneWnd::Redraw()
{
    const wxSize size = GetClientSize();
    EnsureBitmapSize(bitmap_, size.x, size.y, DeviceScaleOf(*this));
    wxMemoryDC dc(bitmap_);
    const wxColour grey = ToWx(kPaneBackground);
    dc.SetBackground(wxBrush(grey));
    dc.Clear();
    const wxRect edge = EdgeRect();
    DrawEtchedEdge(dc, edge.x, edge.y, edge.width, edge.height);
    dc.SetFont(GetFont());
    dc.SetTextForeground(*wxBLACK);
    dc.SetTextBackground(grey);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    DrawPane(dc);
}

void CGreyPaneWnd::ViewChanged()
{
    if (changesPending_) return;
    changesPending_ = true;
    CallAfter(&CGreyPaneWnd::ShowChanges);
}

void CGreyPaneWnd::ShowChanges()
{
    changesPending_ = false;
    if (!IsShownOnScreen()) return;
    Redraw();
    wxClientDC dc(this);
    if (DrawsOnScreenNow(dc))
        dc.DrawBitmap(bitmap_, 0, 0);
    else
        Refresh(false);
}

void CGreyPaneWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Redraw();
    dc.DrawBitmap(bitmap_, 0, 0);
}
