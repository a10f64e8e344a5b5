#include "view/wx/PaneDrawing.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/settings.h>

#include "view/GlyphAtlas.h"
#include "view/PixelBuffer.h"

void EnsureBitmapSize(wxBitmap& bitmap, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (bitmap.IsOk() && bitmap.GetWidth() == width && bitmap.GetHeight() == height) return;
    bitmap.Create(width, height, 24);
}

void CopyToImage(const CPixelBuffer& pixels, wxImage& image)
{
    const int width = std::max(pixels.Width(), 1);
    const int height = std::max(pixels.Height(), 1);
    if (!image.IsOk() || image.GetWidth() != width || image.GetHeight() != height)
        image.Create(width, height, false);
    if (pixels.Width() == 0 || pixels.Height() == 0) return;
    unsigned char* out = image.GetData();
    for (int y = 0; y < pixels.Height(); ++y) {
        const Rgb* source = pixels.Row(y);
        for (int x = 0; x < pixels.Width(); ++x) {
            const Rgb c = source[x];
            *out++ = static_cast<unsigned char>(RedOf(c));
            *out++ = static_cast<unsigned char>(GreenOf(c));
            *out++ = static_cast<unsigned char>(BlueOf(c));
        }
    }
}

void RenderGlyphAtlas(const wxFont& font, int cellWidth, int cellHeight, CGlyphAtlas& atlas)
{
    atlas.Reset(cellWidth, cellHeight);
    if (cellWidth <= 0 || cellHeight <= 0) return;
    const CellStyle styles[] = {CellStyle::Ascii, CellStyle::Ebcdic, CellStyle::Nibble,
                                CellStyle::Selected};
    const int count = CGlyphAtlas::kCharCount;
    for (CellStyle style : styles) {
        // One strip per style, one cell per character, each drawn by itself
        // with an opaque background as a paint would draw it.
        wxBitmap strip(cellWidth * count, cellHeight, 24);
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
        std::vector<Rgb> glyph(static_cast<std::size_t>(cellWidth * cellHeight));
        for (int k = 0; k < count; ++k) {
            for (int y = 0; y < cellHeight; ++y) {
                for (int x = 0; x < cellWidth; ++x) {
                    const int sx = k * cellWidth + x;
                    glyph[static_cast<std::size_t>(y * cellWidth + x)] =
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
