#pragma once
#include <wx/colour.h>

#include "view/ViewColours.h"

class CPixelBuffer;
class CGlyphAtlas;
class wxBitmap;
class wxImage;
class wxDC;
class wxFont;
class wxWindow;

inline wxColour ToWx(Rgb c) { return wxColour(RedOf(c), GreenOf(c), BlueOf(c)); }

// Makes sure bitmap is width x height (contents undefined after a change).
void EnsureBitmapSize(wxBitmap& bitmap, int width, int height);

// Copies the off-screen picture into an image of its size. (Writing into a
// bitmap's raw data is not shown again by GTK once the bitmap was drawn.)
void CopyToImage(const CPixelBuffer& pixels, wxImage& image);

// Draws every printable character in every cell style into the atlas,
// one cell each, with the given font.
void RenderGlyphAtlas(const wxFont& font, int cellWidth, int cellHeight, CGlyphAtlas& atlas);

// The etched frame around a pane's drawing rectangle: a sunken outer line
// and a raised inner one.
void DrawEtchedEdge(wxDC& dc, int x, int y, int width, int height);
