#pragma once
#include <wx/bitmap.h>
#include <wx/window.h>

class CAppViewBase;

// A grey pane beside the data pane (line numbers, ruler): it paints into an
// off-screen bitmap with its edge and the pane colours set up, then copies
// the bitmap to the screen in one transfer.
class CGreyPaneWnd : public wxWindow {
public:
    CGreyPaneWnd(wxWindow* parent, int id, const char* name, CAppViewBase& view);

    void PaintTo(wxDC& dc);

protected:
    // Draws what the pane shows, after the background and before the copy.
    virtual void DrawPane(wxDC& dc) = 0;
    // The rectangle of the etched edge, in pane coordinates.
    virtual wxRect EdgeRect() const = 0;

    CAppViewBase& view_;

private:
    void OnPaint(wxPaintEvent& event);

    wxBitmap bitmap_;
};
