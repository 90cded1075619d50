#include "yearboard/calendar/ical_reader.h"

#include <algorithm>

#include "yearboard/calendar/ical_content.h"
#include "yearboard/calendar/ical_zones.h"

namespace yb {
namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

long long DurationValue(const ContentLine& c, const std::string& text) {
  try {
    return ParseDuration(text);
  } catch (const std::invalid_argument& e) {
    FailAt(c.line, c.name + ": " + e.what());
  }
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

  // `unreadZone` tells whether a time of the event names a zone that could not be read.
  CalendarEvent Finish(FileZones& zones, const TimeZone& local, bool& unreadZone) {
    if (!fault.empty()) throw std::invalid_argument(fault);
    if (!haveStart) FailAt(event.line, "VEVENT without DTSTART");
    if (end && duration) FailAt(event.line, "VEVENT with both DTEND and DURATION");
    unreadZone = false;
    const auto resolve = [&](EventTime& t) {
      zones.Resolve(t);
      unreadZone = unreadZone || (!t.tzid.empty() && !t.zone);
    };
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
    if (event.length < 0) FailAt(event.line, "the event ends before it starts");
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
      event.rules.push_back(RuleValue(c));
    } else if (c.name == "RDATE") {
      TakeExtraDates(c);
    } else if (c.name == "EXDATE") {
      for (const std::string& v : Split(c.value, ',')) event.exdates.push_back(TimeValue(c, v));
    } else if (c.name == "RECURRENCE-ID") {
      event.recurrenceId = TimeValue(c, c.value);
      event.thisAndFuture = Upper(c.Param("RANGE")) == "THISANDFUTURE";
    } else if (c.name == "SEQUENCE") {
      // A revision number that does not read counts as the first.
      const std::string v = Trim(c.value);
      if (!v.empty() && v.size() < 10 && std::all_of(v.begin(), v.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        event.sequence = std::stoi(v);
    }
  }

  void TakeExtraDates(const ContentLine& c) {
    const bool period = Upper(c.Param("VALUE")) == "PERIOD";
    for (const std::string& v : Split(c.value, ',')) {
      const std::size_t slash = v.find('/');
      if (period != (slash != std::string::npos))
        FailAt(c.line, std::string("RDATE is not a ") + (period ? "period" : "date"));
      ExtraDate d{TimeValue(c, v.substr(0, slash)), std::nullopt};
      if (period) {
        const std::string second = v.substr(slash + 1);
        if (!second.empty() && (second[0] == 'P' || second[0] == '+' || second[0] == '-'))
          d.length = DurationValue(c, second);
        else
          d.length = SecondsOf(TimeValue(c, second).value) - SecondsOf(d.start.value);
        if (*d.length < 0) FailAt(c.line, "RDATE period ends before it starts");
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
      "BEGIN",   "END",        "DTSTART",     "DTEND",      "DURATION",      "UID",
      "SUMMARY", "LOCATION",   "DESCRIPTION", "CATEGORIES", "STATUS",        "RRULE",
      "RDATE",   "EXDATE",     "RECURRENCE-ID", "SEQUENCE", "TZID",          "TZOFFSETFROM",
      "TZOFFSETTO"};
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

// Components that stand only in the calendar itself: their BEGIN ends whatever a mistyped END
// left open.
bool TopLevel(const std::string& component) {
  for (const char* name : {"VCALENDAR", "VEVENT", "VTODO", "VJOURNAL", "VFREEBUSY", "VTIMEZONE"})
    if (component == name) return true;
  return false;
}

// The components open while the text is read, and what becomes of them as they end.
class ComponentReader {
 public:
  ComponentReader(FileZones& zones, std::size_t expectedEvents) : zones(zones) {
    events.reserve(expectedEvents);
  }

  void Begin(const std::string& component, int number) {
    if (TopLevel(component) && open.size() > 1) EndFrom(2, true);
    if (component == "VCALENDAR") return;  // a second calendar in the file
    if (open.size() == 1 && component == "VEVENT") event.emplace(number);
    const bool zonePart =
        open.size() == 2 && InZone() && (component == "STANDARD" || component == "DAYLIGHT");
    if ((open.size() == 1 && component == "VTIMEZONE") || zonePart)
      zone.push_back(RawComponent{component, number, {}, {}});
    open.push_back(component);
  }

  void End(const std::string& component) {
    const auto match = std::find(open.rbegin(), open.rend(), component);
    if (match == open.rend()) return;  // an END of nothing open
    EndFrom(static_cast<std::size_t>(open.rend() - match), false);
  }

  void Property(ContentLine& c) {
    if (event && open.size() == 2)
      event->Take(c);
    else if (InZone() && !zone.empty() && zone.size() + 1 == open.size())
      zone.back().lines.push_back(std::move(c));
  }

  void BrokenLine(int number, const std::string& fault) {
    if (event && open.size() == 2) event->Break("line " + std::to_string(number) + ": " + fault);
  }

  std::vector<EventBuilder> Finish() {
    if (event) {
      event->Break("the file ends before END:VEVENT");
      events.push_back(std::move(*event));
      event.reset();
    }
    if (!zone.empty()) EndFrom(2, true);
    return std::move(events);
  }

 private:
  bool InZone() const { return open.size() >= 2 && open[1] == "VTIMEZONE"; }

  // The component at this depth (1 the calendar) ends, and all open inside it. An event cut
  // short that way, or by another BEGIN, is broken.
  void EndFrom(std::size_t depth, bool cutShort) {
    if (event && (depth < 2 || cutShort))
      event->Break("line " + std::to_string(event->Line()) + ": END:VEVENT is missing");
    if (event && depth <= 2) {
      events.push_back(std::move(*event));
      event.reset();
    }
    if (InZone() && depth <= 3 && zone.size() == 2) {
      zone[0].children.push_back(std::move(zone[1]));
      zone.pop_back();
    }
    if (InZone() && depth <= 2 && !zone.empty()) {
      zones.Define(std::move(zone[0]));
      zone.clear();
    }
    open.resize(depth - 1);
    if (open.empty()) open.push_back("VCALENDAR");
  }

  FileZones& zones;
  std::vector<std::string> open{"VCALENDAR"};  // the components open now, outermost first
  std::optional<EventBuilder> event;           // the VEVENT open now
  std::vector<RawComponent> zone;  // the VTIMEZONE open now, then its STANDARD or DAYLIGHT
  std::vector<EventBuilder> events;
};

}  // namespace

long long UtcOf(const EventTime& t, const TimeZone& local) {
  const long long seconds = SecondsOf(t.value);
  if (t.value.utc) return seconds;
  return (t.zone ? *t.zone : local).UtcFromWall(seconds);
}

CalendarFile ReadCalendar(std::string_view text, TimeZoneSystem& system, const TextDecoder& decode) {
  ContentLines lines(text);
  std::string logical;
  int number = 0;
  // Exports that start with blank lines or spaces are still calendars.
  if (!lines.Next(logical, number) || Upper(Trim(logical)) != "BEGIN:VCALENDAR")
    throw CalendarFileError("it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)");

  FileZones zones(system);
  ComponentReader reader(zones, text.size() / 256);  // about one event in 250 bytes of an export
  ContentLine c;
  std::string fault;
  while (lines.Next(logical, number)) {
    if (!Wanted(logical)) continue;
    if (!ParseContentLine(logical, number, c, fault))
      reader.BrokenLine(number, fault);
    else if (c.name == "BEGIN")
      reader.Begin(Upper(c.value), number);
    else if (c.name == "END")
      reader.End(Upper(c.value));
    else
      reader.Property(c);
  }
  std::vector<EventBuilder> events = reader.Finish();

  const std::shared_ptr<const TimeZone> local = system.LocalZone();
  CalendarFile file;
  file.events.reserve(events.size());
  for (EventBuilder& builder : events) {
    try {
      bool unreadZone = false;
      file.events.push_back(builder.Finish(zones, *local, unreadZone));
      file.unreadZones += unreadZone;
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
