#include "yearboard/base/ole_date.h"

#include <cmath>

namespace yb {
namespace {

constexpr long long kSecondsPerDay = 86400;

// Days from 1970-01-01 of a proleptic Gregorian date (month 1..12).
constexpr long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// 1899-12-30 counted from 1970-01-01.
constexpr long long kOleEpoch = DaysFromCivil(1899, 12, 30);

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

long long OleToSeconds(OleDate value) {
  const double days = std::trunc(value);
  const long long time = std::llround(std::fabs(value - days) * kSecondsPerDay);
  // The time of day counts forward from the day, whatever the day's sign (-0.25 is 06:00 on
  // day 0, as 0.25 is).
  return static_cast<long long>(days) * kSecondsPerDay + time;
}

OleDate OleFromSeconds(long long seconds) {
  const long long day = FloorDiv(seconds, kSecondsPerDay);
  const double time = static_cast<double>(seconds - day * kSecondsPerDay) / kSecondsPerDay;
  return day < 0 ? static_cast<double>(day) - time : static_cast<double>(day) + time;
}

OleDate DateSerial(int year, int month, int day) {
  const long long monthIndex = static_cast<long long>(year) * 12 + (month - 1);
  const long long y = FloorDiv(monthIndex, 12);
  const int m = static_cast<int>(monthIndex - y * 12) + 1;
  return static_cast<double>(DaysFromCivil(y, m, 1) - kOleEpoch + (day - 1));
}

OleDate DateTimeSerial(int year, int month, int day, int hour, int minute, int second) {
  const auto date = static_cast<long long>(DateSerial(year, month, day));
  return OleFromSeconds(date * kSecondsPerDay + hour * 3600LL + minute * 60LL + second);
}

CivilDateTime DecodeDateTime(OleDate value) {
  const long long seconds = OleToSeconds(value);
  const long long days = FloorDiv(seconds, kSecondsPerDay);
  const long long secs = seconds - days * kSecondsPerDay;
  CivilDateTime out;
  CivilFromDays(days + kOleEpoch, out.year, out.month, out.day);
  out.hour = static_cast<int>(secs / 3600);
  out.minute = static_cast<int>(secs / 60 % 60);
  out.second = static_cast<int>(secs % 60);
  return out;
}

int Year(OleDate value) { return DecodeDateTime(value).year; }
int Month(OleDate value) { return DecodeDateTime(value).month; }
int Day(OleDate value) { return DecodeDateTime(value).day; }

int Weekday(OleDate value) {
  const CivilDateTime parts = DecodeDateTime(value);
  // 1970-01-01 was a Thursday (5).
  const long long days = DaysFromCivil(parts.year, parts.month, parts.day);
  return static_cast<int>(((days % 7) + 7 + 4) % 7) + 1;
}

bool IsMidnight(OleDate value) {
  const CivilDateTime parts = DecodeDateTime(value);
  return parts.hour == 0 && parts.minute == 0 && parts.second == 0;
}

}  // namespace yb
