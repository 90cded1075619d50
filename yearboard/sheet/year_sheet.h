#pragma once
// The year as it goes on paper or into a picture, taken from the planner as the screen shows
// it: the title (the year and the calendar's name), the system's short weekday names over the
// 37 day columns, the month names, every slot with its day number (0 for a blank slot), its
// colour and its category stripes, the legend of the categories that appear in the year, and
// the footer. A copy of plain values, so it can be drawn on another thread.
#include <array>
#include <string>
#include <vector>

#include "yearboard/base/color.h"
#include "yearboard/model/year_planner.h"

namespace yb {

constexpr const char* kNoCategoryName = "No category";

struct SheetDay {
  int number = 0;
  Color color = 0;
  std::vector<Color> stripes;
};

struct LegendEntry {
  std::string name;
  Color color = 0;
};

struct YearSheet {
  std::string title;
  std::array<std::string, kDayColumns> weekdays;
  std::array<std::string, kMonthRows> months;
  std::array<std::array<SheetDay, kDayColumns>, kMonthRows> days;
  std::vector<LegendEntry> legend;
  std::string footer;
};

// The legend holds the categories with appointments in the shown year, in table order, then
// "No category" when a day holds an appointment without one.
YearSheet BuildYearSheet(const YearPlanner& planner, const std::string& calendarName,
                         const std::string& footer);

// "2026 - holidays.ics"
std::string SheetTitle(int year, const std::string& calendarName);
// The footer: `what` ("Printed", "Saved"), a space and the date in the short date format.
std::string SheetFooter(const std::string& what, OleDate today, const Formats& formats);

}  // namespace yb
