#include <windows.h>

#include "yearboard/base/system_win32.h"

namespace yb {
namespace {

void ReadLocale(LCTYPE type, std::string& target) {
  char buffer[128];
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  if (length > 1) target.assign(buffer, static_cast<std::size_t>(length - 1));
}

}  // namespace

Formats ReadSystemFormats() {
  Formats formats;
  ReadLocale(LOCALE_SSHORTDATE, formats.shortDate);
  ReadLocale(LOCALE_STIMEFORMAT, formats.longTime);
  ReadLocale(LOCALE_S1159, formats.am);
  ReadLocale(LOCALE_S2359, formats.pm);
  for (int i = 0; i < 12; ++i) {
    ReadLocale(LOCALE_SMONTHNAME1 + i, formats.monthNames[i]);
    ReadLocale(LOCALE_SABBREVMONTHNAME1 + i, formats.shortMonthNames[i]);
  }
  // The locale lists days from Monday; the formats keep them from Sunday.
  for (int i = 0; i < 7; ++i) {
    ReadLocale(LOCALE_SDAYNAME1 + i, formats.dayNames[(i + 1) % 7]);
    ReadLocale(LOCALE_SABBREVDAYNAME1 + i, formats.shortDayNames[(i + 1) % 7]);
  }
  return formats;
}

}  // namespace yb
