#pragma once
// The system's regional formats as the program uses them: the date and time separators,
// the short date order, the long time format and the month names (long and short).
#include <array>
#include <string>

namespace lt {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct RegionalFormats {
  char dateSeparator = '/';
  char timeSeparator = ':';
  DateOrder shortDateOrder = DateOrder::MonthDayYear;
  std::string shortDateFormat = "M/d/yyyy";
  std::string longTimeFormat = "h:mm:ss tt";
  std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",
                                             "May",     "June",     "July",      "August",
                                             "September", "October", "November", "December"};
  std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
};

// en-US, as Wine's default locale gives them.
RegionalFormats UsFormats();
// Day-first formats with the given separators, as a British system gives them.
RegionalFormats DayFirstFormats(char dateSeparator = '/', char timeSeparator = ':');

}  // namespace lt
