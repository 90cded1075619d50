// The iCalendar reader on a whole file: content lines, time zones and recurrence, then a year
// searched as the planner searches it (series expanded) and each rule put in words. The year is
// 2026 and the year of the file's first event, so seeds of any year reach the expansion.
#include <algorithm>

#include "tests/fuzz/fuzz_support.h"
#include "tests/yearboard/calendar/fixed_zones.h"
#include "yearboard/calendar/calendar_client.h"
#include "yearboard/calendar/ical_calendar.h"
#include "yearboard/calendar/rule_text.h"

using namespace yb;
using fuzz::Require;

namespace {

void SearchYear(const IcalCalendar& calendar, int year) {
  ItemSearch search;
  search.Sort("[Start]", false);
  search.SetIncludeRecurrences(true);
  double last = -1e300;
  for (const SearchRecord* r = search.Find(calendar, YearFilter(year)); r; r = search.FindNext()) {
    Require(r->start >= last, "a search out of start order");
    Require(r->end >= r->start, "an appointment that ends before it starts");
    last = r->start;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FixedZones zones(NewYorkRule());
  CalendarFile file;
  try {
    file = ReadCalendar(fuzz::Text(data, size), zones);
  } catch (const CalendarFileError&) {
    return 0;
  }
  Require(file.skipped == 0 || !file.firstFault.empty(), "events skipped without a fault named");
  const int firstYear = file.events.empty() ? 2026 : std::clamp(file.events.front().start.value.year, 1900, 2100);
  for (const CalendarEvent& event : file.events)
    for (const RecurrenceRule& rule : event.rules) DescribeRule(rule, Formats{});
  const IcalCalendar calendar(std::move(file), zones.LocalZone());
  SearchYear(calendar, 2026);
  if (firstYear != 2026) SearchYear(calendar, firstYear);
  return 0;
}
