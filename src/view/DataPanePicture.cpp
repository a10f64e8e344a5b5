#include "view/DataPanePicture.h"

#include <algorithm>

#include "view/AppViewBase.h"
#include "view/GlyphAtlas.h"
#include "view/PixelBuffer.h"

namespace {

Cell CellAt(const std::vector<Cell>& cells, int c)
{
    return c < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(c)] : Cell{};
}

// Adds a rectangle, joined to the last one when it continues it downwards.
void AddRect(PaneDamage& damage, PixelRect rect)
{
    if (!damage.redrawn.empty()) {
        PixelRect& last = damage.redrawn.back();
        if (last.x == rect.x && last.width == rect.width && last.y + last.height == rect.y) {
            last.height += rect.height;
            return;
        }
    }
    damage.redrawn.push_back(rect);
}

}  // namespace

void CDataPanePicture::SetScale(int scale)
{
    scale = std::max(scale, 1);
    if (scale != scale_) known_ = false;
    scale_ = scale;
}

void CDataPanePicture::DrawSpan(const CAppViewBase& view, const CGlyphAtlas& atlas, const std::vector<Cell>& cells,
                                int row, int first, int last, bool clear, CPixelBuffer& out,
                                PaneDamage& damage) const
{
    const int w = view.charWidth * scale_;
    const int h = view.charHeight * scale_;
    const bool glyphsFit = atlas.CellWidth() == w && atlas.CellHeight() == h;
    const int y = CellTop(view.charHeight, row) * scale_;
    const bool whole = first == 0 && last == geometry_.pageCols - 1;
    const int left = whole ? 0 : CellLeft(view.charWidth, first) * scale_;
    const int right = whole ? out.Width() : std::min(CellLeft(view.charWidth, last + 1) * scale_, out.Width());
    const int bottom = std::min(y + h, out.Height());
    if (left >= right || y >= bottom) return;
    if (clear) out.FillRect(left, y, right - left, h, kDataBackground);
    for (int c = first; c <= last; ++c) {
        const Cell cell = CellAt(cells, c);
        if (cell.style == CellStyle::Blank) continue;
        const int x = CellLeft(view.charWidth, c) * scale_;
        const Rgb* glyph = glyphsFit ? atlas.Glyph(cell.style, cell.ch) : nullptr;
        if (glyph)
            out.Blit(x, y, w, h, glyph);
        else
            out.FillRect(x, y, w, h, BackColour(cell.style));
    }
    AddRect(damage, {left, y, right - left, bottom - y});
}

PaneDamage CDataPanePicture::Render(const CAppViewBase& view, const CGlyphAtlas& atlas, CPixelBuffer& out)
{
    PaneDamage damage;
    std::vector<std::vector<Cell>> rows = BuildDataPane(view);
    const Geometry now{scale_, view.charWidth, view.charHeight, std::max(view.pageCols, 0),
                       std::max(view.pageRows, 0), out.Width(), out.Height()};
    rows.resize(static_cast<std::size_t>(now.pageRows));
    if (!known_ || !(now == geometry_)) {
        geometry_ = now;
        known_ = true;
        out.Fill(kDataBackground);
        for (int i = 0; i < now.pageRows; ++i) {
            const std::vector<Cell>& cells = rows[static_cast<std::size_t>(i)];
            if (!cells.empty()) DrawSpan(view, atlas, cells, i, 0, now.pageCols - 1, false, out, damage);
        }
        damage.redrawn.assign(1, PixelRect{0, 0, out.Width(), out.Height()});
        shown_ = std::move(rows);
        return damage;
    }
    for (int i = 0; i < now.pageRows; ++i) {
        const std::vector<Cell>& cells = rows[static_cast<std::size_t>(i)];
        const std::vector<Cell>& shown = shown_[static_cast<std::size_t>(i)];
        int first = 0;
        while (first < now.pageCols && CellAt(cells, first) == CellAt(shown, first)) ++first;
        if (first == now.pageCols) continue;
        int last = now.pageCols - 1;
        while (CellAt(cells, last) == CellAt(shown, last)) --last;
        DrawSpan(view, atlas, cells, i, first, last, true, out, damage);
    }
    shown_ = std::move(rows);
    return damage;
}
