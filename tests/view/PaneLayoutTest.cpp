#include <gtest/gtest.h>

#include "view/PaneLayout.h"

namespace {

TEST(PaneLayout, PlacesRulerLinePaneDataPaneAndBars)
{
    // 600 x 400 client, bars 15 wide/high, line column 56, ruler 20.
    const PaneLayout l = ComputePaneLayout(600, 400, 15, 15, 56, 20);
    EXPECT_EQ(529, l.dataWidth);
    EXPECT_EQ(365, l.dataHeight);
    EXPECT_EQ((PaneRect{56, 1, 529, 19}), l.ruler);
    EXPECT_EQ((PaneRect{1, 20, 55, 365}), l.line);
    EXPECT_EQ((PaneRect{56, 20, 529, 365}), l.data);
    EXPECT_EQ((PaneRect{56, 385, 529, 15}), l.horzBar);
    EXPECT_EQ((PaneRect{585, 20, 15, 365}), l.vertBar);
}

TEST(PaneLayout, TinyClientAreaGivesEmptyPanesNotNegativeOnes)
{
    const PaneLayout l = ComputePaneLayout(30, 10, 15, 15, 56, 20);
    EXPECT_EQ(0, l.dataWidth);
    EXPECT_EQ(0, l.dataHeight);
    EXPECT_EQ(0, l.data.width);
    EXPECT_EQ(0, l.line.height);
}

TEST(PaneLayout, PageCountsWholeCellsLessOneColumn)
{
    EXPECT_EQ(64, PageColsFor(527, 8));  // 65 whole cells, less one
    EXPECT_EQ(21, PageRowsFor(361, 17));
    EXPECT_EQ(1, PageColsFor(7, 8));    // tiny: still one
    EXPECT_EQ(1, PageRowsFor(10, 17));
    EXPECT_EQ(1, PageColsFor(100, 0));  // before the fonts are measured
}

}  // namespace
