#include "yearboard/calendar/ical_calendar.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

#include "yearboard/base/ole_date.h"

namespace yb {
namespace {

// UTC offsets stay within a day, so a series this far past the range is past it on any clock.
constexpr long long kZoneMargin = 2 * kSecondsPerDay;

constexpr std::size_t kNoSeries = static_cast<std::size_t>(-1);
constexpr std::size_t kCancelledSeries = kNoSeries - 1;

bool Contains(const std::vector<long long>& sorted, long long value) {
  return std::binary_search(sorted.begin(), sorted.end(), value);
}

}  // namespace

IcalCalendar::IcalCalendar(CalendarFile calendarFile, std::shared_ptr<const TimeZone> localZone)
    : file(std::move(calendarFile)), local(std::move(localZone)) {
  exclusions.emplace_back();
  std::unordered_map<std::string, std::size_t> seriesByUid;  // its entry, or kCancelledSeries
  seriesByUid.reserve(file.events.size());
  for (std::size_t i = 0; i < file.events.size(); ++i) {
    const CalendarEvent& e = file.events[i];
    if (e.recurrenceId) continue;
    if (!e.uid.empty()) seriesByUid.emplace(e.uid, e.cancelled ? kCancelledSeries : entries.size());
    if (e.cancelled) continue;
    std::size_t list = 0;
    if (!e.exdates.empty() || !e.uid.empty()) {
      list = exclusions.size();
      exclusions.emplace_back();
    }
    for (const EventTime& x : e.exdates) {
      if (x.value.isDate || e.start.value.isDate)
        exclusions[list].days.push_back(DayNumber(x.value));
      else
        exclusions[list].instants.push_back(UtcOf(x, *local));
    }
    entries.push_back(NewEntry(i, i, list));
  }
  std::vector<std::size_t> seriesOfEvent(file.events.size(), kNoSeries);
  for (std::size_t i = 0; i < file.events.size(); ++i) {
    if (!file.events[i].recurrenceId) continue;
    const auto series = seriesByUid.find(file.events[i].uid);
    if (series != seriesByUid.end()) seriesOfEvent[i] = series->second;
  }
  TakeOverrides(seriesOfEvent);
  for (Exclusions& x : exclusions) {
    std::sort(x.days.begin(), x.days.end());
    std::sort(x.instants.begin(), x.instants.end());
  }
}

IcalCalendar::Entry IcalCalendar::NewEntry(std::size_t event, std::size_t series,
                                           std::size_t exclusionList) const {
  Entry entry{event, series, "", exclusionList};
  for (const std::string& name : file.events[event].categories)
    entry.categories += (entry.categories.empty() ? "" : ", ") + name;
  return entry;
}

void IcalCalendar::TakeOverrides(const std::vector<std::size_t>& seriesOfEvent) {
  // Of the overrides of one occurrence, the highest SEQUENCE counts, then the last in the file.
  std::map<std::tuple<std::string, bool, long long>, std::size_t> chosen;
  for (std::size_t i = 0; i < file.events.size(); ++i) {
    const CalendarEvent& e = file.events[i];
    if (!e.recurrenceId) continue;
    const std::size_t s = seriesOfEvent[i];
    const bool day = e.recurrenceId->value.isDate ||
                     (s < kCancelledSeries && SeriesOf(s).start.value.isDate);
    const long long at = day ? DayNumber(e.recurrenceId->value) : UtcOf(*e.recurrenceId, *local);
    const auto [known, fresh] = chosen.emplace(std::make_tuple(e.uid, day, at), i);
    if (!fresh && file.events[known->second].sequence <= e.sequence) known->second = i;
  }
  std::vector<std::size_t> overrides;
  for (const auto& [key, i] : chosen) overrides.push_back(i);
  std::sort(overrides.begin(), overrides.end());

  // Where THISANDFUTURE overrides cut each series: the instant, and the entry from there on.
  std::map<std::size_t, std::vector<std::pair<long long, std::size_t>>> cuts;
  for (std::size_t i : overrides) {
    CalendarEvent& e = file.events[i];
    const std::size_t s = seriesOfEvent[i];
    if (s == kCancelledSeries) continue;
    if (s != kNoSeries && e.thisAndFuture) {
      const long long at = UtcOf(*e.recurrenceId, *local);
      if (e.cancelled) {
        cuts[s].emplace_back(at, kNoSeries);
        continue;
      }
      const CalendarEvent& series = SeriesOf(s);
      Entry entry = NewEntry(i, entries[s].series, entries[s].exclusions);
      entry.from = at;
      entry.shift = WallOn(series, e.start) - WallOn(series, *e.recurrenceId);
      cuts[s].emplace_back(at, entries.size());
      entries.push_back(std::move(entry));
      continue;
    }
    if (s != kNoSeries) {
      Exclusions& x = exclusions[entries[s].exclusions];
      if (e.recurrenceId->value.isDate || SeriesOf(s).start.value.isDate)
        x.days.push_back(DayNumber(e.recurrenceId->value));
      else
        x.instants.push_back(UtcOf(*e.recurrenceId, *local));
    }
    if (e.cancelled) continue;
    e.rules.clear();  // an override is one occurrence
    e.rdates.clear();
    entries.push_back(NewEntry(i, i, 0));
  }
  for (auto& [s, list] : cuts) {
    std::sort(list.begin(), list.end());
    entries[s].before = std::min(entries[s].before, list.front().first);
    for (std::size_t k = 0; k + 1 < list.size(); ++k)
      if (list[k].second != kNoSeries) entries[list[k].second].before = list[k + 1].first;
  }
}

long long IcalCalendar::WallOn(const CalendarEvent& series, const EventTime& t) const {
  if (series.start.value.utc) return UtcOf(t, *local);
  if (series.start.zone) return series.start.zone->WallFromUtc(UtcOf(t, *local));
  return t.Floating() ? SecondsOf(t.value) : local->WallFromUtc(UtcOf(t, *local));
}

long long IcalCalendar::UtcFromWall(const CalendarEvent& series, long long wall) const {
  if (series.start.value.utc) return wall;
  return (series.start.zone ? *series.start.zone : *local).UtcFromWall(wall);
}

long long IcalCalendar::LocalOf(const EventTime& t) const {
  return t.Floating() ? SecondsOf(t.value) : local->WallFromUtc(UtcOf(t, *local));
}

SearchRecord IcalCalendar::Record(const Entry& entry, std::size_t index, long long localStart,
                                  long long localEnd) const {
  const CalendarEvent& e = file.events[entry.event];
  return {OleFromSeconds(localStart), OleFromSeconds(localEnd), entry.categories, e.summary, index};
}

SearchRecord IcalCalendar::Master(std::size_t index) const {
  const Entry& entry = entries[index];
  const CalendarEvent& e = file.events[entry.event];
  const long long start = LocalOf(e.start);
  const long long end = e.start.Floating() ? start + e.length
                                           : local->WallFromUtc(UtcOf(e.start, *local) + e.length);
  return Record(entry, index, start, end);
}

void IcalCalendar::SeriesWalls(const Entry& entry, long long from, long long to,
                               std::vector<std::pair<long long, long long>>& walls) const {
  const CalendarEvent& series = file.events[entry.series];
  const long long length = file.events[entry.event].length;
  if (series.rules.empty()) walls.emplace_back(SecondsOf(series.start.value), length);
  for (const RecurrenceRule& rule : series.rules) {
    std::optional<long long> until;
    if (const auto& u = rule.until) {
      if (u->isDate)
        until = SecondsOf(*u) + kSecondsPerDay - 1;
      else if (u->utc && !series.start.value.utc)
        until = (series.start.zone ? *series.start.zone : *local).WallFromUtc(SecondsOf(*u));
      else
        until = SecondsOf(*u);
    }
    ExpandRecurrence(series.start.value, rule, until, {from, to}, [&](long long wall) {
      walls.emplace_back(wall, length);
      return true;
    });
  }
  // An RDATE period keeps its own length, unless a later override set the series' length.
  const bool ownLengths = entry.event == entry.series;
  for (const ExtraDate& d : series.rdates) {
    const long long wall = WallOn(series, d.start);
    if (wall >= from && wall < to)
      walls.emplace_back(wall, ownLengths ? d.length.value_or(length) : length);
  }
  // The same start twice is one occurrence: the rule's, as it came first.
  std::stable_sort(walls.begin(), walls.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  walls.erase(std::unique(walls.begin(), walls.end(),
                          [](const auto& a, const auto& b) { return a.first == b.first; }),
              walls.end());
}

void IcalCalendar::Occurrences(std::size_t index, double from, double to,
                               std::vector<SearchRecord>& out) const {
  const Entry& entry = entries[index];
  const CalendarEvent& series = file.events[entry.series];
  const long long fromSeconds = std::isinf(from) ? DayNumber(1601, 1, 1) * kSecondsPerDay
                                                 : OleToSeconds(from);
  const long long toSeconds = std::isinf(to) ? DayNumber(10000, 1, 1) * kSecondsPerDay
                                             : OleToSeconds(to);
  const bool whole = entry.from == std::numeric_limits<long long>::min() &&
                     entry.before == std::numeric_limits<long long>::max();
  const Exclusions& x = exclusions[entry.exclusions];
  if (series.rules.empty() && series.rdates.empty() && whole && x.days.empty() && x.instants.empty()) {
    const SearchRecord master = Master(index);
    const long long start = OleToSeconds(master.start);
    if (start >= fromSeconds && start < toSeconds) out.push_back(master);
    return;
  }

  std::vector<std::pair<long long, long long>> walls;  // start on the series' clock, length
  SeriesWalls(entry, fromSeconds - kZoneMargin - entry.shift, toSeconds + kZoneMargin - entry.shift,
              walls);
  const bool floating = series.start.Floating();
  const std::size_t first = out.size();
  for (const auto& [wall, length] : walls) {
    const long long instant = UtcFromWall(series, wall);
    if (instant < entry.from || instant >= entry.before) continue;
    if (Contains(x.days, FloorDiv(wall, kSecondsPerDay)) || Contains(x.instants, instant)) continue;
    const long long moved = wall + entry.shift;
    const long long start = floating ? moved : local->WallFromUtc(UtcFromWall(series, moved));
    if (start < fromSeconds || start >= toSeconds) continue;
    const long long end = floating ? moved + length
                                   : local->WallFromUtc(UtcFromWall(series, moved) + length);
    out.push_back(Record(entry, index, start, end));
  }
  std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                   [](const SearchRecord& a, const SearchRecord& b) {
                     return OleToSeconds(a.start) < OleToSeconds(b.start);
                   });
}

std::string IcalCalendar::CategoryList() const {
  std::vector<std::string> names;
  for (const Entry& entry : entries)
    for (const std::string& name : file.events[entry.event].categories)
      if (name.find(';') == std::string::npos &&
          std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
  std::string list;
  for (const std::string& name : names) list += name + ";";
  return list;
}

}  // namespace yb
