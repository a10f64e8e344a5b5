#pragma once
#include <wx/font.h>

class CAppViewBase;
class wxDC;

// The view's two fonts: "Lucida Console" where it exists, else a fixed-pitch
// face of this system, at 10 points for the data and 8 for the small digits.
struct ViewFonts {
    wxFont textFont;
    wxFont smallFont;
};

ViewFonts CreateViewFonts();

// Reads the fonts' metrics into the view: cell size, small character size
// and the line-number column's width.
void MeasureViewFonts(wxDC& dc, const ViewFonts& fonts, CAppViewBase& view);
