#include "yearboard/calendar/ical_calendar.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace yb {
namespace {

double OleOf(long long seconds) { return static_cast<double>(seconds) / kSecondsPerDay; }
long long SecondsOfOle(double ole) { return std::llround(ole * kSecondsPerDay); }

// UTC offsets stay within a day, so a series this far past the range is past it on any clock.
constexpr long long kZoneMargin = 2 * kSecondsPerDay;

}  // namespace

IcalCalendar::IcalCalendar(CalendarFile calendarFile, std::shared_ptr<const TimeZone> localZone)
    : file(std::move(calendarFile)), local(std::move(localZone)) {
  std::unordered_map<std::string, std::size_t> seriesByUid;  // index into entries, or kCancelled
  seriesByUid.reserve(file.events.size());
  constexpr std::size_t kCancelled = static_cast<std::size_t>(-1);
  for (std::size_t i = 0; i < file.events.size(); ++i) {
    const CalendarEvent& e = file.events[i];
    if (e.recurrenceId) continue;
    if (!e.uid.empty()) seriesByUid.emplace(e.uid, e.cancelled ? kCancelled : entries.size());
    if (e.cancelled) continue;
    Entry entry{i, "", {}};
    for (const std::string& name : e.categories)
      entry.categories += (entry.categories.empty() ? "" : ", ") + name;
    for (const EventTime& x : e.exdates) entry.exclusions.push_back(ExclusionOf(x, e));
    entries.push_back(std::move(entry));
  }
  // Overrides: each takes its occurrence out of its series and stands on its own.
  for (std::size_t i = 0; i < file.events.size(); ++i) {
    CalendarEvent& e = file.events[i];
    if (!e.recurrenceId) continue;
    const auto series = seriesByUid.find(e.uid);
    if (series != seriesByUid.end()) {
      if (series->second == kCancelled) continue;
      Entry& master = entries[series->second];
      master.exclusions.push_back(ExclusionOf(*e.recurrenceId, EventOf(series->second)));
    }
    if (e.cancelled) continue;
    e.rule.reset();  // an override is one occurrence
    e.rdates.clear();
    Entry entry{i, "", {}};
    for (const std::string& name : e.categories)
      entry.categories += (entry.categories.empty() ? "" : ", ") + name;
    entries.push_back(std::move(entry));
  }
}

IcalCalendar::Exclusion IcalCalendar::ExclusionOf(const EventTime& t,
                                                  const CalendarEvent& series) const {
  if (t.value.isDate || series.start.value.isDate) return {true, DayNumber(t.value)};
  return {false, UtcOf(t, *local)};
}

long long IcalCalendar::LocalOf(const EventTime& t) const {
  return t.Floating() ? SecondsOf(t.value) : local->WallFromUtc(UtcOf(t, *local));
}

SearchRecord IcalCalendar::Record(const Entry& entry, std::size_t index, long long localStart,
                                  long long localEnd) const {
  const CalendarEvent& e = file.events[entry.event];
  return {OleOf(localStart), OleOf(localEnd), entry.categories, e.summary, index};
}

SearchRecord IcalCalendar::Master(std::size_t index) const {
  const Entry& entry = entries[index];
  const CalendarEvent& e = file.events[entry.event];
  const long long start = LocalOf(e.start);
  const long long end = e.start.Floating() ? start + e.length
                                           : local->WallFromUtc(UtcOf(e.start, *local) + e.length);
  return Record(entry, index, start, end);
}

void IcalCalendar::Occurrences(std::size_t index, double from, double to,
                               std::vector<SearchRecord>& out) const {
  const Entry& entry = entries[index];
  const CalendarEvent& e = file.events[entry.event];
  const long long fromSeconds = SecondsOfOle(from);
  const long long toSeconds = std::isinf(to) ? DayNumber(9999, 12, 31) * kSecondsPerDay
                                             : SecondsOfOle(to);
  const std::size_t first = out.size();
  const auto add = [&](long long localStart, long long localEnd) {
    if (localStart >= fromSeconds && localStart < toSeconds)
      out.push_back(Record(entry, index, localStart, localEnd));
  };
  if (!e.rule && e.rdates.empty()) {
    const SearchRecord master = Master(index);
    if (master.start >= from && master.start < to) out.push_back(master);
    return;
  }

  // The series' own clock: its zone, UTC, or (floating and dates) the machine's.
  const TimeZone* zone = e.start.zone ? e.start.zone.get() : nullptr;
  const bool utc = e.start.value.utc;
  const auto utcOf = [&](long long wall) {
    return utc ? wall : (zone ? *zone : *local).UtcFromWall(wall);
  };
  const auto excluded = [&](long long wall, long long instant) {
    for (const Exclusion& x : entry.exclusions)
      if (x.day ? FloorDiv(wall, kSecondsPerDay) == x.value : instant == x.value) return true;
    return false;
  };
  const auto occurrence = [&](long long wall, long long length) {
    const long long instant = utcOf(wall);
    if (excluded(wall, instant)) return;
    if (e.start.Floating())
      add(wall, wall + length);
    else
      add(local->WallFromUtc(instant), local->WallFromUtc(instant + length));
  };

  if (e.rule) {
    std::optional<long long> until;
    if (const auto& u = e.rule->until) {
      if (u->isDate)
        until = SecondsOf(*u) + kSecondsPerDay - 1;
      else if (u->utc && !utc)
        until = (zone ? *zone : *local).WallFromUtc(SecondsOf(*u));
      else
        until = SecondsOf(*u);
    }
    ExpandRecurrence(e.start.value, *e.rule, until, [&](long long wall) {
      if (wall >= toSeconds + kZoneMargin) return false;
      if (wall >= fromSeconds - kZoneMargin) occurrence(wall, e.length);
      return true;
    });
  } else {
    occurrence(SecondsOf(e.start.value), e.length);
  }
  for (const ExtraDate& d : e.rdates) {
    const long long start = LocalOf(d.start);
    const bool dayExcluded = std::any_of(entry.exclusions.begin(), entry.exclusions.end(),
                                         [&](const Exclusion& x) {
                                           return x.day ? DayNumber(d.start.value) == x.value
                                                        : UtcOf(d.start, *local) == x.value;
                                         });
    const double startOle = OleOf(start);
    const bool duplicate = std::any_of(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                                       [&](const SearchRecord& r) { return r.start == startOle; });
    if (dayExcluded || duplicate) continue;
    const long long length = d.length.value_or(e.length);
    add(start, d.start.Floating() ? start + length
                                  : local->WallFromUtc(UtcOf(d.start, *local) + length));
  }
  std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                   [](const SearchRecord& a, const SearchRecord& b) { return a.start < b.start; });
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
