#pragma once
#include <vector>

#include "view/ViewColours.h"

// An off-screen picture of a pane, 0xRRGGBB pixels row by row; the toolkit
// copies it to the screen in one transfer.
class CPixelBuffer {
public:
    void Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(Rgb colour);
    void FillRect(int x, int y, int width, int height, Rgb colour);
    // Copies a width x height picture to (x, y), clipped to the buffer.
    void Blit(int x, int y, int width, int height, const Rgb* pixels);

    Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    const Rgb* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y * width_); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};
