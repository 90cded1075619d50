#include "yearboard/calendar/ical_time.h"

#include <cctype>
#include <stdexcept>

#include "yearboard/base/ole_date.h"

namespace yb {
namespace {

[[noreturn]] void Bad(const std::string& what) { throw std::invalid_argument(what); }

}  // namespace

long long FloorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

long long DayNumber(int year, int month, int day) {
  return static_cast<long long>(DateSerial(year, month, day));
}

long long DayNumber(const IcalTime& t) { return DayNumber(t.year, t.month, t.day); }

long long SecondsOf(const IcalTime& t) {
  return DayNumber(t) * kSecondsPerDay + t.hour * 3600LL + t.minute * 60 + t.second;
}

IcalTime TimeAt(long long seconds, const IcalTime& like) {
  const long long day = FloorDiv(seconds, kSecondsPerDay);
  const long long rest = seconds - day * kSecondsPerDay;
  const CivilDateTime c = DecodeDateTime(static_cast<double>(day));
  IcalTime t = like;
  t.year = c.year;
  t.month = c.month;
  t.day = c.day;
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

int DaysInMonth(int year, int month) {
  return static_cast<int>(DayNumber(year, month + 1, 1) - DayNumber(year, month, 1));
}

int WeekdayOfDay(long long day) {
  // Day 0, 1899-12-30, was a Saturday.
  return static_cast<int>(((day % 7) + 7 + 6) % 7) + 1;
}

IcalTime ParseIcalTime(const std::string& value, bool dateOnly) {
  const auto digits = [&](std::size_t from, std::size_t n) {
    int v = 0;
    for (std::size_t i = from; i < from + n; ++i) {
      if (i >= value.size() || !std::isdigit(static_cast<unsigned char>(value[i])))
        Bad("not a date-time: \"" + value + "\"");
      v = v * 10 + (value[i] - '0');
    }
    return v;
  };
  IcalTime t;
  t.year = digits(0, 4);
  t.month = digits(4, 2);
  t.day = digits(6, 2);
  if (t.year < 1601 || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > DaysInMonth(t.year, t.month))
    Bad("not a valid date: \"" + value + "\"");
  // A common web calendar writes dates with a stray "Z" ("20131210Z"): still a date.
  if (value.size() == 8 || (value.size() == 9 && (value[8] == 'Z' || value[8] == 'z'))) {
    t.isDate = true;
    return t;
  }
  if (dateOnly || value.size() < 15 || (value[8] != 'T' && value[8] != 't'))
    Bad("not a date: \"" + value + "\"");
  t.hour = digits(9, 2);
  t.minute = digits(11, 2);
  t.second = digits(13, 2);
  if (t.hour > 23 || t.minute > 59 || t.second > 60) Bad("not a valid time: \"" + value + "\"");
  if (t.second == 60) t.second = 59;  // a leap second stays within its minute
  if (value.size() == 16 && (value[15] == 'Z' || value[15] == 'z'))
    t.utc = true;
  else if (value.size() != 15)
    Bad("not a date-time: \"" + value + "\"");
  return t;
}

long long ParseDuration(const std::string& v) {
  const auto bad = [&]() { Bad("not a duration: \"" + v + "\""); };
  std::size_t pos = 0;
  long long sign = 1;
  if (pos < v.size() && (v[pos] == '+' || v[pos] == '-')) sign = v[pos++] == '-' ? -1 : 1;
  if (pos >= v.size() || std::toupper(static_cast<unsigned char>(v[pos])) != 'P') bad();
  ++pos;
  long long seconds = 0;
  bool inTime = false, any = false;
  while (pos < v.size()) {
    const char ch = static_cast<char>(std::toupper(static_cast<unsigned char>(v[pos])));
    if (ch == 'T' && !inTime) {
      inTime = true;
      ++pos;
      continue;
    }
    long long n = 0;
    const std::size_t first = pos;
    while (pos < v.size() && std::isdigit(static_cast<unsigned char>(v[pos])) && pos - first < 9)
      n = n * 10 + (v[pos++] - '0');
    if (pos == first || pos >= v.size()) bad();
    const char unit = static_cast<char>(std::toupper(static_cast<unsigned char>(v[pos++])));
    const long long scale = !inTime && unit == 'W'   ? 7 * kSecondsPerDay
                            : !inTime && unit == 'D' ? kSecondsPerDay
                            : inTime && unit == 'H'  ? 3600
                            : inTime && unit == 'M'  ? 60
                            : inTime && unit == 'S'  ? 1
                                                     : 0;
    if (!scale) bad();
    seconds += n * scale;
    any = true;
  }
  if (!any) bad();
  return sign * seconds;
}

}  // namespace yb
