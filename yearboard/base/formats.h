#pragma once
// The user's regional formats as the planner shows dates: the short date and long time
// pictures (Windows picture letters: d M y h H m s t, text in single quotes), the month
// names and the AM/PM designators.
#include <array>
#include <string>

#include "yearboard/base/ole_date.h"

namespace yb {

struct Formats {
  std::string shortDate = "M/d/yyyy";
  std::string longTime = "h:mm:ss tt";
  std::string am = "AM";
  std::string pm = "PM";
  std::array<std::string, 12> monthNames{"January", "February", "March",     "April",
                                         "May",     "June",     "July",      "August",
                                         "September", "October", "November", "December"};
  std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
  std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
};

// Formats a date-time by a date picture or a time picture (both may be mixed).
std::string FormatPicture(OleDate value, const std::string& picture, const Formats& formats);
// The short date, then a space and the long time unless the time is midnight.
std::string FormatGeneralDate(OleDate value, const Formats& formats);
// The full name of month 1..12.
const std::string& MonthName(int month, const Formats& formats);

}  // namespace yb
