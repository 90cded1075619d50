#pragma once
// iCalendar date and date-time values ("19980505", "19980505T100000", "19980505T100000Z"),
// durations ("P1W", "-PT15M", "P1DT2H") and the whole-second arithmetic the reader, the rules
// and the zones share: seconds counted from 1899-12-30 00:00 on some clock (a wall clock, or
// UTC), and day numbers counted from that day. Faults throw std::invalid_argument.
#include <string>

namespace yb {

constexpr long long kSecondsPerDay = 86400;

struct IcalTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  bool isDate = false;  // a DATE value: an all-day start or end
  bool utc = false;     // written with "Z"
  friend bool operator==(const IcalTime&, const IcalTime&) = default;
};

// A date when the text has 8 characters (or 9 with a stray "Z"); dateOnly refuses a date-time.
IcalTime ParseIcalTime(const std::string& value, bool dateOnly = false);
// Seconds, negative for a duration written with "-".
long long ParseDuration(const std::string& value);

long long DayNumber(int year, int month, int day);  // month and day may roll over
long long DayNumber(const IcalTime& t);
long long SecondsOf(const IcalTime& t);  // the time's own clock
// The value at these seconds, keeping isDate and utc of `like`.
IcalTime TimeAt(long long seconds, const IcalTime& like);
int DaysInMonth(int year, int month);
int WeekdayOfDay(long long day);  // 1 = Sunday .. 7 = Saturday
long long FloorDiv(long long a, long long b);

}  // namespace yb
