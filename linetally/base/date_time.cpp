#include "linetally/base/date_time.h"

#include <cmath>

namespace lt {
namespace {

constexpr int64_t kMsPerDay = 86400000;

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = int(doy - (153 * mp + 2) / 5 + 1);
  m = int(mp < 10 ? mp + 3 : mp - 9);
  y = int(yoe + era * 400 + (m <= 2));
}

const int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

DateTime EncodeDate(int year, int month, int day) {
  return double(DaysFromCivil(year, month, day) - kEpochOffset);
}

std::optional<DateTime> EncodeDateTime(const CivilDateTime& p) {
  if (p.year < 1 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 ||
      p.day > DaysInMonth(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
      p.minute > 59 || p.second < 0 || p.second > 59 || p.millisecond < 0 || p.millisecond > 999)
    return std::nullopt;
  const double date = EncodeDate(p.year, p.month, p.day);
  const double time =
      double(((p.hour * 60 + p.minute) * 60 + p.second) * 1000 + p.millisecond) / double(kMsPerDay);
  // Before the epoch the time of day counts away from zero, as the date's fraction.
  return date < 0 ? date - time : date + time;
}

CivilDateTime DecodeDateTime(DateTime value) {
  double whole = std::trunc(value);
  int64_t ms = std::llround(std::fabs(value - whole) * double(kMsPerDay));
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    whole += value < 0 ? -1 : 1;
  }
  CivilDateTime out;
  CivilFromDays(int64_t(whole) + kEpochOffset, out.year, out.month, out.day);
  out.hour = int(ms / 3600000);
  out.minute = int(ms / 60000 % 60);
  out.second = int(ms / 1000 % 60);
  out.millisecond = int(ms % 1000);
  return out;
}

int DayOfWeek(DateTime value) {
  const int64_t days = int64_t(std::trunc(value));
  return int(((days % 7) + 7 + 6) % 7) + 1;  // day 0 was a Saturday
}

double TimeOfDay(DateTime value) { return std::fabs(value - std::trunc(value)); }

}  // namespace lt
