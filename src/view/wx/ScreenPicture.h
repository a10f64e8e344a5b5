#pragma once
#include "view/PaneDamage.h"
#include "view/PixelBuffer.h"

#ifdef __WXGTK3__
typedef struct _cairo_surface cairo_surface_t;
#else
#include <wx/bitmap.h>
#endif

class wxDC;
class wxWindow;

// Whether what is drawn through `clientDc`, a client DC of a window, shows
// at once. On X11 it does. Where it does not (Wayland), panes invalidate
// what changed and copy it at the toolkit's next paint; on GTK that paint
// goes through a buffer as large as everything invalid, which at 4K costs
// more than a frame when two panes far apart are invalid together.
bool DrawsOnScreenNow(wxDC& clientDc);

// A pane's picture in memory the toolkit draws from, and its ways to the
// screen: a paint copies what it repaints; after the picture changed, the
// damaged parts are copied at once where the toolkit lets the program draw
// outside a paint, else through a paint of them. On GTK the memory is a
// cairo image like the window's own, which on X11 the display shares.
class CScreenPicture {
public:
    CScreenPicture() = default;
    ~CScreenPicture();
    CScreenPicture(const CScreenPicture&) = delete;
    CScreenPicture& operator=(const CScreenPicture&) = delete;

    // Makes the picture cover the window's client area in device pixels;
    // true when that took new memory, whose contents are unknown.
    bool Fit(wxWindow& window);
    // Device pixels to a pixel of the window.
    int Scale() const { return scale_; }
    // The picture, to be drawn into until the next Follow or Paint.
    CPixelBuffer& BeginDrawing();
    // Brings the window's screen in line with the picture after `damage`.
    void Follow(wxWindow& window, const PaneDamage& damage);
    // Copies the picture into a paint of the window: what the paint
    // repaints.
    void Paint(wxWindow& window, wxDC& dc);

private:
    int scale_ = 1;
    CPixelBuffer pixels_;
#ifdef __WXGTK3__
    cairo_surface_t* surface_ = nullptr;
#else
    wxBitmap bitmap_;  // what a paint copies, in the device's own pixels
#endif
};
