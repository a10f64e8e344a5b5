#include "view/DataPanePainter.h"

#include "view/AppViewBase.h"
#include "view/DataPaneCells.h"
#include "view/GlyphAtlas.h"
#include "view/PixelBuffer.h"

void PaintDataPane(const CAppViewBase& view, const CGlyphAtlas& atlas, CPixelBuffer& out)
{
    out.Fill(kDataBackground);
    const int w = atlas.CellWidth();
    const int h = atlas.CellHeight();
    const std::vector<std::vector<Cell>> rows = BuildDataPane(view);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = CellTop(view.charHeight, static_cast<int>(i));
        const std::vector<Cell>& cells = rows[i];
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const Cell cell = cells[c];
            if (cell.style == CellStyle::Blank) continue;
            const int x = CellLeft(view.charWidth, static_cast<int>(c));
            if (const Rgb* glyph = atlas.Glyph(cell.style, cell.ch))
                out.Blit(x, y, w, h, glyph);
            else
                out.FillRect(x, y, view.charWidth, view.charHeight, BackColour(cell.style));
        }
    }
}
