#pragma once
#include <vector>

#include "view/DataPaneCells.h"
#include "view/PaneDamage.h"

class CAppViewBase;
class CGlyphAtlas;
class CPixelBuffer;

// The data pane's picture, kept in step with the view: white, then every
// cell that shows something, from the atlas. It remembers the cells it
// drew, so that a repaint draws, and the screen copies, only the cells that
// changed. After a scroll that is every row, but only as far as the text
// on it reaches, old or new: the rest of a row stays white.
//
// The picture is in device pixels: `scale` of them to a pixel of the view's
// geometry, the atlas' cells as large.
class CDataPanePicture {
public:
    // 1, or 2 on a screen at twice the scale; a change draws everything anew.
    void SetScale(int scale);
    // What the picture holds is unknown (new memory, another font): the
    // next Render draws it whole.
    void Forget() { known_ = false; }
    bool Known() const { return known_; }
    // Brings `out` up to the view and answers what changed.
    PaneDamage Render(const CAppViewBase& view, const CGlyphAtlas& atlas, CPixelBuffer& out);

private:
    // What decides where and how large every cell is drawn.
    struct Geometry {
        int scale = 0;
        int charWidth = 0;
        int charHeight = 0;
        int pageCols = 0;
        int pageRows = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Geometry&) const = default;
    };

    // Draws cells first to last of screen row `row`, after whitening them
    // (and the margins beside them when that is the whole row) if `clear`.
    void DrawSpan(const CAppViewBase& view, const CGlyphAtlas& atlas, const std::vector<Cell>& cells, int row,
                  int first, int last, bool clear, CPixelBuffer& out, PaneDamage& damage) const;

    int scale_ = 1;
    bool known_ = false;
    Geometry geometry_;
    // The cells shown, one vector per screen row; empty below the last
    // record.
    std::vector<std::vector<Cell>> shown_;
};
