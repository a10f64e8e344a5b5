#pragma once

// A scroll bar as the view sees it: range minimum..maximum, page size and
// position. The view keeps its own copy and has the host show it, so the
// scrolling rules do not depend on what a toolkit's bar does on its own.
struct ScrollBarState {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;

    // The largest position the thumb can take: maximum - page + 1.
    int LastPosition() const;
    // Keeps position inside minimum..LastPosition(), as a native bar does
    // when its range or page changes.
    void ClampPosition();
};

// What the user did to a bar (line up = line left, and so on).
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Other };

// The outcome of a scroll-bar message.
struct ScrollStep {
    enum Kind {
        Ignore,  // nothing at all happens
        Keep,    // no scrolling, but the bar is set again to its position
        MoveTo,  // scroll to `position`
    };
    Kind kind = Ignore;
    int position = 0;
};

// Vertical bar: line down stops at maximum - page + 1, page down one row
// earlier. trackPosition is used by the thumb codes.
ScrollStep VerticalScrollStep(const ScrollBarState& bar, ScrollCode code, int trackPosition);
// Horizontal bar: line right and page right both stop at maximum - page.
ScrollStep HorizontalScrollStep(const ScrollBarState& bar, ScrollCode code, int trackPosition);
// Mouse wheel on the vertical bar: half a page per message, toward the user
// (down) when wheelDelta <= 0.
int WheelScrollPosition(const ScrollBarState& bar, int wheelDelta);
