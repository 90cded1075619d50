// Reading a calendar file of 20,000 events (5 MB, as a large export writes them: a time zone,
// some descriptions folded, alarms and series), and searching a year of it.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "yearboard/base/ole_date.h"
#include "yearboard/calendar/calendar_client.h"
#include "yearboard/calendar/ical_calendar.h"

namespace yb {
namespace {

class OneZone : public TimeZoneSystem {
 public:
  std::shared_ptr<const TimeZone> FindWindowsZone(const std::string&) override { return zone; }
  std::vector<std::pair<std::string, std::string>> DisplayNames() override { return {}; }
  std::shared_ptr<const TimeZone> LocalZone() override { return zone; }

 private:
  std::shared_ptr<const TimeZone> zone = std::make_shared<const TimeZone>(TimeZone::Fixed(3600));
};

std::string LargeExport() {
  std::string text =
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n"
      "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
      "TZOFFSETTO:+0200\r\nDTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
      "END:DAYLIGHT\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
      "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
      "END:VTIMEZONE\r\n";
  const std::string description(120, 'x');
  for (int i = 0; i < 20000; ++i) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "2026%02d%02dT%02d0000", i % 12 + 1, i % 28 + 1, 8 + i % 10);
    text += "BEGIN:VEVENT\r\nUID:event-" + std::to_string(i) + "@bench.example\r\n";
    text += "DTSTAMP:20260101T000000Z\r\n";
    text += std::string("DTSTART;TZID=Europe/Berlin:") + stamp + "\r\nDURATION:PT1H\r\n";
    text += "SUMMARY:Appointment number " + std::to_string(i) + " \r\n";
    text += "LOCATION:Meeting room " + std::to_string(i % 40) + "\\, second floor\r\n";
    if (i % 10 == 0)
      text += "DESCRIPTION:" + description.substr(0, 73) + "\r\n " + description.substr(0, 47) + "\r\n";
    text += "CATEGORIES:Work,Project " + std::to_string(i % 7) + "\r\n";
    if (i % 20 == 0) text += "RRULE:FREQ=WEEKLY;COUNT=10\r\n";
    text += "STATUS:CONFIRMED\r\n";
    if (i % 10 == 5) text += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n";
    text += "END:VEVENT\r\n";
  }
  return text + "END:VCALENDAR\r\n";
}

// The year as the planner asks for it: sorted by start, series expanded.
std::size_t SearchYear(const IcalCalendar& calendar, int year) {
  ItemSearch search;
  search.Sort("[Start]", false);
  search.SetIncludeRecurrences(true);
  std::size_t n = 0;
  for (const SearchRecord* r = search.Find(calendar, YearFilter(year)); r; r = search.FindNext()) ++n;
  return n;
}

void BM_ReadCalendarFile(benchmark::State& state) {
  const std::string text = LargeExport();
  OneZone zones;
  for (auto _ : state) {
    IcalCalendar calendar(ReadCalendar(text, zones), zones.LocalZone());
    benchmark::DoNotOptimize(calendar.EntryCount());
  }
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_ReadCalendarFile)->Unit(benchmark::kMillisecond);

void BM_SearchAYear(benchmark::State& state) {
  const std::string text = LargeExport();
  OneZone zones;
  const IcalCalendar calendar(ReadCalendar(text, zones), zones.LocalZone());
  for (auto _ : state) benchmark::DoNotOptimize(SearchYear(calendar, 2026));
}
BENCHMARK(BM_SearchAYear)->Unit(benchmark::kMillisecond);

// One event with 20,000 extra dates (RDATE), a day apart from 2000 on: searching a year of it.
void BM_SearchManyExtraDates(benchmark::State& state) {
  std::string text = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20000101T090000\r\nSUMMARY:Dates\r\n";
  for (int i = 1; i <= 20000; ++i) {
    const CivilDateTime t = DecodeDateTime(DateSerial(2000, 1, 1 + i));
    char line[40];
    std::snprintf(line, sizeof line, "RDATE:%04d%02d%02dT090000\r\n", t.year, t.month, t.day);
    text += line;
  }
  text += "END:VEVENT\r\nEND:VCALENDAR\r\n";
  OneZone zones;
  const IcalCalendar calendar(ReadCalendar(text, zones), zones.LocalZone());
  for (auto _ : state) benchmark::DoNotOptimize(SearchYear(calendar, 2026));
}
BENCHMARK(BM_SearchManyExtraDates)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace yb
