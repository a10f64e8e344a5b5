#include "view/ScrollBarModel.h"

#include <algorithm>

std::int64_t ScrollBarState::LastPosition() const
{
    return std::max(minimum, maximum - std::max<std::int64_t>(page - 1, 0));
}

void ScrollBarState::ClampPosition()
{
    position = std::clamp(position, minimum, LastPosition());
}

namespace {

// value * to / from, for 0 <= value <= from and 0 < from, rounded down or
// up. The product may pass 64 bits; it is formed in two 64-bit halves,
// since not every compiler has a 128-bit integer.
std::int64_t MulDiv(std::int64_t value, std::int64_t to, std::int64_t from, bool roundUp)
{
    constexpr std::uint64_t kLow = 0xffffffffu;
    const auto a = static_cast<std::uint64_t>(value);
    const auto b = static_cast<std::uint64_t>(to);
    const std::uint64_t p00 = (a & kLow) * (b & kLow);
    const std::uint64_t p01 = (a & kLow) * (b >> 32);
    const std::uint64_t p10 = (a >> 32) * (b & kLow);
    const std::uint64_t p11 = (a >> 32) * (b >> 32);
    const std::uint64_t middle = (p00 >> 32) + (p01 & kLow) + (p10 & kLow);
    const std::uint64_t high = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
    const std::uint64_t low = (p00 & kLow) | (middle << 32);
    // Long division, a bit at a time; from < 2^63, so the remainder
    // shifted left still fits.
    const auto d = static_cast<std::uint64_t>(from);
    std::uint64_t quotient = 0;
    std::uint64_t remainder = 0;
    for (int bit = 127; bit >= 0; --bit) {
        const std::uint64_t next = bit >= 64 ? (high >> (bit - 64)) & 1 : (low >> bit) & 1;
        remainder = (remainder << 1) | next;
        quotient <<= 1;
        if (remainder >= d) {
            remainder -= d;
            quotient |= 1;
        }
    }
    return static_cast<std::int64_t>(quotient + (roundUp && remainder != 0 ? 1 : 0));
}
std::int64_t Scale(std::int64_t value, std::int64_t to, std::int64_t from) { return MulDiv(value, to, from, false); }
std::int64_t ScaleUp(std::int64_t value, std::int64_t to, std::int64_t from) { return MulDiv(value, to, from, true); }

// The bar's units: as many as the view's, or kBarUnits in proportion.
struct Mapping {
    std::int64_t units;     // the view's positions, minimum..maximum
    std::int64_t barPage;
    std::int64_t lastSpan;  // the view's thumb positions past the first
    std::int64_t barLast;   // the bar's last thumb position
};

Mapping MappingOf(const ScrollBarState& state)
{
    Mapping m;
    m.units = std::max<std::int64_t>(state.maximum - state.minimum + 1, 0);
    const std::int64_t page = std::clamp<std::int64_t>(state.page, 0, m.units);
    m.lastSpan = state.LastPosition() - state.minimum;
    if (m.units <= kBarUnits) {
        m.barPage = page;
        m.barLast = m.lastSpan;
    } else {
        // A thumb of at least one unit, so that it stays visible.
        m.barPage = std::max<std::int64_t>(Scale(page, kBarUnits, m.units), 1);
        m.barLast = kBarUnits - m.barPage;
    }
    return m;
}

}  // namespace

BarSetting BarFor(const ScrollBarState& state)
{
    const Mapping m = MappingOf(state);
    const std::int64_t offset = std::clamp<std::int64_t>(state.position - state.minimum, 0, m.lastSpan);
    BarSetting bar;
    bar.range = static_cast<int>(std::min(m.units, kBarUnits));
    bar.page = static_cast<int>(m.barPage);
    bar.position = static_cast<int>(m.units <= kBarUnits || m.lastSpan == 0 ? std::min(offset, m.barLast)
                                                                                : Scale(offset, m.barLast, m.lastSpan));
    return bar;
}

std::int64_t PositionFromBar(const ScrollBarState& state, int barPosition)
{
    const Mapping m = MappingOf(state);
    if (m.units <= kBarUnits) return state.minimum + barPosition;
    // The bar's last thumb position is the view's last. Rounded up, the
    // row shows the thumb again exactly where it was dropped.
    if (barPosition >= m.barLast) return state.minimum + m.lastSpan;
    if (barPosition <= 0) return state.minimum;
    return state.minimum + ScaleUp(barPosition, m.lastSpan, m.barLast);
}

namespace {

// The steps shared by both bars; `lineLimit` is the last position a line step
// may reach, `pageLimit` the last a page step may.
ScrollStep Step(const ScrollBarState& bar, ScrollCode code, std::int64_t trackPosition, std::int64_t lineLimit,
                std::int64_t pageLimit)
{
    const std::int64_t p = bar.position;
    const std::int64_t n = bar.page;
    switch (code) {
    case ScrollCode::LineUp:
        if (p <= 0) return {ScrollStep::Ignore, p};
        return {ScrollStep::MoveTo, p - 1};
    case ScrollCode::LineDown:
        if (p >= lineLimit) return {ScrollStep::Ignore, p};
        return {ScrollStep::MoveTo, p + 1};
    case ScrollCode::PageUp:
        return {ScrollStep::MoveTo, std::max<std::int64_t>(p - n, 0)};
    case ScrollCode::PageDown:
        // A document shorter than the page has a negative limit: stay at 0.
        return {ScrollStep::MoveTo, std::max<std::int64_t>(std::min(p + n, pageLimit), 0)};
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        return {ScrollStep::MoveTo,
                std::clamp<std::int64_t>(trackPosition, 0, std::max<std::int64_t>(bar.LastPosition(), 0))};
    case ScrollCode::Other:
        break;
    }
    return {ScrollStep::Keep, p};
}

}  // namespace

ScrollStep VerticalScrollStep(const ScrollBarState& bar, ScrollCode code, std::int64_t trackPosition)
{
    const std::int64_t limit = bar.maximum - bar.page;
    return Step(bar, code, trackPosition, limit + 1, limit);
}

ScrollStep HorizontalScrollStep(const ScrollBarState& bar, ScrollCode code, std::int64_t trackPosition)
{
    const std::int64_t limit = bar.maximum - bar.page;
    return Step(bar, code, trackPosition, limit, limit);
}

std::int64_t WheelScrollPosition(const ScrollBarState& bar, int wheelDelta)
{
    const std::int64_t half = bar.page / 2;
    const bool down = wheelDelta <= 0;
    std::int64_t target = down ? bar.position + half : bar.position - half;
    const std::int64_t limit = bar.maximum - bar.page;
    // The end limit applies to scrolling down only: applied to an upward step
    // it would push a small page straight back to the end.
    if (down && target >= limit)
        target = limit + 1;
    return std::max<std::int64_t>(target, 0);
}
