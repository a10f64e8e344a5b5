#pragma once
#include <wx/bitmap.h>
#include <wx/window.h>

class CAppViewBase;

// A grey pane beside the data pane (line numbers, ruler): it draws itself
// whole into an off-screen bitmap with its edge and the pane colours set
// up, then copies the bitmap to the screen in one transfer. After a change
// of the view it does so at once where the toolkit lets it draw outside a
// paint: GTK would paint it together with the other panes invalid at the
// time, through one buffer spanning them all.
class CGreyPaneWnd : public wxWindow {
public:
    CGreyPaneWnd(wxWindow* parent, int id, const char* name, CAppViewBase& view);

    // The view changed: the pane shows it once the event at hand is done.
    void ViewChanged();
    // Draws the pane now and shows it.
    void ShowChanges();

protected:
    // Draws what the pane shows, after the background and before the copy.
    virtual void DrawPane(wxDC& dc) = 0;
    // The rectangle of the etched edge, in pane coordinates.
    virtual wxRect EdgeRect() const = 0;

    CAppViewBase& view_;

private:
    // Draws the whole pane into the bitmap.
    void Redraw();
    void OnPaint(wxPaintEvent& event);

    wxBitmap bitmap_;
    bool changesPending_ = false;
};
