#include "view/GlyphAtlas.h"

void CGlyphAtlas::Reset(int cellWidth, int cellHeight)
{
    cellWidth_ = cellWidth > 0 ? cellWidth : 0;
    cellHeight_ = cellHeight > 0 ? cellHeight : 0;
    glyphs_.assign(static_cast<std::size_t>(kCellStyleCount * kCharCount), {});
}

int CGlyphAtlas::Index(CellStyle style, char ch) const
{
    const int code = static_cast<unsigned char>(ch);
    if (code < kFirstChar || code > kLastChar || glyphs_.empty()) return -1;
    return static_cast<int>(style) * kCharCount + (code - kFirstChar);
}

void CGlyphAtlas::SetGlyph(CellStyle style, char ch, const std::vector<Rgb>& pixels)
{
    const int index = Index(style, ch);
    if (index < 0 || pixels.size() != static_cast<std::size_t>(cellWidth_ * cellHeight_)) return;
    glyphs_[static_cast<std::size_t>(index)] = pixels;
}

const Rgb* CGlyphAtlas::Glyph(CellStyle style, char ch) const
{
    const int index = Index(style, ch);
    if (index < 0) return nullptr;
    const std::vector<Rgb>& glyph = glyphs_[static_cast<std::size_t>(index)];
    return glyph.empty() ? nullptr : glyph.data();
}
