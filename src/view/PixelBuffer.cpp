#include "view/PixelBuffer.h"

#include <algorithm>

void CPixelBuffer::Resize(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

void CPixelBuffer::Fill(Rgb colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void CPixelBuffer::FillRect(int x, int y, int width, int height, Rgb colour)
{
    const int left = std::max(x, 0);
    const int right = std::min(x + width, width_);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + height, height_);
    for (int row = top; row < bottom; ++row) {
        Rgb* line = pixels_.data() + static_cast<std::size_t>(row * width_);
        std::fill(line + left, line + std::max(right, left), colour);
    }
}

void CPixelBuffer::Blit(int x, int y, int width, int height, const Rgb* pixels)
{
    const int left = std::max(x, 0);
    const int right = std::min(x + width, width_);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + height, height_);
    if (left >= right) return;
    for (int row = top; row < bottom; ++row) {
        const Rgb* source = pixels + static_cast<std::size_t>((row - y) * width + (left - x));
        std::copy(source, source + (right - left),
                  pixels_.data() + static_cast<std::size_t>(row * width_ + left));
    }
}
