#include "yearboard/sheet/year_sheet.h"

#include <algorithm>

namespace yb {

namespace {

bool AnyDayWithoutCategory(const YearPlanner& planner) {
  for (const auto& row : planner.CellTable) {
    for (const cCell& cell : row) {
      const auto& names = cell.CategoryNames;
      if (std::find(names.begin(), names.end(), std::string()) != names.end()) return true;
    }
  }
  return false;
}

}  // namespace

YearSheet BuildYearSheet(const YearPlanner& planner, const std::string& calendarName,
                         const std::string& footer) {
  YearSheet sheet;
  sheet.title = SheetTitle(planner.ShownYear, calendarName);
  for (int c = 1; c <= kDayColumns; ++c)
    sheet.weekdays[c - 1] = planner.formats.shortDayNames[DayColumnWeekday(c) - 1];
  const GridModel& grid = planner.flxPlanner;
  for (int m = 1; m <= kMonthRows; ++m) {
    sheet.months[m - 1] = grid.Text(m, 0);
    for (int c = 1; c <= kDayColumns; ++c) {
      SheetDay& day = sheet.days[m - 1][c - 1];
      day.number = planner.CellTable[m - 1][c - 1].DayNumber;
      day.color = grid.CellBackColor(m, c);
      day.stripes = grid.CellStripes(m, c);
    }
  }
  if (planner.CategoryList) {
    for (const auto& category : *planner.CategoryList) {
      if (!category->Appointments.empty()) sheet.legend.push_back({category->Name(), category->Color()});
    }
  }
  if (AnyDayWithoutCategory(planner)) sheet.legend.push_back({kNoCategoryName, kSysInactiveCaption});
  sheet.footer = footer;
  return sheet;
}

std::string SheetTitle(int year, const std::string& calendarName) {
  return std::to_string(year) + " - " + calendarName;
}

std::string SheetFooter(const std::string& what, OleDate today, const Formats& formats) {
  return what + " " + FormatPicture(today, formats.shortDate, formats);
}

}  // namespace yb
