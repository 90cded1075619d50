#include <gtest/gtest.h>

#include <stdexcept>

#include "yearboard/grid/grid_model.h"

namespace yb {
namespace {

TEST(GridModel, CellsKeepTheirPropertiesAndDefaultsByKind) {
  GridModel grid(3, 4, 1, 1);
  EXPECT_EQ(grid.CellBackColor(0, 2), kSysButtonFace);
  EXPECT_EQ(grid.CellBackColor(2, 0), kSysButtonFace);
  EXPECT_EQ(grid.CellBackColor(1, 1), kSysWindow);
  grid.SetFont("Tahoma", 8);
  grid.SetColAlignment(2, Alignment::CenterCenter);
  grid.SetText(1, 2, "31");
  grid.SetCellBackColor(1, 2, Rgb(0, 255, 0));
  grid.SetCellFontSize(1, 2, 6);
  EXPECT_EQ(grid.Text(1, 2), "31");
  EXPECT_EQ(grid.CellBackColor(1, 2), 65280u);
  EXPECT_EQ(grid.CellFontSize(1, 2), 6);
  EXPECT_EQ(grid.CellFontSize(1, 1), 8);
  EXPECT_EQ(grid.CellAlignment(2, 2), Alignment::CenterCenter);
  grid.SetCellAlignment(1, 2, Alignment::LeftTop);
  EXPECT_EQ(grid.CellAlignment(1, 2), Alignment::LeftTop);
  EXPECT_THROW(grid.SetText(3, 0, "x"), std::out_of_range);
  EXPECT_THROW(grid.Text(0, 4), std::out_of_range);
}

TEST(GridModel, StripesAreReportedOnlyWhenTheyChange) {
  GridModel grid(3, 4, 1, 1);
  int reports = 0;
  grid.SetListener([&](const CellSpan*) { ++reports; });
  EXPECT_TRUE(grid.CellStripes(1, 2).empty());
  grid.SetCellStripes(1, 2, {255, 65280});
  EXPECT_EQ(grid.CellStripes(1, 2), (std::vector<Color>{255, 65280}));
  grid.SetCellStripes(1, 2, {255, 65280});
  EXPECT_EQ(reports, 1);
  grid.SetCellStripes(1, 2, {});
  EXPECT_EQ(reports, 2);
  EXPECT_THROW(grid.SetCellStripes(3, 0, {1}), std::out_of_range);
}

TEST(GridModel, GrowingKeepsCellsAndRemovingARowShiftsTheRest) {
  GridModel grid(1, 2, 1, 0);
  grid.SetText(0, 0, "Categories");
  grid.SetRows(3);
  grid.SetText(1, 0, "Holiday");
  grid.SetText(2, 0, "Travel");
  grid.SetRowHeight(2, 500);
  EXPECT_EQ(grid.Text(0, 0), "Categories");
  EXPECT_TRUE(grid.RemoveRow(1));
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.Text(1, 0), "Travel");
  EXPECT_EQ(grid.RowHeight(1), 500);
  // The last non-fixed row cannot go, nor a row that is not there.
  EXPECT_FALSE(grid.RemoveRow(1));
  EXPECT_FALSE(grid.RemoveRow(5));
  EXPECT_EQ(grid.Rows(), 2);
}

TEST(GridModel, RedrawOffGathersChangesIntoOneReport) {
  GridModel grid(13, 38, 1, 1);
  int reports = 0;
  std::optional<CellSpan> last;
  grid.SetListener([&](const CellSpan* span) {
    ++reports;
    last = span ? std::optional<CellSpan>(*span) : std::nullopt;
  });
  grid.SetText(5, 6, "x");
  EXPECT_EQ(reports, 1);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->row0, 5);
  grid.SetRedraw(false);
  grid.SetText(2, 3, "a");
  grid.SetCellBackColor(7, 9, 255);
  EXPECT_EQ(reports, 1);
  grid.SetRedraw(true);
  EXPECT_EQ(reports, 2);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->row0, 2);
  EXPECT_EQ(last->col0, 3);
  EXPECT_EQ(last->row1, 7);
  EXPECT_EQ(last->col1, 9);
  // Nothing changed: switching redraw on again reports nothing.
  grid.SetRedraw(false);
  grid.SetRedraw(true);
  EXPECT_EQ(reports, 2);
  grid.SetRedraw(false);
  grid.SetColWidth(3, 500);
  grid.SetRedraw(true);
  EXPECT_EQ(reports, 3);
  EXPECT_FALSE(last);  // a size change re-lays out everything
}

