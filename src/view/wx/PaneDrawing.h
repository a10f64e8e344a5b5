#pragma once
#include <wx/colour.h>

#include "view/ViewColours.h"

class CGlyphAtlas;
class wxBitmap;
class wxDC;
class wxFont;
class wxWindow;

inline wxColour ToWx(Rgb c) { return wxColour(RedOf(c), GreenOf(c), BlueOf(c)); }

// Device pixels to a pixel of the window: 2 on a screen at twice the scale,
// else 1.
int DeviceScaleOf(const wxWindow& window);

// Makes sure bitmap is width x height pixels of a window whose screen has
// `scale` device pixels to each (contents undefined after a change).
void EnsureBitmapSize(wxBitmap& bitmap, int width, int height, int scale);

// Draws every printable character in every cell style into the atlas, one
// cell each, with the given font, at `scale` device pixels to a pixel of
// the cell: the atlas' cells are scale times the given size.
void RenderGlyphAtlas(const wxFont& font, int cellWidth, int cellHeight, int scale, CGlyphAtlas& atlas);

// The etched frame around a pane's drawing rectangle: a sunken outer line
// and a raised inner one.
void DrawEtchedEdge(wxDC& dc, int x, int y, int width, int height);
