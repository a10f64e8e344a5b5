#pragma once
#include <cstddef>
#include <vector>

#include "view/ViewColours.h"

// An off-screen picture of a pane, 0xRRGGBB pixels row by row (the top byte
// of each is unused), in memory of its own or in memory the toolkit shows
// on the screen (stride: pixels from one row to the next).
class CPixelBuffer {
public:
    // Memory of its own, width x height pixels, all black.
    void Resize(int width, int height);
    // The pixels at `pixels` instead (null: none), until the next Attach or
    // Resize.
    void Attach(Rgb* pixels, int width, int height, int stride);
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(Rgb colour);
    void FillRect(int x, int y, int width, int height, Rgb colour);
    // Copies a width x height picture to (x, y), clipped to the buffer.
    void Blit(int x, int y, int width, int height, const Rgb* pixels);

    Rgb At(int x, int y) const { return Row(y)[x]; }
    const Rgb* Row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    Rgb* Row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    Rgb* pixels_ = nullptr;
    std::vector<Rgb> own_;
};
