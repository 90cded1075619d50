#pragma once
// The planner window's resize arithmetic, in twips: the smallest window, the snapping of a
// normal window to whole multiples of 37 and 12 pixels, where the two frames and grids go,
// and the year grid's month row height, day column width and scroll-bar rules.
#include "yearboard/grid/grid_model.h"

namespace yb {

constexpr int kMinPlannerWidth = 6000;
constexpr int kMinPlannerHeight = 3000;

struct TwipSize {
  int width = 0, height = 0;
  friend bool operator==(const TwipSize&, const TwipSize&) = default;
};

struct TwipBox {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const TwipBox&, const TwipBox&) = default;
};

// The window's outer size after the minimum and, unless maximised, the pixel snapping.
TwipSize SnapPlannerSize(double width, double height, double twipsPerPixelX,
                         double twipsPerPixelY, bool maximized);

struct PlannerLayout {
  TwipBox lblContainer1, flxPlanner, lblContainer2, flxCategories;
};

// The frames and grids in an inner (client) area, below the band and above the status bar.
PlannerLayout LayoutPlanner(int innerWidth, int innerHeight, int bandHeight, int statusHeight,
                            int container2Width);

struct YearGridSizes {
  int rowHeight = 0;  // months 1..12
  int colWidth = 0;   // days 1..37
  ScrollBars scrollBars = ScrollBars::Both;
  bool resetLeftCol = false;  // first visible column back to 1
  bool resetTopRow = false;   // first visible row back to 1
};

YearGridSizes SizeYearGrid(int gridWidth, int gridHeight);

// Writes the sizes and scroll rules into the year grid (its redraw is the caller's).
void ApplyYearGridSizes(GridModel& grid, const YearGridSizes& sizes);

// Nearest integer, halves to the even one.
int RoundHalfEven(double value);

}  // namespace yb
