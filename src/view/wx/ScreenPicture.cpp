#include "view/wx/ScreenPicture.h"

#include <algorithm>
#include <wx/window.h>
#include <wx/caret.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include "view/wx/PaneDrawing.h"

#ifdef __WXGTK3__
#include <cairo.h>
#else
#include <wx/rawbmp.h>
#endif

namespace {

// The damage invalidated, for the toolkit's next paint.
void Invalidate(wxWindow& window, const PaneDamage& damage, int scale)
{
    for (const PixelRect& r : damage.redrawn)
        window.RefreshRect(wxRect(r.x / scale, r.y / scale, (r.width + scale - 1) / scale,
                                  (r.height + scale - 1) / scale),
                           false);
}

}  // namespace

#ifdef __WXGTK3__

namespace {

cairo_t* CairoOf(wxDC& dc) { return static_cast<cairo_t*>(dc.GetImpl()->GetCairoContext()); }

}  // namespace

bool DrawsOnScreenNow(wxDC& clientDc)
{
    cairo_t* cr = CairoOf(clientDc);
    return cr && cairo_surface_get_type(cairo_get_target(cr)) == CAIRO_SURFACE_TYPE_XLIB;
}

CScreenPicture::~CScreenPicture()
{
    if (surface_) cairo_surface_destroy(surface_);
}

bool CScreenPicture::Fit(wxWindow& window)
{
    scale_ = DeviceScaleOf(window);
    const wxSize client = window.GetClientSize();
    const int width = std::max(client.x, 1) * scale_;
    const int height = std::max(client.y, 1) * scale_;
    if (surface_ && cairo_image_surface_get_width(surface_) == width &&
        cairo_image_surface_get_height(surface_) == height) {
        cairo_surface_set_device_scale(surface_, scale_, scale_);
        return false;
    }
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = nullptr;
    // An image like the window's own: on X11 in memory shared with the
    // display, which then takes it without a trip through the socket.
    if (window.IsShownOnScreen()) {
        wxClientDC dc(&window);
        if (cairo_t* cr = CairoOf(dc))
            surface_ = cairo_surface_create_similar_image(cairo_get_target(cr), CAIRO_FORMAT_RGB24, width, height);
    }
    if (!surface_ || cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(surface_) != CAIRO_SURFACE_TYPE_IMAGE) {
        if (surface_) cairo_surface_destroy(surface_);
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    }
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        surface_ = nullptr;
        pixels_.Attach(nullptr, 0, 0, 0);
        return true;
    }
    cairo_surface_set_device_scale(surface_, scale_, scale_);
    cairo_surface_flush(surface_);
    pixels_.Attach(reinterpret_cast<Rgb*>(cairo_image_surface_get_data(surface_)), width, height,
                   cairo_image_surface_get_stride(surface_) / static_cast<int>(sizeof(Rgb)));
    return true;
}

CPixelBuffer& CScreenPicture::BeginDrawing()
{
    // The display may still be reading the shared memory.
    if (surface_) cairo_surface_flush(surface_);
    return pixels_;
}

void CScreenPicture::Follow(wxWindow& window, const PaneDamage& damage)
{
    if (!surface_ || damage.Empty()) return;
    cairo_surface_mark_dirty(surface_);
    if (!window.IsShownOnScreen()) return;
    wxCaretSuspend hideCaret(&window);
    wxClientDC dc(&window);
    if (!DrawsOnScreenNow(dc)) {
        Invalidate(window, damage, scale_);
        return;
    }
    cairo_t* cr = CairoOf(dc);
    const double s = scale_;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface_, 0, 0);
    // One rectangle at a time: a paint clipped to all of them costs more.
    for (const PixelRect& r : damage.redrawn) {
        cairo_rectangle(cr, r.x / s, r.y / s, r.width / s, r.height / s);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void CScreenPicture::Paint(wxWindow&, wxDC& dc)
{
    cairo_t* cr = CairoOf(dc);
    if (!surface_ || !cr) return;
    cairo_surface_mark_dirty(surface_);  // it may have been drawn into since
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface_, 0, 0);
    cairo_paint(cr);  // within what the paint is clipped to
    cairo_restore(cr);
}

#else  // the toolkit's own bitmaps

// Drawing outside a paint needs no care here, but the panes' paints are
// cheap, so everything goes through them.
bool DrawsOnScreenNow(wxDC&) { return false; }

CScreenPicture::~CScreenPicture() = default;

bool CScreenPicture::Fit(wxWindow& window)
{
    scale_ = 1;
    const wxSize client = window.GetClientSize();
    const int width = std::max(client.x, 1);
    const int height = std::max(client.y, 1);
    if (pixels_.Width() == width && pixels_.Height() == height) return false;
    pixels_.Resize(width, height);
    bitmap_.Create(width, height, 24);
    return true;
}

CPixelBuffer& CScreenPicture::BeginDrawing() { return pixels_; }

void CScreenPicture::Follow(wxWindow& window, const PaneDamage& damage)
{
    if (!damage.Empty() && window.IsShownOnScreen()) Invalidate(window, damage, 1);
}

void CScreenPicture::Paint(wxWindow& window, wxDC& dc)
{
    const wxRect box =
        window.GetUpdateRegion().GetBox().Intersect(wxRect(0, 0, pixels_.Width(), pixels_.Height()));
    if (box.IsEmpty() || !bitmap_.IsOk()) return;
    {
        // 24-bit device-independent pixels, in the order the system keeps them.
        wxNativePixelData data(bitmap_, box);
        if (!data) return;
        wxNativePixelData::Iterator row(data);
        for (int y = box.y; y <= box.GetBottom(); ++y) {
            wxNativePixelData::Iterator p = row;
            const Rgb* source = pixels_.Row(y) + box.x;
            for (int x = 0; x < box.width; ++x, ++p) {
                p.Red() = static_cast<unsigned char>(RedOf(source[x]));
                p.Green() = static_cast<unsigned char>(GreenOf(source[x]));
                p.Blue() = static_cast<unsigned char>(BlueOf(source[x]));
            }
            row.OffsetY(data, 1);
        }
    }
    wxMemoryDC memory(bitmap_);
    dc.Blit(box.x, box.y, box.width, box.height, &memory, box.x, box.y);
}

#endif
