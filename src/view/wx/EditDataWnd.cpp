#include "view/wx/EditDataWnd.h"

#include <wx/caret.h>
#include <wx/dcclient.h>

#include "platform/KeyScanCodes.h"
#include "records/RecordList.h"
#include "view/AppViewBase.h"
#include "view/wx/FirstPaintProbe.h"
#include "view/wx/PaneDrawing.h"

CEditDataWnd::CEditDataWnd(wxWindow* parent, CAppViewBase& view)
    : wxWindow(parent, kId, wxPoint(0, 0), wxSize(100, 100),
               wxWANTS_CHARS | wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE, "EditData"),
      input(view), view_(view)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);  // every paint covers the whole pane
    SetBackgroundColour(ToWx(kDataBackground));
    SetCursor(wxCursor(wxCURSOR_IBEAM));
    Bind(wxEVT_PAINT, &CEditDataWnd::OnPaint, this);
    Bind(wxEVT_SET_FOCUS, &CEditDataWnd::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CEditDataWnd::OnKillFocus, this);
    Bind(wxEVT_KEY_DOWN, &CEditDataWnd::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &CEditDataWnd::OnKeyUp, this);
    Bind(wxEVT_CHAR, &CEditDataWnd::OnChar, this);
    Bind(wxEVT_LEFT_DOWN, &CEditDataWnd::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CEditDataWnd::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CEditDataWnd::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CEditDataWnd::OnLeftDoubleClick, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CEditDataWnd::OnCaptureLost, this);
}

void CEditDataWnd::SetTextFont(const wxFont& font)
{
    SetFont(font);
    textFont_ = font;
    glyphsStale_ = true;
    ViewChanged();
}

void CEditDataWnd::FitPicture()
{
    if (screen_.Fit(*this)) picture_.Forget();
    const int scale = screen_.Scale();
    if (glyphsStale_ || atlas_.CellWidth() != view_.charWidth * scale ||
        atlas_.CellHeight() != view_.charHeight * scale) {
        RenderGlyphAtlas(textFont_, view_.charWidth, view_.charHeight, scale, atlas_);
        glyphsStale_ = false;
        picture_.Forget();
    }
    picture_.SetScale(scale);
}

void CEditDataWnd::ViewChanged()
{
    if (changesPending_) return;
    changesPending_ = true;
    CallAfter(&CEditDataWnd::ShowChanges);
}

void CEditDataWnd::ShowChanges()
{
    changesPending_ = false;
    // Off the screen there is nothing to follow: the next paint draws all.
    if (!IsShownOnScreen()) {
        picture_.Forget();
        return;
    }
    FitPicture();
    CPixelBuffer& pixels = screen_.BeginDrawing();
    screen_.Follow(*this, picture_.Render(view_, atlas_, pixels));
    NotePainted();
}

void CEditDataWnd::NotePainted() const
{
    const CRecordList* records = view_.Records();
    NoteDataPanePainted(records && !records->fileName.empty());
}

void CEditDataWnd::RepaintAll()
{
    picture_.Forget();
    ShowChanges();
}

void CEditDataWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    FitPicture();
    // A change of the view waits for ShowChanges, which follows what the
    // screen shows; here the picture is drawn only when none is known (new,
    // resized, another font), and then all of it goes to the screen.
    if (!picture_.Known()) {
        picture_.Render(view_, atlas_, screen_.BeginDrawing());
        const wxSize size = GetClientSize();
        if (GetUpdateRegion().Contains(wxRect(0, 0, size.x, size.y)) != wxInRegion) Refresh(false);
    }
    screen_.Paint(*this, dc);
    NotePainted();
}

void CEditDataWnd::PlaceCaret(int x, int y, int width, int height)
{
    // A caret shown before its window is on screen leaves a stale bar.
    if (!IsShownOnScreen()) return;
    wxCaret* caret = GetCaret();
    if (!caretShown || !caret || caret->GetSize() != wxSize(width, height)) {
        DropCaret();
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
    DropCaret();
    caretShown = false;
}

void CEditDataWnd::DropCaret()
{
    const wxCaret* caret = GetCaret();
    if (!caret) return;
    const wxRect drawn(caret->GetPosition(), caret->GetSize());
    SetCaret(nullptr);
    // A caret goes without restoring what it covered, and the pane repaints
    // only what changes: the picture goes back where the caret was.
    RefreshRect(drawn, false);
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

// --- Keyboard ---------------------------------------------------------------

namespace {

KeyScan ScanOf(const wxKeyEvent& event)
{
    return KeyScanCodes().Translate(event.GetRawKeyFlags(), event.GetRawKeyCode());
}

KeyModifiers ModifiersOf(const wxKeyEvent& event)
{
    return KeyModifiers{event.RawControlDown(), event.ShiftDown(), event.AltDown()};
}

// The character a CHAR event types; the keypad's own codes as the
// characters on its keys. Anything else outside ASCII is left for the view
// to ignore.
int CharCode(const wxKeyEvent& event)
{
    const int code = event.GetKeyCode();
    if (code >= WXK_NUMPAD0 && code <= WXK_NUMPAD9) return '0' + (code - WXK_NUMPAD0);
    switch (code) {
    case WXK_NUMPAD_ENTER: return '\r';
    case WXK_NUMPAD_TAB: return '\t';
    case WXK_NUMPAD_SPACE: return ' ';
    case WXK_NUMPAD_ADD: return '+';
    case WXK_NUMPAD_SUBTRACT: return '-';
    case WXK_NUMPAD_MULTIPLY: return '*';
    case WXK_NUMPAD_DIVIDE: return '/';
    case WXK_NUMPAD_DECIMAL: return '.';
    case WXK_NUMPAD_EQUAL: return '=';
    default: return code;
    }
}

}  // namespace

void CEditDataWnd::OnKeyDown(wxKeyEvent& event)
{
    input.KeyDown(ScanOf(event), ModifiersOf(event));
    event.Skip();  // the toolkit makes the CHAR event from it
}

void CEditDataWnd::OnKeyUp(wxKeyEvent& event)
{
    input.KeyUp(ScanOf(event));
    event.Skip();
}

void CEditDataWnd::OnChar(wxKeyEvent& event)
{
    // Passed on, a key goes to the frame's accelerators, but a plain one
    // (an arrow, Tab) would move the focus out of the pane.
    if (input.Char(CharCode(event), ScanOf(event), ModifiersOf(event))) event.Skip();
}

// --- Mouse ------------------------------------------------------------------

void CEditDataWnd::OnLeftDown(wxMouseEvent& event)
{
    SetFocus();
    input.LeftDown(event.GetX(), event.GetY());
    if (!HasCapture()) CaptureMouse();
}

void CEditDataWnd::OnMotion(wxMouseEvent& event)
{
    input.MouseMove(event.GetX(), event.GetY());
}

void CEditDataWnd::OnLeftUp(wxMouseEvent& event)
{
    const bool dragEnded = input.LeftUp(event.GetX(), event.GetY());
    if (HasCapture()) ReleaseMouse();
    if (dragEnded) ViewChanged();
}

void CEditDataWnd::OnLeftDoubleClick(wxMouseEvent& event)
{
    input.DoubleClick(event.GetX(), event.GetY());
    if (HasCapture()) ReleaseMouse();
}

void CEditDataWnd::OnCaptureLost(wxMouseCaptureLostEvent&) { input.CaptureLost(); }
