#pragma once
// Local date-times as days since 1899-12-30 (the fraction is the time of day), with exact
// civil-date conversions. Weekdays are 1 = Sunday .. 7 = Saturday.
#include <cstdint>
#include <optional>

namespace lt {

using DateTime = double;

struct CivilDateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Empty when a field is out of range (month 13, 30 February, hour 24, ...).
std::optional<DateTime> EncodeDateTime(const CivilDateTime& parts);
DateTime EncodeDate(int year, int month, int day);  // the fields must be valid
CivilDateTime DecodeDateTime(DateTime value);       // to the nearest millisecond
int DayOfWeek(DateTime value);                      // 1 = Sunday .. 7 = Saturday
double TimeOfDay(DateTime value);                   // fraction of a day, 0 <= t < 1

}  // namespace lt
