#include "view/ScrollBarModel.h"

#include <algorithm>

int ScrollBarState::LastPosition() const
{
    return std::max(minimum, maximum - std::max(page - 1, 0));
}

void ScrollBarState::ClampPosition()
{
    position = std::clamp(position, minimum, LastPosition());
}

namespace {

// The steps shared by both bars; `lineLimit` is the last position a line step
// may reach, `pageLimit` the last a page step may.
ScrollStep Step(const ScrollBarState& bar, ScrollCode code, int trackPosition, int lineLimit,
                int pageLimit)
{
    const int p = bar.position;
    const int n = bar.page;
    switch (code) {
    case ScrollCode::LineUp:
        if (p <= 0) return {ScrollStep::Ignore, p};
        return {ScrollStep::MoveTo, p - 1};
    case ScrollCode::LineDown:
        if (p >= lineLimit) return {ScrollStep::Ignore, p};
        return {ScrollStep::MoveTo, p + 1};
    case ScrollCode::PageUp:
        return {ScrollStep::MoveTo, std::max(p - n, 0)};
    case ScrollCode::PageDown:
        // A document shorter than the page has a negative limit: stay at 0.
        return {ScrollStep::MoveTo, std::max(std::min(p + n, pageLimit), 0)};
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        return {ScrollStep::MoveTo, std::clamp(trackPosition, 0, std::max(bar.LastPosition(), 0))};
    case ScrollCode::Other:
        break;
    }
    return {ScrollStep::Keep, p};
}

}  // namespace

ScrollStep VerticalScrollStep(const ScrollBarState& bar, ScrollCode code, int trackPosition)
{
    const int limit = bar.maximum - bar.page;
    return Step(bar, code, trackPosition, limit + 1, limit);
}

ScrollStep HorizontalScrollStep(const ScrollBarState& bar, ScrollCode code, int trackPosition)
{
    const int limit = bar.maximum - bar.page;
    return Step(bar, code, trackPosition, limit, limit);
}

int WheelScrollPosition(const ScrollBarState& bar, int wheelDelta)
{
    const int half = bar.page / 2;
    const bool down = wheelDelta <= 0;
    int target = down ? bar.position + half : bar.position - half;
    const int limit = bar.maximum - bar.page;
    // The end limit applies to scrolling down only: applied to an upward step
    // it would push a small page straight back to the end.
    if (down && target >= limit)
        target = limit + 1;
    return std::max(target, 0);
}
