#pragma once
#include <cstdint>
#include <vector>

// The program icon as plain pixels, for the files a desktop wants: PNG
// pictures at the usual sizes and a scalable SVG, all made from the one
// XPM picture the program shows itself.
struct IconImage {
    int width = 0;
    int height = 0;
    // Red, green, blue and alpha bytes, row by row from the top; colours
    // are not premultiplied by alpha.
    std::vector<std::uint8_t> rgba;
};

// Reads an XPM picture (one character per pixel, colours as "c #RRGGBB"
// or "c None"); false when it is malformed.
bool DecodeXpm(const char* const* xpm, IconImage* image);

// The picture scaled to `size` by `size` pixels. Each new pixel averages
// the area of the old ones it covers, weighted by their alpha, so whole
// multiples keep the hard edges and smaller sizes keep thin lines visible.
IconImage ScaleIcon(const IconImage& image, int size);
