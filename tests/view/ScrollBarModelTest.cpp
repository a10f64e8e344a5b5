#include <gtest/gtest.h>

#include "view/ScrollBarModel.h"

namespace {

ScrollBarState Bar(int maximum, int page, int position)
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

}  // namespace
