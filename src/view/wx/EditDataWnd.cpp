#include "view/wx/EditDataWnd.h"

#include <wx/caret.h>
#include <wx/dcclient.h>

#include "view/AppViewBase.h"
#include "view/DataPanePainter.h"
#include "view/wx/PaneDrawing.h"

CEditDataWnd::CEditDataWnd(wxWindow* parent, CAppViewBase& view)
    : wxWindow(parent, kId, wxPoint(0, 0), wxSize(100, 100),
               wxWANTS_CHARS | wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE, "EditData"),
      view_(view)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);  // every paint covers the whole pane
    SetBackgroundColour(ToWx(kDataBackground));
    SetCursor(wxCursor(wxCURSOR_IBEAM));
    Bind(wxEVT_PAINT, &CEditDataWnd::OnPaint, this);
    Bind(wxEVT_SIZE, &CEditDataWnd::OnSize, this);
    Bind(wxEVT_SET_FOCUS, &CEditDataWnd::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CEditDataWnd::OnKillFocus, this);
    Bind(wxEVT_LEFT_DOWN, &CEditDataWnd::OnLeftDown, this);
    Bind(wxEVT_CHAR, &CEditDataWnd::OnChar, this);
}

void CEditDataWnd::SetTextFont(const wxFont& font)
{
    SetFont(font);
    RenderGlyphAtlas(font, view_.charWidth, view_.charHeight, atlas_);
    Refresh(false);
}

void CEditDataWnd::PaintTo(wxDC& dc)
{
    const wxSize size = GetClientSize();
    if (pixels_.Width() != size.x || pixels_.Height() != size.y) pixels_.Resize(size.x, size.y);
    PaintDataPane(view_, atlas_, pixels_);
    CopyToImage(pixels_, image_);
    dc.DrawBitmap(wxBitmap(image_, 24), 0, 0);
}

void CEditDataWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    PaintTo(dc);
}

void CEditDataWnd::OnSize(wxSizeEvent& event)
{
    const wxSize size = GetClientSize();
    pixels_.Resize(size.x, size.y);
    event.Skip();
}

void CEditDataWnd::PlaceCaret(int x, int y, int width, int height)
{
    // A caret shown before its window is on screen leaves a stale bar.
    if (!IsShownOnScreen()) return;
    wxCaret* caret = GetCaret();
    if (!caretShown || !caret || caret->GetSize() != wxSize(width, height)) {
        SetCaret(new wxCaret(this, width, height));
        caret = GetCaret();
        caret->Show();
    }
    caret->Move(x, y);
    caretShown = true;
}

void CEditDataWnd::HideCaretNow()
{
    if (!caretShown) return;
    SetCaret(nullptr);
    caretShown = false;
}

void CEditDataWnd::OnSetFocus(wxFocusEvent& event)
{
    view_.UpdateCaret();
    event.Skip();
}

void CEditDataWnd::OnKillFocus(wxFocusEvent& event)
{
    HideCaretNow();
    event.Skip();
}

// Mouse and keyboard editing come to the view here; until then a click
// only takes the focus.
void CEditDataWnd::OnLeftDown(wxMouseEvent& event)
{
    ctrlDown = shiftDown = false;
    SetFocus();
    event.Skip();
}

void CEditDataWnd::OnChar(wxKeyEvent& event)
{
    // A Tab passed on would move the focus out of the pane.
    if (event.GetKeyCode() == WXK_TAB) return;
    event.Skip();
}
