#include "tools/calendar-standin/calendar_store.h"

#include "yearboard/base/ole_date.h"

namespace standin {
namespace {

double Serial(const IcalTime& t) {
  return yb::DateTimeSerial(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

IcalTime FromSerial(double serial, const IcalTime& like) {
  const yb::CivilDateTime c = yb::DecodeDateTime(serial);
  IcalTime t = like;
  t.year = c.year;
  t.month = c.month;
  t.day = c.day;
  t.hour = c.hour;
  t.minute = c.minute;
  t.second = c.second;
  return t;
}

// UTC offsets stay within a day, so a UTC series past this margin is past the range.
constexpr double kZoneMargin = 1.0;

}  // namespace

CalendarStore::CalendarStore(std::vector<CalendarEvent> events, LocalFromUtc localFromUtc)
    : events(std::move(events)), localFromUtc(std::move(localFromUtc)) {
  // UNTIL and EXDATE given in UTC for a local series are compared in local time.
  for (CalendarEvent& e : this->events) {
    if (e.start.utc) continue;
    const auto toLocal = [&](IcalTime& t) {
      if (t.utc && !t.isDate) {
        t = FromSerial(this->localFromUtc(Serial(t)), t);
        t.utc = false;
      }
    };
    if (e.rule && e.rule->until) toLocal(*e.rule->until);
    for (IcalTime& x : e.exceptions) toLocal(x);
  }
}

double CalendarStore::Local(const IcalTime& t) const {
  const double serial = Serial(t);
  return t.utc ? localFromUtc(serial) : serial;
}

yb::SearchRecord CalendarStore::Master(std::size_t entry) const {
  const CalendarEvent& e = events[entry];
  return {Local(e.start), Local(e.end), e.categories, e.summary, entry};
}

void CalendarStore::Occurrences(std::size_t entry, double from, double to,
                                std::vector<yb::SearchRecord>& out) const {
  const CalendarEvent& e = events[entry];
  if (!e.rule) {
    const yb::SearchRecord r = Master(entry);
    if (r.start >= from && r.start < to) out.push_back(r);
    return;
  }
  const double length = Serial(e.end) - Serial(e.start);
  ExpandRecurrence(e.start, *e.rule, e.exceptions, [&](const IcalTime& t) {
    const double serial = Serial(t);
    if (serial >= to + kZoneMargin) return false;
    const double start = Local(t);
    if (start >= from && start < to) {
      const double end = t.utc ? localFromUtc(serial + length) : serial + length;
      out.push_back({start, end, e.categories, e.summary, entry});
    }
    return true;
  });
}

}  // namespace standin
