#pragma once
// One month of the shown year (cMonth): its name, length, the weekday of its first day and
// the grid column of that day, for weeks laid out from FirstDayOfWeek.
#include <cstdint>
#include <string>

#include "yearboard/base/formats.h"

namespace yb {

// The year grid: a row per month, 37 day columns aligned on weekdays.
constexpr int kMonthRows = 12;
constexpr int kDayColumns = 37;

// Weekday number (1 = Sunday .. 7 = Saturday) of grid column 1; 2 (Monday) from start-up.
extern std::int16_t FirstDayOfWeek;

class cMonth {
 public:
  void SetYear(std::int16_t year) { yearValue = year; }
  // Must follow SetYear: computes NumberOfDays and CellOfFirst.
  void SetNumber(std::int16_t month);

  std::string Name(const Formats& formats) const;  // the full month name ("mmmm")
  std::int16_t NumberOfDays() const { return numberOfDays; }
  std::int16_t DayOfFirst() const;  // weekday of day 1, computed on each read
  std::int16_t CellOfFirst() const { return cellOfFirst; }

 private:
  std::int16_t yearValue = 0;
  std::int16_t number = 0;
  std::int16_t numberOfDays = 0;
  std::int16_t cellOfFirst = 0;
};

}  // namespace yb
