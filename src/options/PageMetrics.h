#pragma once

struct Settings;

// Printed pages are measured in logical units of 0.01 inch with y growing
// upward: the top of the printable area is y = 0 and everything below it has
// a negative y.

// The rectangle the device can print on, in those units.
struct PrintableArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int bottom = 0;  // -(printable height)
};

// The area of a device whose printable size is widthPixels x heightPixels
// at the given resolution (dots per inch).
PrintableArea AreaForDevice(int widthPixels, int heightPixels, int ppiX, int ppiY);

// Where a page's parts go, computed afresh for every page from the print
// font's cell and the print settings.
struct PageMetrics {
    PrintableArea area;
    int charWidth = 1;
    int lineHeight = 1;
    int numberColumn = 0;  // characters reserved for record numbers: 6 or 0
    int x0 = 0;            // left edge of the record-number column (or data)
    int y0 = 0;            // top edge of the first row
    // Never below 1, so that even margins or a font that leave no room
    // make every page take at least one row of one column.
    int columnsPerLine = 1;
    int linesPerPage = 1;
    int headerY = 0;       // halfway between the printable top and y0
    int footerY = 0;       // halfway up the bottom margin
};

// charWidth: the font's widest character; lineHeight: its height plus
// external leading plus 1 (both at least 1).
PageMetrics ComputePageMetrics(const PrintableArea& area, int charWidth, int lineHeight,
                               const Settings& settings);

// trunc(100 x inches) for a margin setting, computed in single precision as
// the settings are stored; held to +-1,000,000 (NaN counts as 0) so that a
// damaged setting cannot overflow.
int HundredthsOfInch(float inches);