TEST(GridModel, HitTestingFollowsSizesAndScrolling) {
  GridModel grid(13, 38, 1, 1);
  grid.SetRowHeight(0, 330);
  grid.SetColWidth(0, 1095);
  for (int c = 1; c < 38; ++c) grid.SetColWidth(c, 240);
  EXPECT_EQ(grid.CellAt(0, 0).row, 0);
  EXPECT_EQ(grid.CellAt(1094, 329).col, 0);
  const GridHit day = grid.CellAt(1095, 330);
  EXPECT_EQ(day.row, 1);
  EXPECT_EQ(day.col, 1);
  EXPECT_EQ(grid.CellAt(1095 + 240 * 3 + 10, 330 + 240 + 1).col, 4);
  EXPECT_EQ(grid.CellAt(1095 + 240 * 37, 10).col, -1);
  EXPECT_EQ(grid.CellAt(-1, 10).row, -1);
  grid.SetLeftCol(5);
  grid.SetTopRow(3);
  EXPECT_EQ(grid.CellAt(1095 + 1, 330 + 1).col, 5);
  EXPECT_EQ(grid.CellAt(1095 + 1, 330 + 1).row, 3);
  EXPECT_EQ(grid.CellAt(10, 10).row, 0);  // fixed cells stay put
  EXPECT_FALSE(grid.CellRect(1, 1).has_value());
  const auto rect = grid.CellRect(3, 5);
  ASSERT_TRUE(rect);
  EXPECT_EQ(rect->left, 1095);
  EXPECT_EQ(rect->top, 330);
  EXPECT_EQ(rect->right, 1335);
  grid.SetTopRow(0);  // never above the fixed rows
  EXPECT_EQ(grid.TopRow(), 1);
}

TEST(GridModel, ScrollBarsShowOnlyWhereAllowedAndNeeded) {
  GridModel grid(13, 38, 1, 1);  // 13 * 240 high, 960 + 37 * 960 wide
  grid.SetScrollBars(ScrollBars::Both);
  VisibleBars bars = grid.BarsFor(100000, 100000, 250);
  EXPECT_FALSE(bars.horizontal);
  EXPECT_FALSE(bars.vertical);
  bars = grid.BarsFor(5000, 100000, 250);
  EXPECT_TRUE(bars.horizontal);
  EXPECT_FALSE(bars.vertical);
  // Just high enough without a horizontal bar, not with one.
  bars = grid.BarsFor(5000, 13 * 240 + 100, 250);
  EXPECT_TRUE(bars.vertical);
  grid.SetScrollBars(ScrollBars::Vertical);
  bars = grid.BarsFor(5000, 1000, 250);
  EXPECT_FALSE(bars.horizontal);
  EXPECT_TRUE(bars.vertical);
  grid.SetScrollBars(ScrollBars::None);
  bars = grid.BarsFor(10, 10, 250);
  EXPECT_FALSE(bars.horizontal || bars.vertical);
}

TEST(GridModel, ScrollRangeEndsWhenTheLastRowsFill) {
  GridModel grid(13, 2, 1, 1);
  // Fixed row 240 + room for 4 rows of 240.
  EXPECT_EQ(grid.MaxTopRow(240 * 5), 9);
  EXPECT_EQ(grid.MaxTopRow(240 * 5 + 239), 9);
  EXPECT_EQ(grid.MaxTopRow(240 * 13), 1);
  EXPECT_EQ(grid.MaxTopRow(10), 12);
}

TEST(GridModel, CurrentCellAndMouseCell) {
  GridModel grid(13, 38, 1, 1);
  grid.SetRow(12);
  grid.SetCol(37);
  EXPECT_EQ(grid.Row(), 12);
  EXPECT_EQ(grid.Col(), 37);
  EXPECT_THROW(grid.SetRow(13), std::out_of_range);
  grid.SetMouseCell({0, 4});
  EXPECT_EQ(grid.MouseRow(), 0);
  EXPECT_EQ(grid.MouseCol(), 4);
  grid.SetRows(5);  // the current row follows a shrinking grid
  EXPECT_EQ(grid.Row(), 4);
}

}  // namespace
}  // namespace yb
