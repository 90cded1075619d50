#pragma once
// Reads the iCalendar files the calendar stand-in serves: VEVENTs with DTSTART, DTEND or
// DURATION, SUMMARY, CATEGORIES, RRULE and EXDATE; folded lines; LF or CR LF line ends.
// Other components and properties are skipped. A file that is not iCalendar, or an event
// whose values do not read, throws CalendarFileError naming the line.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/calendar-standin/recurrence.h"

namespace standin {

class CalendarFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CalendarEvent {
  IcalTime start;
  IcalTime end;  // DTEND, or DTSTART + DURATION, or the day after an all-day DTSTART
  std::string summary;
  std::string categories;  // the CATEGORIES values joined with ", "
  std::optional<RecurrenceRule> rule;
  std::vector<IcalTime> exceptions;  // EXDATE values
  int line = 0;                      // of its BEGIN:VEVENT
};

std::vector<CalendarEvent> ReadCalendar(const std::string& text);

}  // namespace standin
