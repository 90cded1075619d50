#include <gtest/gtest.h>

#include "yearboard/model/planner_layout.h"

namespace yb {
namespace {

TEST(PlannerLayout, DesignSizeFigures) {
  const PlannerLayout layout = LayoutPlanner(12090, 5895, 330, 255, 1950);
  EXPECT_EQ(layout.lblContainer2, (TwipBox{10140, 360, 1950, 5280}));
  EXPECT_EQ(layout.flxCategories, (TwipBox{10185, 405, 1860, 5190}));
  EXPECT_EQ(layout.lblContainer1, (TwipBox{0, 360, 10080, 5280}));
  EXPECT_EQ(layout.flxPlanner, (TwipBox{45, 405, 9990, 5190}));
  const YearGridSizes sizes = SizeYearGrid(9990, 5190);
  EXPECT_EQ(sizes.rowHeight, 405);
  EXPECT_EQ(sizes.colWidth, 240);  // 240.4
  EXPECT_EQ(sizes.scrollBars, ScrollBars::Horizontal);
  EXPECT_TRUE(sizes.resetTopRow);
  EXPECT_FALSE(sizes.resetLeftCol);
}

TEST(PlannerLayout, ScrollRulesByWhichSizeIsAtTheFloor) {
  YearGridSizes small = SizeYearGrid(5000, 2000);
  EXPECT_EQ(small.rowHeight, 240);
  EXPECT_EQ(small.colWidth, 240);
  EXPECT_EQ(small.scrollBars, ScrollBars::Both);
  EXPECT_FALSE(small.resetTopRow || small.resetLeftCol);

  YearGridSizes shortGrid = SizeYearGrid(1095 + 37 * 300, 2000);
  EXPECT_EQ(shortGrid.colWidth, 300);
  EXPECT_EQ(shortGrid.scrollBars, ScrollBars::Vertical);
  EXPECT_TRUE(shortGrid.resetLeftCol);
  EXPECT_FALSE(shortGrid.resetTopRow);

  YearGridSizes large = SizeYearGrid(1095 + 37 * 300, 330 + 12 * 500);
  EXPECT_EQ(large.rowHeight, 500);
  EXPECT_EQ(large.scrollBars, ScrollBars::None);
  EXPECT_TRUE(large.resetLeftCol && large.resetTopRow);
}

TEST(PlannerLayout, CellSizesRoundHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(240.5), 240);
  EXPECT_EQ(RoundHalfEven(241.5), 242);
  EXPECT_EQ(RoundHalfEven(300.49), 300);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  // Month rows of (grid height - 330) / 12 = 250.5 and 251.5.
  EXPECT_EQ(SizeYearGrid(9990, 330 + 12 * 250 + 6).rowHeight, 250);
  EXPECT_EQ(SizeYearGrid(9990, 330 + 12 * 251 + 6).rowHeight, 252);
  // The first whole pixel past the floor: 240.5 rounds down to the floor, 241.5 up.
  EXPECT_EQ(SizeYearGrid(9990, 330 + 12 * 240 + 6).scrollBars, ScrollBars::Both);
}

TEST(PlannerLayout, NormalWindowsSnapToWholePixelMultiples) {
  const TwipSize snapped = SnapPlannerSize(12300, 6500, 15, 15, false);
  // 12300 / 15 = 820 pixels -> 814 (22 * 37); 6500 / 15 = 433 -> 432 (36 * 12).
  EXPECT_EQ(snapped, (TwipSize{814 * 15, 432 * 15}));
  EXPECT_EQ(SnapPlannerSize(12300, 6500, 15, 15, true), (TwipSize{12300, 6500}));
  // Smaller than the minimum springs back to it, then snaps.
  EXPECT_EQ(SnapPlannerSize(1000, 1000, 15, 15, false), (TwipSize{370 * 15, 192 * 15}));
  EXPECT_EQ(SnapPlannerSize(1000, 1000, 15, 15, true), (TwipSize{6000, 3000}));
  for (int width = 6000; width < 20000; width += 7) {
    const TwipSize size = SnapPlannerSize(width, 9000, 15, 15, false);
    ASSERT_EQ(size.width % (37 * 15), 0) << width;
    ASSERT_LE(size.width, width);
    ASSERT_EQ(size.height % (12 * 15), 0);
  }
}

TEST(PlannerLayout, ApplyingWritesEveryRowAndColumn) {
  GridModel grid(13, 38, 1, 1);
  grid.SetTopRow(5);
  grid.SetLeftCol(9);
  ApplyYearGridSizes(grid, SizeYearGrid(9990, 5190));
  EXPECT_EQ(grid.RowHeight(0), 330);
  EXPECT_EQ(grid.ColWidth(0), 1095);
  for (int r = 1; r <= 12; ++r) EXPECT_EQ(grid.RowHeight(r), 405);
  for (int c = 1; c <= 37; ++c) EXPECT_EQ(grid.ColWidth(c), 240);
  EXPECT_EQ(grid.AllowedScrollBars(), ScrollBars::Horizontal);
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_EQ(grid.LeftCol(), 9);
}

}  // namespace
}  // namespace yb
