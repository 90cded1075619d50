#include "yearboard/calendar/mark_date.h"

namespace yb {

void MarkDate(YearPlanner& planner, const AppointmentItem& iobjAppointment, bool ibooNewItem) {
  const OleDate start = iobjAppointment->Start();
  const OleDate end = iobjAppointment->End();
  const std::string category = iobjAppointment->Categories();
  // Only the days of the month are compared, not whole dates.
  const OleDate last = Day(start) == Day(end) ? start : end - 1.0;
  GridModel& grid = planner.flxPlanner;
  for (OleDate d = start; d <= last; d += 1.0) {
    const CivilDateTime day = DecodeDateTime(d);
    if (day.year > planner.ShownYear) break;
    if (day.year < planner.ShownYear) continue;
    const int m = day.month;
    const int c = day.day + planner.MonthTable[m - 1].CellOfFirst() - 1;
    grid.SetRedraw(false);
    grid.SetRow(m);
    grid.SetCol(c);
    grid.SetCellBackColor(m, c, ColorForCategory(planner, category));
    grid.SetRedraw(true);
    if (ibooNewItem) planner.CellAt(m, c).Appointments.push_back(iobjAppointment);
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
