#include "yearboard/calendar/time_zone.h"

#include <algorithm>
#include <stdexcept>

namespace yb {
namespace {

constexpr int kLastYear = 2200;

// The n-th (5: the last) weekday (0 = Sunday) of the month.
long long NthWeekday(int year, int month, int n, int dayOfWeek) {
  const long long first = DayNumber(year, month, 1);
  long long day = first + (dayOfWeek + 1 - WeekdayOfDay(first) + 7) % 7 + 7LL * (n - 1);
  while (day >= first + DaysInMonth(year, month)) day -= 7;
  return day;
}

long long ChangeWall(const WindowsZoneDate& d, int year) {
  const long long day = d.year ? DayNumber(d.year, d.month, d.day)
                               : NthWeekday(year, d.month, d.day, d.dayOfWeek);
  return day * kSecondsPerDay + d.hour * 3600LL + d.minute * 60;
}

}  // namespace

void TimeZone::AddChange(long long utc, int from, int to) {
  changes.push_back({utc, utc + std::max(from, to), to});
}

void TimeZone::Finish() {
  std::stable_sort(changes.begin(), changes.end(),
                   [](const Change& a, const Change& b) { return a.utc < b.utc; });
}

TimeZone TimeZone::Fixed(int offsetSeconds) {
  TimeZone zone;
  zone.initial = offsetSeconds;
  return zone;
}

TimeZone TimeZone::FromObservances(const std::vector<ZoneObservance>& observances) {
  if (observances.empty()) throw std::invalid_argument("VTIMEZONE without STANDARD or DAYLIGHT");
  TimeZone zone;
  const long long end = DayNumber(kLastYear, 12, 31) * kSecondsPerDay;
  long long earliest = 0;
  bool any = false;
  for (const ZoneObservance& o : observances) {
    const auto add = [&](long long wall) {
      const long long utc = wall - o.offsetFrom;
      zone.AddChange(utc, o.offsetFrom, o.offsetTo);
      if (!any || utc < earliest) {
        earliest = utc;
        zone.initial = o.offsetFrom;
        any = true;
      }
      return true;
    };
    for (const RecurrenceRule& rule : o.rules) {
      // UNTIL of a zone rule is written in UTC.
      std::optional<long long> until = end;
      if (rule.until) until = SecondsOf(*rule.until) + (rule.until->utc ? o.offsetFrom : 0);
      ExpandRecurrence(o.start, rule, until, {}, add);
    }
    if (o.rules.empty()) add(SecondsOf(o.start));
    for (const IcalTime& d : o.dates) add(SecondsOf(d) - (d.utc ? o.offsetFrom : 0));
  }
  zone.Finish();
  return zone;
}

TimeZone TimeZone::FromWindows(const WindowsZoneRule& rule) {
  const int standard = -(rule.bias + rule.standardBias) * 60;
  const int daylight = -(rule.bias + rule.daylightBias) * 60;
  TimeZone zone = Fixed(standard);
  if (rule.standardDate.month == 0 || rule.daylightDate.month == 0) return zone;
  for (int year = 1900; year <= kLastYear; ++year) {
    if (rule.daylightDate.year && rule.daylightDate.year != year) continue;
    zone.AddChange(ChangeWall(rule.daylightDate, year) - standard, standard, daylight);
    zone.AddChange(ChangeWall(rule.standardDate, year) - daylight, daylight, standard);
  }
  zone.Finish();
  return zone;
}

long long TimeZone::UtcFromWall(long long wall) const {
  const auto after = std::upper_bound(
      changes.begin(), changes.end(), wall,
      [](long long w, const Change& c) { return w < c.wallThreshold; });
  return wall - (after == changes.begin() ? initial : std::prev(after)->to);
}

long long TimeZone::WallFromUtc(long long utc) const {
  const auto after = std::upper_bound(changes.begin(), changes.end(), utc,
                                      [](long long u, const Change& c) { return u < c.utc; });
  return utc + (after == changes.begin() ? initial : std::prev(after)->to);
}

}  // namespace yb
