#include "yearboard/model/planner_layout.h"

#include "yearboard/model/month.h"

#include <algorithm>
#include <cmath>

namespace yb {

namespace {
constexpr int kHeaderRowHeight = 330;
constexpr int kMonthColWidth = 1095;
constexpr int kMinCellSize = 240;

// Twips of a whole number of pixels, cut down to a multiple of the given count.
double SnapToPixels(double twips, double twipsPerPixel, int multiple) {
  const long long factor = std::llround(twipsPerPixel);
  if (factor <= 0) return twips;
  const long long pixels = std::llround(twips) / factor;
  return twipsPerPixel * static_cast<double>(pixels / multiple * multiple);
}
}  // namespace

int RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  long long result = static_cast<long long>(floor);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return static_cast<int>(result);
}

TwipSize SnapPlannerSize(double width, double height, double twipsPerPixelX,
                         double twipsPerPixelY, bool maximized) {
  width = std::max(width, static_cast<double>(kMinPlannerWidth));
  height = std::max(height, static_cast<double>(kMinPlannerHeight));
  if (!maximized) {
    width = SnapToPixels(width, twipsPerPixelX, kDayColumns);
    height = SnapToPixels(height, twipsPerPixelY, kMonthRows);
  }
  return {static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))};
}

PlannerLayout LayoutPlanner(int innerWidth, int innerHeight, int bandHeight, int statusHeight,
                            int container2Width) {
  PlannerLayout layout;
  TwipBox& frame2 = layout.lblContainer2;
  frame2.left = innerWidth - container2Width;
  frame2.top = bandHeight + 30;
  frame2.width = container2Width;
  frame2.height = innerHeight - bandHeight - statusHeight - 30;
  layout.flxCategories = {frame2.left + 45, frame2.top + 45, frame2.width - 90, frame2.height - 90};
  layout.lblContainer1 = {0, frame2.top, frame2.left - 60, frame2.height};
  layout.flxPlanner = {45, frame2.top + 45, frame2.left - 150, frame2.height - 90};
  return layout;
}

YearGridSizes SizeYearGrid(int gridWidth, int gridHeight) {
  YearGridSizes sizes;
  sizes.rowHeight =
      std::max(RoundHalfEven((gridHeight - kHeaderRowHeight) / static_cast<double>(kMonthRows)),
               kMinCellSize);
  sizes.colWidth =
      std::max(RoundHalfEven((gridWidth - kMonthColWidth) / static_cast<double>(kDayColumns)),
               kMinCellSize);
  const bool rowsAtMinimum = sizes.rowHeight == kMinCellSize;
  const bool colsAtMinimum = sizes.colWidth == kMinCellSize;
  if (rowsAtMinimum && colsAtMinimum) {
    sizes.scrollBars = ScrollBars::Both;
  } else if (rowsAtMinimum) {
    sizes.resetLeftCol = true;
    sizes.scrollBars = ScrollBars::Vertical;
  } else if (colsAtMinimum) {
    sizes.resetTopRow = true;
    sizes.scrollBars = ScrollBars::Horizontal;
  } else {
    sizes.resetLeftCol = true;
    sizes.resetTopRow = true;
    sizes.scrollBars = ScrollBars::None;
  }
  return sizes;
}

void ApplyYearGridSizes(GridModel& grid, const YearGridSizes& sizes) {
  grid.SetRowHeight(0, kHeaderRowHeight);
  grid.SetColWidth(0, kMonthColWidth);
  grid.SetScrollBars(sizes.scrollBars);
  if (sizes.resetLeftCol) grid.SetLeftCol(1);
  if (sizes.resetTopRow) grid.SetTopRow(1);
  for (int r = 1; r <= kMonthRows; ++r) grid.SetRowHeight(r, sizes.rowHeight);
  for (int c = 1; c <= kDayColumns; ++c) grid.SetColWidth(c, sizes.colWidth);
}

}  // namespace yb
