#pragma once
#include <string>

#include "resources/IconImage.h"

// An SVG document drawing every pixel that is not fully transparent as a
// square in a view box of the picture's size: sharp at any scale, and the
// very picture at its own size. Runs of one colour in a row are one
// rectangle.
std::string IconSvg(const IconImage& image);
