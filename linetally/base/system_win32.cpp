#include "linetally/base/system_win32.h"

#include <windows.h>

namespace lt {
namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
  char buffer[128] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) <= 1) return fallback;
  return buffer;
}

}  // namespace

CivilDateTime SystemClock::Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return CivilDateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

RegionalFormats ReadSystemFormats() {
  RegionalFormats f;
  f.dateSeparator = LocaleText(LOCALE_SDATE, "/")[0];
  f.timeSeparator = LocaleText(LOCALE_STIME, ":")[0];
  const std::string order = LocaleText(LOCALE_IDATE, "0");
  f.shortDateOrder = order == "1"   ? DateOrder::DayMonthYear
                     : order == "2" ? DateOrder::YearMonthDay
                                    : DateOrder::MonthDayYear;
  f.shortDateFormat = LocaleText(LOCALE_SSHORTDATE, "M/d/yyyy");
  f.longTimeFormat = LocaleText(LOCALE_STIMEFORMAT, "h:mm:ss tt");
  for (int i = 0; i < 12; ++i) {
    f.longMonthNames[size_t(i)] = LocaleText(LOCALE_SMONTHNAME1 + LCTYPE(i), "");
    f.shortMonthNames[size_t(i)] = LocaleText(LOCALE_SABBREVMONTHNAME1 + LCTYPE(i), "");
  }
  return f;
}

}  // namespace lt
