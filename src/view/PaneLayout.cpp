#include "view/PaneLayout.h"

#include <algorithm>

PaneLayout ComputePaneLayout(int cx, int cy, int vertBarWidth, int horzBarHeight, int lineWidth,
                             int rulerHeight)
{
    PaneLayout layout;
    layout.dataWidth = std::max(cx - vertBarWidth - lineWidth, 0);
    layout.dataHeight = std::max(cy - horzBarHeight - rulerHeight, 0);
    const int w = layout.dataWidth;
    const int h = layout.dataHeight;
    layout.ruler = {lineWidth, 1, w, std::max(rulerHeight - 1, 0)};
    layout.line = {1, rulerHeight, std::max(lineWidth - 1, 0), h};
    layout.data = {lineWidth, rulerHeight, w, h};
    layout.horzBar = {lineWidth, cy - horzBarHeight, w, horzBarHeight};
    layout.vertBar = {cx - vertBarWidth, rulerHeight, vertBarWidth, h};
    return layout;
}

int PageColsFor(int clientWidth, int charWidth)
{
    if (charWidth <= 0) return 1;
    return std::max(clientWidth / charWidth - 1, 1);
}

int PageRowsFor(int clientHeight, int charHeight)
{
    if (charHeight <= 0) return 1;
    return std::max(clientHeight / charHeight, 1);
}
