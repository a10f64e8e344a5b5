#pragma once
#include <vector>

// A rectangle of a pane's picture, in its pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The parts of a pane's picture a repaint changed, for the screen to copy.
struct PaneDamage {
    std::vector<PixelRect> redrawn;

    bool Empty() const { return redrawn.empty(); }
};
