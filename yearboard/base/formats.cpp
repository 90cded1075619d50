#include "yearboard/base/formats.h"

#include <cstdio>

namespace yb {
namespace {

std::string Number(int value, int minDigits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", minDigits, value);
  return buffer;
}

}  // namespace

std::string FormatPicture(OleDate value, const std::string& picture, const Formats& formats) {
  const CivilDateTime t = DecodeDateTime(value);
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'') {
      // Quoted text; two quotes inside stand for one.
      ++i;
      while (i < picture.size()) {
        if (picture[i] == '\'') {
          if (i + 1 < picture.size() && picture[i + 1] == '\'') {
            out += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        out += picture[i++];
      }
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    const int n = static_cast<int>(run);
    switch (c) {
      case 'd':
        if (n <= 2) out += Number(t.day, n);
        else if (n == 3) out += formats.shortDayNames[Weekday(value) - 1];
        else out += formats.dayNames[Weekday(value) - 1];
        break;
      case 'M':
        if (n <= 2) out += Number(t.month, n);
        else if (n == 3) out += formats.shortMonthNames[t.month - 1];
        else out += formats.monthNames[t.month - 1];
        break;
      case 'y':
        if (n <= 2) out += Number(t.year % 100, n);
        else out += Number(t.year, 4);
        break;
      case 'h':
        out += Number(t.hour % 12 == 0 ? 12 : t.hour % 12, n >= 2 ? 2 : 1);
        break;
      case 'H': out += Number(t.hour, n >= 2 ? 2 : 1); break;
      case 'm': out += Number(t.minute, n >= 2 ? 2 : 1); break;
      case 's': out += Number(t.second, n >= 2 ? 2 : 1); break;
      case 't': {
        const std::string& designator = t.hour < 12 ? formats.am : formats.pm;
        out += n == 1 ? designator.substr(0, 1) : designator;
        break;
      }
      default: out.append(run, c); break;
    }
    i += run;
  }
  return out;
}

std::string FormatGeneralDate(OleDate value, const Formats& formats) {
  std::string out = FormatPicture(value, formats.shortDate, formats);
  if (!IsMidnight(value)) {
    out += ' ';
    out += FormatPicture(value, formats.longTime, formats);
  }
  return out;
}

const std::string& MonthName(int month, const Formats& formats) {
  return formats.monthNames.at(static_cast<std::size_t>(month - 1));
}

}  // namespace yb
