#include "yearboard/calendar/mark_date.h"

#include <algorithm>

#include "yearboard/model/day_categories.h"

namespace yb {

namespace {

// The date (at 00:00) of a date-time, taken to the nearest second.
OleDate DateOf(OleDate value) {
  const CivilDateTime parts = DecodeDateTime(value);
  return DateSerial(parts.year, parts.month, parts.day);
}

void File(cCell& cell, const AppointmentItem& item, const std::string& category) {
  cell.Appointments.push_back(item);
  auto& names = cell.CategoryNames;
  if (std::find(names.begin(), names.end(), category) == names.end()) names.push_back(category);
}

}  // namespace

CoveredDays DaysCovered(OleDate start, OleDate end) {
  const OleDate first = DateOf(start);
  // Compared as seconds: before 1900 a later time of the same day is a smaller double.
  if (OleToSeconds(end) <= OleToSeconds(start)) return {first, first};
  const OleDate endDate = DateOf(end);
  // An end at 00:00 is the close of the day before.
  const OleDate last = IsMidnight(end) ? endDate - 1.0 : endDate;
  return {first, std::max(first, last)};
}

void MarkDate(YearPlanner& planner, const AppointmentItem& iobjAppointment, bool ibooNewItem) {
  const std::string category = iobjAppointment->Categories();
  const CoveredDays days = DaysCovered(iobjAppointment->Start(), iobjAppointment->End());
  // Only the shown year's days: nothing rolls over into its January.
  const OleDate first = std::max(days.first, DateSerial(planner.ShownYear, 1, 1));
  const OleDate last = std::min(days.last, DateSerial(planner.ShownYear, 12, 31));
  GridModel& grid = planner.flxPlanner;
  for (OleDate d = first; d <= last; d += 1.0) {
    const CivilDateTime day = DecodeDateTime(d);
    const int m = day.month;
    const int c = day.day + planner.MonthTable[m - 1].CellOfFirst() - 1;
    grid.SetRedraw(false);
    grid.SetRow(m);
    grid.SetCol(c);
    grid.SetCellBackColor(m, c, ColorForCategory(planner, category));
    if (ibooNewItem) File(planner.CellAt(m, c), iobjAppointment, category);
    PaintDayStripes(planner, m, c);
    grid.SetRedraw(true);
  }
  if (ibooNewItem && !category.empty()) {
    // Also when no day was painted, so that every category of the year is listed.
    ColorForCategory(planner, category);
    planner.CategoryList->Item(category)->Appointments.push_back(iobjAppointment);
  }
}

Color ColorForCategory(YearPlanner& planner, const std::string& istrCategory) {
  if (istrCategory.empty()) return kSysInactiveCaption;
  if (const cCategory* found = planner.CategoryList->Item(istrCategory)) return found->Color();
  planner.CategoryList->Add(istrCategory, kNewCategoryColor);
  return kNewCategoryColor;
}

}  // namespace yb
