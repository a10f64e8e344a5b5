#pragma once
#include <wx/image.h>
#include <wx/window.h>

#include "view/DataPaneInput.h"
#include "view/GlyphAtlas.h"
#include "view/PixelBuffer.h"

class CAppViewBase;

// The data pane ("EditData"): draws the records on screen from the view's
// state and hands its keyboard and mouse events to the view, through
// `input`, which keeps the drag and modifier state.
class CEditDataWnd : public wxWindow {
public:
    static constexpr int kId = 301;

    CEditDataWnd(wxWindow* parent, CAppViewBase& view);

    // The view's text font and cell size changed: draw the glyphs anew.
    void SetTextFont(const wxFont& font);

    // Caret handling for the view's host.
    void PlaceCaret(int x, int y, int width, int height);
    void HideCaretNow();

    // Paints the pane's picture and copies it to dc in one transfer.
    void PaintTo(wxDC& dc);

    CDataPaneInput input;
    bool caretShown = false;

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    CAppViewBase& view_;
    CGlyphAtlas atlas_;
    CPixelBuffer pixels_;
    wxImage image_;  // the picture handed to the screen
};
