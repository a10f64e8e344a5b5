#pragma once
#include <cstdint>

// A scroll bar as the view sees it: range minimum..maximum, page size and
// position, in the view's own units (display rows or columns, 64-bit). The
// view keeps its own copy and has the host show it, so the scrolling rules
// do not depend on what a toolkit's bar does on its own.
struct ScrollBarState {
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    std::int64_t page = 0;
    std::int64_t position = 0;

    // The largest position the thumb can take: maximum - page + 1.
    std::int64_t LastPosition() const;
    // Keeps position inside minimum..LastPosition(), as a native bar does
    // when its range or page changes.
    void ClampPosition();
};

// What a toolkit's bar is given: int positions 0..range - 1, a thumb of
// `page` and its place. Up to kBarUnits positions the bar holds the view's
// units one to one; beyond, they are mapped in proportion, the first and the
// last thumb position exactly to the first and the last of the view.
struct BarSetting {
    int range = 0;
    int page = 0;
    int position = 0;
};
inline constexpr std::int64_t kBarUnits = std::int64_t{1} << 30;
BarSetting BarFor(const ScrollBarState& state);
// The view's position for a thumb the user moved to `barPosition`.
std::int64_t PositionFromBar(const ScrollBarState& state, int barPosition);

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
    std::int64_t position = 0;
};

// Vertical bar: line down stops at maximum - page + 1, page down one row
// earlier. trackPosition (in the view's units, see PositionFromBar) is used
// by the thumb codes.
ScrollStep VerticalScrollStep(const ScrollBarState& bar, ScrollCode code, std::int64_t trackPosition);
// Horizontal bar: line right and page right both stop at maximum - page.
ScrollStep HorizontalScrollStep(const ScrollBarState& bar, ScrollCode code, std::int64_t trackPosition);
// Mouse wheel on the vertical bar: half a page per message, toward the user
// (down) when wheelDelta <= 0.
std::int64_t WheelScrollPosition(const ScrollBarState& bar, int wheelDelta);
