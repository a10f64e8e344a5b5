#pragma once

struct PaneRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PaneRect&) const = default;
};

// Where the view's children go in a client area of cx by cy pixels:
// ruler on top, line numbers on the left, data pane in the middle, the
// scroll bars right and below. Uncovered corners show the view's background.
struct PaneLayout {
    int dataWidth = 0;
    int dataHeight = 0;
    PaneRect ruler;
    PaneRect line;
    PaneRect data;
    PaneRect horzBar;
    PaneRect vertBar;
};

PaneLayout ComputePaneLayout(int cx, int cy, int vertBarWidth, int horzBarHeight, int lineWidth,
                             int rulerHeight);

// Whole cells that fit into the data pane's client area; at least 1 each, so
// that paging stays defined in a tiny window.
int PageColsFor(int clientWidth, int charWidth);
int PageRowsFor(int clientHeight, int charHeight);
