#pragma once
// The planner window's state for the shown year, kept portable: ShownYear, MonthTable,
// CellTable, the year grid flxPlanner and the categories grid flxCategories (as grid
// models), the category table CategoryList, and the year layout: PreparePlanner (once) with
// LabelDayColumns, and BuildYearGrid (for every year shown).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "yearboard/base/formats.h"
#include "yearboard/calendar/calendar_client.h"
#include "yearboard/grid/grid_model.h"
#include "yearboard/model/categories.h"
#include "yearboard/model/month.h"
#include "yearboard/model/planner_view.h"

namespace yb {

// One day slot of the grid.
struct cCell {
  std::int16_t DayNumber = 0;  // 1..31, or 0 for a slot before day 1 or after the last day
  AppointmentList Appointments;
  std::vector<std::string> CategoryNames;  // of those appointments, each text once
};

using MonthTableType = std::array<cMonth, kMonthRows>;
// CellTable[m - 1][c - 1] is the cell of grid row m and column c.
using CellTableType = std::array<std::array<cCell, kDayColumns>, kMonthRows>;

class YearPlanner {
 public:
  YearPlanner(PlannerView& view, const Formats& formats);

  void PreparePlanner();
  void BuildYearGrid();  // after ShownYear is set

  cCell& CellAt(int row, int col) { return CellTable[row - 1][col - 1]; }

  PlannerView& view;
  Formats formats;
  std::int16_t ShownYear = 0;
  MonthTableType MonthTable;
  CellTableType CellTable;
  GridModel flxPlanner{kMonthRows + 1, kDayColumns + 1, 1, 1};
  GridModel flxCategories{2, 2, 1, 0};
  std::unique_ptr<cCategories> CategoryList;
  bool ShowAllCategories = false;  // a day shows a stripe per category rather than one colour

 private:
  void LabelDayColumns();
};

// The weekday (1 = Sunday .. 7 = Saturday) of day column 1..37 with weeks starting on
// FirstDayOfWeek, and its letter.
int DayColumnWeekday(int column);
const char* DayColumnLetter(int column);

}  // namespace yb
