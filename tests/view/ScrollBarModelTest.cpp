#include <gtest/gtest.h>

#include <cstdint>

#include "view/ScrollBarModel.h"

namespace {

ScrollBarState Bar(std::int64_t maximum, std::int64_t page, std::int64_t position)
{
    ScrollBarState bar;
    bar.maximum = maximum;
    bar.page = page;
    bar.position = position;
    return bar;
}

TEST(ScrollBarModel, VerticalLineStepsStopAtTheEnds)
{
    // 100 rows, page 20: line down may reach 80, page down 79.
    EXPECT_EQ(ScrollStep::Ignore, VerticalScrollStep(Bar(99, 20, 0), ScrollCode::LineUp, 0).kind);
    EXPECT_EQ(ScrollStep::Ignore, VerticalScrollStep(Bar(99, 20, 80), ScrollCode::LineDown, 0).kind);
    const ScrollStep down = VerticalScrollStep(Bar(99, 20, 79), ScrollCode::LineDown, 0);
    EXPECT_EQ(ScrollStep::MoveTo, down.kind);
    EXPECT_EQ(80, down.position);
    EXPECT_EQ(79, VerticalScrollStep(Bar(99, 20, 70), ScrollCode::PageDown, 0).position);
    EXPECT_EQ(79, VerticalScrollStep(Bar(99, 20, 80), ScrollCode::PageDown, 0).position);
    EXPECT_EQ(0, VerticalScrollStep(Bar(99, 20, 5), ScrollCode::PageUp, 0).position);
    EXPECT_EQ(10, VerticalScrollStep(Bar(99, 20, 30), ScrollCode::PageUp, 0).position);
}

TEST(ScrollBarModel, ThumbGoesToTheTrackPositionAndOtherCodesKeepThePosition)
{
    const ScrollStep thumb = VerticalScrollStep(Bar(99, 20, 0), ScrollCode::ThumbTrack, 57);
    EXPECT_EQ(ScrollStep::MoveTo, thumb.kind);
    EXPECT_EQ(57, thumb.position);
    EXPECT_EQ(80, VerticalScrollStep(Bar(99, 20, 0), ScrollCode::ThumbPosition, 500).position);
    const ScrollStep other = VerticalScrollStep(Bar(99, 20, 12), ScrollCode::Other, 50);
    EXPECT_EQ(ScrollStep::Keep, other.kind);
    EXPECT_EQ(12, other.position);
}

TEST(ScrollBarModel, PageDownInADocumentShorterThanThePageStaysAtTheTop)
{
    // 5 rows, page 5: the page limit is -1.
    const ScrollStep step = VerticalScrollStep(Bar(4, 5, 0), ScrollCode::PageDown, 0);
    EXPECT_EQ(0, step.position);
    EXPECT_EQ(ScrollStep::Ignore, VerticalScrollStep(Bar(4, 5, 0), ScrollCode::LineDown, 0).kind);
    EXPECT_EQ(0, HorizontalScrollStep(Bar(0, 1, 0), ScrollCode::PageDown, 0).position);
}

TEST(ScrollBarModel, HorizontalLineAndPageRightStopOneColumnBeforeTheThumbEnd)
{
    // 200 columns, page 79: line right stops at 120, the thumb at 121.
    EXPECT_EQ(ScrollStep::Ignore, HorizontalScrollStep(Bar(199, 79, 120), ScrollCode::LineDown, 0).kind);
    EXPECT_EQ(120, HorizontalScrollStep(Bar(199, 79, 119), ScrollCode::LineDown, 0).position);
    EXPECT_EQ(120, HorizontalScrollStep(Bar(199, 79, 100), ScrollCode::PageDown, 0).position);
    EXPECT_EQ(ScrollStep::Ignore, HorizontalScrollStep(Bar(199, 79, 0), ScrollCode::LineUp, 0).kind);
    EXPECT_EQ(121, HorizontalScrollStep(Bar(199, 79, 0), ScrollCode::ThumbTrack, 400).position);
}

TEST(ScrollBarModel, WheelScrollsHalfAPageAndNeverPastTheEnd)
{
    EXPECT_EQ(40, WheelScrollPosition(Bar(99, 20, 30), -120));  // toward the user
    EXPECT_EQ(40, WheelScrollPosition(Bar(99, 20, 30), 0));
    EXPECT_EQ(20, WheelScrollPosition(Bar(99, 20, 30), 120));  // away
    EXPECT_EQ(20, WheelScrollPosition(Bar(99, 20, 30), 1));    // only the sign counts
    EXPECT_EQ(0, WheelScrollPosition(Bar(99, 20, 4), 120));
    EXPECT_EQ(80, WheelScrollPosition(Bar(99, 20, 75), -120));
    EXPECT_EQ(80, WheelScrollPosition(Bar(99, 20, 69), -120));  // 79 reaches the limit
    EXPECT_EQ(78, WheelScrollPosition(Bar(99, 20, 68), -120));
    // Odd page: the half truncates.
    EXPECT_EQ(37, WheelScrollPosition(Bar(99, 15, 30), -120));
}

TEST(ScrollBarModel, WheelUpFromTheEndWorksWithASmallPage)
{
    // Page 2 at the end (position 98 of 100 rows): up by one row.
    EXPECT_EQ(97, WheelScrollPosition(Bar(99, 2, 98), 120));
}

TEST(ScrollBarModel, ClampKeepsThePositionInsideTheRange)
{
    ScrollBarState bar = Bar(29, 20, 25);
    bar.ClampPosition();
    EXPECT_EQ(10, bar.position);
    bar = Bar(-1, 0, 3);
    bar.ClampPosition();
    EXPECT_EQ(0, bar.position);
}

TEST(ScrollBarMapping, BarsOfUpTo2To30RowsShowThemOneToOne)
{
    const BarSetting bar = BarFor(Bar(999, 50, 700));
    EXPECT_EQ(1000, bar.range);
    EXPECT_EQ(50, bar.page);
    EXPECT_EQ(700, bar.position);
    EXPECT_EQ(700, PositionFromBar(Bar(999, 50, 0), 700));
    const BarSetting full = BarFor(Bar(kBarUnits - 1, 50, kBarUnits - 50));
    EXPECT_EQ(kBarUnits, full.range);
    EXPECT_EQ(kBarUnits - 50, full.position);
}

// Rows past 2^31 (hex view of 800 million records) and past 2^32: the bar
// gets 2^30 positions in proportion; its first and last thumb positions are
// the first and last rows, a visible thumb, and moving the thumb never
// moves the rows back.
TEST(ScrollBarMapping, RowsPast32BitsMapInProportionWithExactEnds)
{
    for (const std::int64_t rows : {std::int64_t{2400000000}, std::int64_t{3} * 4294967296 + 7}) {
        const ScrollBarState top = Bar(rows - 1, 40, 0);
        const std::int64_t last = top.LastPosition();
        ASSERT_EQ(rows - 40, last);
        const BarSetting atTop = BarFor(top);
        EXPECT_EQ(kBarUnits, atTop.range) << rows;
        EXPECT_EQ(40 * kBarUnits / rows, atTop.page) << rows;
        EXPECT_EQ(0, atTop.position) << rows;
        const int barLast = atTop.range - atTop.page;
        EXPECT_EQ(barLast, BarFor(Bar(rows - 1, 40, last)).position) << rows;
        EXPECT_EQ(last, PositionFromBar(top, barLast)) << rows;  // the thumb at the bottom: the last record
        EXPECT_EQ(0, PositionFromBar(top, 0)) << rows;
        // Half way on the bar is half way down the rows.
        const std::int64_t middle = PositionFromBar(top, barLast / 2);
        EXPECT_NEAR(static_cast<double>(last) / 2, static_cast<double>(middle), static_cast<double>(rows) / kBarUnits + 1);
        std::int64_t previous = -1;
        for (int position = 0; position <= barLast; position += barLast / 1000) {
            const std::int64_t row = PositionFromBar(top, position);
            EXPECT_GE(row, previous) << position;
            // Shown again, the row puts the thumb where it was dropped.
            EXPECT_EQ(position, BarFor(Bar(rows - 1, 40, row)).position) << rows << " at " << position;
            previous = row;
        }
    }
    // A large page keeps its share of the bar.
    EXPECT_EQ(kBarUnits / 4, BarFor(Bar(4 * 4294967296 - 1, 4294967296, 0)).page);
}

// Rows so many that a bar position times the rows passes 64 bits: the
// mapping keeps its ends and its round trip.
TEST(ScrollBarMapping, ProductsPast64BitsKeepTheMapping)
{
    const std::int64_t rows = (std::int64_t{1} << 45) + 12345;
    const ScrollBarState top = Bar(rows - 1, 40, 0);
    const BarSetting atTop = BarFor(top);
    EXPECT_EQ(1, atTop.page);  // still a thumb to take hold of
    const int barLast = atTop.range - atTop.page;
    EXPECT_EQ(top.LastPosition(), PositionFromBar(top, barLast));
    for (const int position : {1, 3, barLast / 3, barLast - 1}) {
        const std::int64_t row = PositionFromBar(top, position);
        EXPECT_NEAR(static_cast<double>(top.LastPosition()) * position / barLast, static_cast<double>(row), 2.0)
            << position;
        EXPECT_EQ(position, BarFor(Bar(rows - 1, 40, row)).position) << position;
    }
}

TEST(ScrollBarModel, StepsPast32Bits)
{
    const ScrollBarState bar = Bar(6442450943, 40, 4294967296);
    EXPECT_EQ(4294967336, VerticalScrollStep(bar, ScrollCode::PageDown, 0).position);
    EXPECT_EQ(4294967256, VerticalScrollStep(bar, ScrollCode::PageUp, 0).position);
    EXPECT_EQ(4294967297, VerticalScrollStep(bar, ScrollCode::LineDown, 0).position);
    EXPECT_EQ(6442450904, VerticalScrollStep(bar, ScrollCode::ThumbTrack, 9000000000).position);
    EXPECT_EQ(4294967316, WheelScrollPosition(bar, -120));
}

}  // namespace
