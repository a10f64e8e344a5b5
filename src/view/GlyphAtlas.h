#pragma once
#include <cstdint>
#include <vector>

#include "view/DataPaneCells.h"
#include "view/ViewColours.h"

// Pictures of every printable character (20 to 7E hexadecimal) in every cell
// style, each one cell large, drawn once per font by the toolkit. Painting a
// pane then copies pictures instead of asking the toolkit to lay out text
// cell by cell.
class CGlyphAtlas {
public:
    static constexpr int kFirstChar = 0x20;
    static constexpr int kLastChar = 0x7E;
    static constexpr int kCharCount = kLastChar - kFirstChar + 1;

    // Drops every picture and sets the cell size.
    void Reset(int cellWidth, int cellHeight);
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }

    // Stores the picture of ch in style (CellWidth x CellHeight pixels, rows
    // top to bottom, 0xRRGGBB).
    void SetGlyph(CellStyle style, char ch, const std::vector<Rgb>& pixels);
    // The picture, or null when it is missing.
    const Rgb* Glyph(CellStyle style, char ch) const;

private:
    int Index(CellStyle style, char ch) const;

    int cellWidth_ = 0;
    int cellHeight_ = 0;
    std::vector<std::vector<Rgb>> glyphs_;
};
