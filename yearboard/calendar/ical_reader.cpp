#include "yearboard/calendar/ical_reader.h"

#include <algorithm>
#include <functional>
#include <map>

#include "yearboard/calendar/ical_content.h"

namespace yb {
namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
  throw std::invalid_argument("line " + std::to_string(line) + ": " + what);
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

EventTime TimeValue(const ContentLine& c, const std::string& text) {
  EventTime t;
  try {
    t.value = ParseIcalTime(text, Upper(c.Param("VALUE")) == "DATE");
  } catch (const std::invalid_argument& e) {
    Fail(c.line, c.name + ": " + e.what());
  }
  if (!t.value.utc && !t.value.isDate) t.tzid = c.Param("TZID");
  return t;
}

// "+0100", "-0530", "+013045" in seconds east of UTC.
int OffsetValue(const ContentLine& c) {
  const std::string& v = c.value;
  const bool shape = (v.size() == 5 || v.size() == 7) && (v[0] == '+' || v[0] == '-') &&
                     std::all_of(v.begin() + 1, v.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
  if (!shape) Fail(c.line, c.name + " is not an offset: \"" + v + "\"");
  const int seconds = std::stoi(v.substr(1, 2)) * 3600 + std::stoi(v.substr(3, 2)) * 60 +
                      (v.size() == 7 ? std::stoi(v.substr(5, 2)) : 0);
  return v[0] == '-' ? -seconds : seconds;
}

long long DurationValue(const ContentLine& c, const std::string& text) {
  try {
    return ParseDuration(text);
  } catch (const std::invalid_argument& e) {
    Fail(c.line, c.name + ": " + e.what());
  }
}

// A STANDARD, DAYLIGHT or VTIMEZONE as written, read once the file's end is reached.
struct RawComponent {
  std::string name;
  int line = 0;
  std::vector<ContentLine> lines;
  std::vector<RawComponent> children;
};

ZoneObservance ReadObservance(const RawComponent& part) {
  ZoneObservance o;
  bool haveStart = false, haveFrom = false, haveTo = false;
  for (const ContentLine& c : part.lines) {
    if (c.name == "DTSTART") {
      o.start = TimeValue(c, c.value).value;
      haveStart = true;
    } else if (c.name == "TZOFFSETFROM") {
      o.offsetFrom = OffsetValue(c);
      haveFrom = true;
    } else if (c.name == "TZOFFSETTO") {
      o.offsetTo = OffsetValue(c);
      haveTo = true;
    } else if (c.name == "RRULE") {
      try {
        o.rule = ParseRecurrenceRule(c.value);
      } catch (const std::invalid_argument& e) {
        Fail(c.line, e.what());
      }
    } else if (c.name == "RDATE") {
      for (const std::string& v : Split(c.value, ',')) o.dates.push_back(TimeValue(c, v).value);
    }
  }
  if (!haveStart || !haveTo) Fail(part.line, part.name + " without DTSTART or TZOFFSETTO");
  if (!haveFrom) o.offsetFrom = o.offsetTo;
  return o;
}

std::shared_ptr<const TimeZone> ReadZone(const RawComponent& zone) {
  std::vector<ZoneObservance> observances;
  for (const RawComponent& part : zone.children) observances.push_back(ReadObservance(part));
  return std::make_shared<const TimeZone>(TimeZone::FromObservances(observances));
}

// An event as its lines come; finished when the file's zones are known.
class EventBuilder {
 public:
  explicit EventBuilder(int line) { event.line = line; }
  int Line() const { return event.line; }

  void Take(const ContentLine& c) {
    try {
      TakeLine(c);
    } catch (const std::invalid_argument& e) {
      Break(e.what());
    }
  }
  void Break(const std::string& why) {
    if (fault.empty()) fault = why;
  }

  CalendarEvent Finish(const std::function<void(EventTime&)>& resolve, const TimeZone& local) {
    if (!fault.empty()) throw std::invalid_argument(fault);
    if (!haveStart) Fail(event.line, "VEVENT without DTSTART");
    if (end && duration) Fail(event.line, "VEVENT with both DTEND and DURATION");
    resolve(event.start);
    if (end) resolve(*end);
    for (ExtraDate& d : event.rdates) resolve(d.start);
    for (EventTime& t : event.exdates) resolve(t);
    if (event.recurrenceId) resolve(*event.recurrenceId);
    if (duration)
      event.length = *duration;
    else if (end)
      event.length = end->Floating() && event.start.Floating()
                         ? SecondsOf(end->value) - SecondsOf(event.start.value)
                         : UtcOf(*end, local) - UtcOf(event.start, local);
    else
      event.length = event.start.value.isDate ? kSecondsPerDay : 0;
    if (event.length < 0) Fail(event.line, "the event ends before it starts");
    return std::move(event);
  }

 private:
  void TakeLine(const ContentLine& c) {
    if (c.name == "DTSTART") {
      event.start = TimeValue(c, c.value);
      haveStart = true;
    } else if (c.name == "DTEND") {
      end = TimeValue(c, c.value);
    } else if (c.name == "DURATION") {
      duration = DurationValue(c, c.value);
    } else if (c.name == "UID") {
      event.uid = c.value;
    } else if (c.name == "SUMMARY") {
      event.summary = TextValue(c.value);
    } else if (c.name == "LOCATION") {
      event.location = TextValue(c.value);
    } else if (c.name == "DESCRIPTION") {
      event.description = TextValue(c.value);
    } else if (c.name == "CATEGORIES") {
      for (const std::string& value : TextValues(c.value)) {
        std::string name = Trim(value);
        if (!name.empty() && std::find(event.categories.begin(), event.categories.end(), name) ==
                                 event.categories.end())
          event.categories.push_back(std::move(name));
      }
    } else if (c.name == "STATUS") {
      event.cancelled = Upper(c.value) == "CANCELLED";
    } else if (c.name == "RRULE") {
      try {
        if (!event.rule) event.rule = ParseRecurrenceRule(c.value);
      } catch (const std::invalid_argument& e) {
        Fail(c.line, e.what());
      }
    } else if (c.name == "RDATE") {
      TakeExtraDates(c);
    } else if (c.name == "EXDATE") {
      for (const std::string& v : Split(c.value, ',')) event.exdates.push_back(TimeValue(c, v));
    } else if (c.name == "RECURRENCE-ID") {
      event.recurrenceId = TimeValue(c, c.value);
    }
  }

  void TakeExtraDates(const ContentLine& c) {
    const bool period = Upper(c.Param("VALUE")) == "PERIOD";
    for (const std::string& v : Split(c.value, ',')) {
      const std::size_t slash = v.find('/');
      if (period != (slash != std::string::npos))
        Fail(c.line, std::string("RDATE is not a ") + (period ? "period" : "date"));
      ExtraDate d{TimeValue(c, v.substr(0, slash)), std::nullopt};
      if (period) {
        const std::string second = v.substr(slash + 1);
        if (!second.empty() && (second[0] == 'P' || second[0] == '+' || second[0] == '-'))
          d.length = DurationValue(c, second);
        else
          d.length = SecondsOf(TimeValue(c, second).value) - SecondsOf(d.start.value);
        if (*d.length < 0) Fail(c.line, "RDATE period ends before it starts");
      }
      event.rdates.push_back(std::move(d));
    }
  }

  CalendarEvent event;
  bool haveStart = false;
  std::optional<EventTime> end;
  std::optional<long long> duration;
  std::string fault;
};

// The properties read from events and zones; others are passed over unparsed.
bool Wanted(std::string_view line) {
  static const char* const kNames[] = {
      "BEGIN",  "END",         "DTSTART",     "DTEND",      "DURATION",     "UID",
      "SUMMARY", "LOCATION",   "DESCRIPTION", "CATEGORIES", "STATUS",       "RRULE",
      "RDATE",  "EXDATE",      "RECURRENCE-ID", "TZID",     "TZOFFSETFROM", "TZOFFSETTO"};
  const std::size_t end = line.find_first_of(";:");
  const std::string_view name = line.substr(0, end);
  for (const char* wanted : kNames) {
    const std::string_view w = wanted;
    if (w.size() == name.size() &&
        std::equal(w.begin(), w.end(), name.begin(), [](char a, char b) { return a == AsciiUpper(b); }))
      return true;
  }
  return false;
}

}  // namespace

long long UtcOf(const EventTime& t, const TimeZone& local) {
  const long long seconds = SecondsOf(t.value);
  if (t.value.utc) return seconds;
  return (t.zone ? *t.zone : local).UtcFromWall(seconds);
}

CalendarFile ReadCalendar(std::string_view text, TimeZoneSystem& zones, const TextDecoder& decode) {
  ContentLines lines(text);
  std::string logical;
  int number = 0;
  if (!lines.Next(logical, number) || Upper(logical) != "BEGIN:VCALENDAR")
    throw CalendarFileError("it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)");

  std::vector<EventBuilder> events;
  events.reserve(text.size() / 256);  // about one event for each 250 bytes of a large export
  std::optional<EventBuilder> event;  // the VEVENT open now
  std::map<std::string, RawComponent> zoneDefinitions;
  std::vector<RawComponent> zone;  // the VTIMEZONE open now, then its STANDARD or DAYLIGHT
  std::vector<std::string> open{"VCALENDAR"};  // the components open now, outermost first
  ContentLine c;
  std::string fault;
  const auto inZone = [&]() { return open.size() >= 2 && open[1] == "VTIMEZONE"; };
  while (lines.Next(logical, number)) {
    if (!Wanted(logical)) continue;
    if (!ParseContentLine(logical, number, c, fault)) {
      if (event && open.size() == 2) event->Break("line " + std::to_string(number) + ": " + fault);
      continue;
    }
    if (c.name == "BEGIN") {
      const std::string component = Upper(c.value);
      if (open.size() == 1 && component == "VCALENDAR") continue;  // a second calendar in the file
      if (open.size() == 1 && component == "VEVENT") event.emplace(number);
      const bool zonePart = open.size() == 2 && inZone() && (component == "STANDARD" || component == "DAYLIGHT");
      if ((open.size() == 1 && component == "VTIMEZONE") || zonePart)
        zone.push_back(RawComponent{component, number, {}, {}});
      open.push_back(component);
    } else if (c.name == "END") {
      const std::string component = Upper(c.value);
      const auto match = std::find(open.rbegin(), open.rend(), component);
      if (match == open.rend()) continue;  // an END of nothing open
      // Components left open inside it end with it: an event cut short that way is broken.
      const std::size_t depth = static_cast<std::size_t>(open.rend() - match);
      if (event && depth < 2) event->Break("line " + std::to_string(event->Line()) + ": END:VEVENT is missing");
      if (event && depth <= 2) {
        events.push_back(std::move(*event));
        event.reset();
      }
      if (inZone() && depth <= 3 && zone.size() == 2) {
        zone[0].children.push_back(std::move(zone[1]));
        zone.pop_back();
      }
      if (inZone() && depth <= 2 && !zone.empty()) {
        std::string tzid;
        for (const ContentLine& line : zone[0].lines)
          if (line.name == "TZID") tzid = line.value;
        if (!tzid.empty() && depth == 2) zoneDefinitions[tzid] = std::move(zone[0]);
        zone.clear();
      }
      open.resize(depth - 1);
      if (open.empty()) open.push_back("VCALENDAR");
    } else if (event && open.size() == 2) {
      event->Take(c);
    } else if (inZone() && !zone.empty() && zone.size() + 1 == open.size()) {
      zone.back().lines.push_back(std::move(c));
    }
  }
  if (event) {
    event->Break("the file ends before END:VEVENT");
    events.push_back(std::move(*event));
  }

  const std::shared_ptr<const TimeZone> local = zones.LocalZone();
  std::map<std::string, std::shared_ptr<const TimeZone>> resolved;
  const auto resolve = [&](EventTime& t) {
    if (t.tzid.empty()) return;
    auto found = resolved.find(t.tzid);
    if (found == resolved.end()) {
      std::shared_ptr<const TimeZone> zone;
      const auto definition = zoneDefinitions.find(t.tzid);
      if (definition != zoneDefinitions.end()) {
        try {
          zone = ReadZone(definition->second);
        } catch (const std::invalid_argument&) {
          // A definition that does not read: the system may still know the name.
        }
      }
      if (!zone) zone = FindSystemZone(zones, t.tzid);
      found = resolved.emplace(t.tzid, zone).first;
    }
    t.zone = found->second;
  };

  CalendarFile file;
  file.events.reserve(events.size());
  for (EventBuilder& builder : events) {
    try {
      file.events.push_back(builder.Finish(resolve, *local));
      if (decode) {
        CalendarEvent& e = file.events.back();
        for (std::string* text : {&e.summary, &e.location, &e.description}) *text = decode(*text);
        for (std::string& name : e.categories) name = decode(name);
      }
    } catch (const std::invalid_argument& e) {
      if (file.skipped++ == 0) file.firstFault = e.what();
    }
  }
  return file;
}

}  // namespace yb
