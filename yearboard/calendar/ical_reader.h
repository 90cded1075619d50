#pragma once
// Reads an iCalendar text: its VEVENTs (other components skipped) with their times, texts,
// categories, recurrence (RRULEs, RDATE, EXDATE), RECURRENCE-ID with its RANGE, SEQUENCE and
// STATUS, and its VTIMEZONE definitions. A TZID is looked up among the file's definitions,
// then among the system's zones (ical_zones.h); when neither has it, its times are read on the
// machine's clock and the event is counted. An event that cannot be read is skipped and
// counted; a component left open by a mistyped END ends at the next top-level BEGIN. A text
// that is not iCalendar throws CalendarFileError.
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "yearboard/calendar/ical_time.h"
#include "yearboard/calendar/recurrence.h"
#include "yearboard/calendar/time_zone.h"

namespace yb {

class CalendarFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct EventTime {
  IcalTime value;
  // Null: UTC when value.utc, else floating time, read on the machine's clock (also when the
  // zone named by tzid could not be read).
  std::shared_ptr<const TimeZone> zone;
  std::string tzid;

  bool Floating() const { return !zone && !value.utc; }
};

// The instant of a time, floating times taken on the clock of `local`.
long long UtcOf(const EventTime& t, const TimeZone& local);

// An RDATE: one more start, with its own length when written as a period.
struct ExtraDate {
  EventTime start;
  std::optional<long long> length;
};

struct CalendarEvent {
  std::string uid;
  EventTime start;
  long long length = 0;  // seconds: DTEND, DURATION, or a day for an all-day start
  std::string summary, location, description;
  std::vector<std::string> categories;  // each name once, in order
  std::vector<RecurrenceRule> rules;  // the occurrences are those of all of them
  std::vector<ExtraDate> rdates;
  std::vector<EventTime> exdates;
  std::optional<EventTime> recurrenceId;
  bool thisAndFuture = false;  // RANGE=THISANDFUTURE: the override holds for the later ones too
  int sequence = 0;
  bool cancelled = false;
  int line = 0;  // of its BEGIN:VEVENT
};

struct CalendarFile {
  std::vector<CalendarEvent> events;
  std::size_t skipped = 0;
  std::string firstFault;  // "line N: ..." of the first event skipped
  std::size_t unreadZones = 0;  // events read on the machine's clock for want of their zone
};

// Turns the file's text values (UTF-8) into the program's text; none keeps them as they are.
using TextDecoder = std::function<std::string(const std::string&)>;

CalendarFile ReadCalendar(std::string_view text, TimeZoneSystem& zones,
                          const TextDecoder& decode = {});

}  // namespace yb
