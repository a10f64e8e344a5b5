#include "view/wx/PaneDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/settings.h>
#include <wx/window.h>

#include "view/GlyphAtlas.h"

int DeviceScaleOf(const wxWindow& window)
{
#ifdef __WXGTK3__
    return std::max(1, static_cast<int>(std::lround(window.GetContentScaleFactor())));
#else
    // Elsewhere a window's pixels are the device's.
    (void)window;
    return 1;
#endif
}

void EnsureBitmapSize(wxBitmap& bitmap, int width, int height, int scale)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (bitmap.IsOk() && bitmap.GetLogicalWidth() == width && bitmap.GetLogicalHeight() == height &&
        bitmap.GetScaleFactor() == scale)
        return;
    bitmap.CreateWithDIPSize(width, height, scale, 24);
}

void RenderGlyphAtlas(const wxFont& font, int cellWidth, int cellHeight, int scale, CGlyphAtlas& atlas)
{
    scale = std::max(scale, 1);
    atlas.Reset(cellWidth * scale, cellHeight * scale);
    if (cellWidth <= 0 || cellHeight <= 0) return;
    const CellStyle styles[] = {CellStyle::Ascii, CellStyle::Ebcdic, CellStyle::Nibble,
                                CellStyle::Selected};
    const int count = CGlyphAtlas::kCharCount;
    const int width = cellWidth * scale;
    const int height = cellHeight * scale;
    for (CellStyle style : styles) {
        // One strip per style, one cell per character, each drawn by itself
        // with an opaque background as a paint would draw it.
        wxBitmap strip;
        strip.CreateWithDIPSize(cellWidth * count, cellHeight, scale, 24);
        {
            wxMemoryDC dc(strip);
            dc.SetBackground(wxBrush(ToWx(BackColour(style))));
            dc.Clear();
            dc.SetFont(font);
            dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
            dc.SetTextForeground(ToWx(TextColour(style)));
            dc.SetTextBackground(ToWx(BackColour(style)));
            for (int k = 0; k < count; ++k)
                dc.DrawText(wxString(static_cast<wxChar>(CGlyphAtlas::kFirstChar + k)), k * cellWidth, 0);
        }
        const wxImage image = strip.ConvertToImage();
        if (image.GetWidth() < width * count || image.GetHeight() < height) continue;
        std::vector<Rgb> glyph(static_cast<std::size_t>(width * height));
        for (int k = 0; k < count; ++k) {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const int sx = k * width + x;
                    glyph[static_cast<std::size_t>(y * width + x)] =
                        MakeRgb(image.GetRed(sx, y), image.GetGreen(sx, y), image.GetBlue(sx, y));
                }
            }
            atlas.SetGlyph(style, static_cast<char>(CGlyphAtlas::kFirstChar + k), glyph);
        }
    }
}

void DrawEtchedEdge(wxDC& dc, int x, int y, int width, int height)
{
    if (width < 2 || height < 2) return;
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(light));
    dc.DrawRectangle(x + 1, y + 1, width - 1, height - 1);
    dc.SetPen(wxPen(shadow));
    dc.DrawRectangle(x, y, width - 1, height - 1);
}
