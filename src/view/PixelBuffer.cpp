#include "view/PixelBuffer.h"

#include <algorithm>

void CPixelBuffer::Resize(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    stride_ = width_;
    own_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    pixels_ = own_.data();
}

void CPixelBuffer::Attach(Rgb* pixels, int width, int height, int stride)
{
    own_.clear();
    own_.shrink_to_fit();
    const bool usable = pixels && width > 0 && height > 0 && stride >= width;
    pixels_ = usable ? pixels : nullptr;
    width_ = usable ? width : 0;
    height_ = usable ? height : 0;
    stride_ = usable ? stride : 0;
}

void CPixelBuffer::Fill(Rgb colour) { FillRect(0, 0, width_, height_, colour); }

void CPixelBuffer::FillRect(int x, int y, int width, int height, Rgb colour)
{
    const int left = std::max(x, 0);
    const int right = std::min(x + width, width_);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + height, height_);
    if (left >= right) return;
    for (int row = top; row < bottom; ++row) std::fill(Row(row) + left, Row(row) + right, colour);
}

void CPixelBuffer::Blit(int x, int y, int width, int height, const Rgb* pixels)
{
    const int left = std::max(x, 0);
    const int right = std::min(x + width, width_);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + height, height_);
    if (left >= right) return;
    for (int row = top; row < bottom; ++row) {
        const Rgb* source = pixels + static_cast<std::ptrdiff_t>(row - y) * width + (left - x);
        std::copy(source, source + (right - left), Row(row) + left);
    }
}
