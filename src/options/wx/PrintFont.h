#pragma once
#include <wx/font.h>

// The print font and its cell in 0.01-inch units. The font is sized so that
// its advance is exactly the cell width, so that a run of characters drawn
// with one call stays on the column grid.
struct PrintFont {
    double points = 0;   // the size to create the font at
    int charWidth = 1;   // the widest character, rounded
    int lineHeight = 1;  // height plus external leading plus 1

    // A new font object each time: none outlives the toolkit.
    wxFont Font() const;
};

// "Courier New" at `points` (held to 1 to 500), or a fixed-pitch face of
// this system where it is missing. The cell is measured once per size, at
// a fixed high resolution, so that printer and preview lay out the same
// pages whatever the zoom.
const PrintFont& PrintFontFor(int points);
