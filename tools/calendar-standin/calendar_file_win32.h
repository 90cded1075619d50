#pragma once
// Where the stand-in's calendar lives and how it is read: the path is the string value
// "CalendarFile" of HKEY_CURRENT_USER\Software\CalendarStandin; the file is read afresh for
// every item collection, through Yearboard's own iCalendar reader, so changes show at the next
// load. Failures throw std::runtime_error with the path and the fault.
#include <memory>

#include "yearboard/calendar/ical_calendar.h"

namespace standin {

constexpr const char* kSettingsKey = "Software\\CalendarStandin";
constexpr const char* kCalendarFileValue = "CalendarFile";

std::shared_ptr<const yb::IcalCalendar> LoadCalendarFile();

}  // namespace standin
