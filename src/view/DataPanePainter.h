#pragma once

class CAppViewBase;
class CGlyphAtlas;
class CPixelBuffer;

// Paints the data pane into its off-screen picture: white, then every cell
// that shows something, from the atlas.
void PaintDataPane(const CAppViewBase& view, const CGlyphAtlas& atlas, CPixelBuffer& out);
