#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "tools/calendar-standin/calendar_store.h"
#include "yearboard/base/ole_date.h"
#include "yearboard/calendar/calendar_client.h"

namespace standin {
namespace {

const char* const kSampleCalendar = STANDIN_SAMPLE_CALENDAR;

// A zone two hours ahead of UTC.
double PlusTwoHours(double utc) {
  return utc + 2.0 / 24;
}

CalendarStore Store(const std::string& body) {
  return CalendarStore(ReadCalendar("BEGIN:VCALENDAR\n" + body + "\nEND:VCALENDAR\n"),
                       PlusTwoHours);
}

std::vector<yb::SearchRecord> All(const CalendarStore& store, int year, bool recurrences) {
  yb::ItemSearch search;
  search.Sort("[Start]", false);
  search.SetIncludeRecurrences(recurrences);
  std::vector<yb::SearchRecord> out;
  for (const yb::SearchRecord* r = search.Find(store, yb::YearFilter(year)); r;
       r = search.FindNext())
    out.push_back(*r);
  return out;
}

TEST(CalendarStore, UtcTimesShowInLocalTimeFloatingAsWritten) {
  const CalendarStore store = Store(
      "BEGIN:VEVENT\nDTSTART:19980505T100000Z\nDTEND:19980505T110000Z\nEND:VEVENT\n"
      "BEGIN:VEVENT\nDTSTART:19980506T100000\nDTEND:19980506T110000\nEND:VEVENT");
  EXPECT_DOUBLE_EQ(store.Master(0).start, yb::DateTimeSerial(1998, 5, 5, 12, 0, 0));
  EXPECT_DOUBLE_EQ(store.Master(0).end, yb::DateTimeSerial(1998, 5, 5, 13, 0, 0));
  EXPECT_DOUBLE_EQ(store.Master(1).start, yb::DateTimeSerial(1998, 5, 6, 10, 0, 0));
}

TEST(CalendarStore, UtcLateOnNewYearsEveBelongsToTheNextYear) {
  const CalendarStore store = Store("BEGIN:VEVENT\nDTSTART:19981231T230000Z\nEND:VEVENT");
  EXPECT_TRUE(All(store, 1998, true).empty());
  EXPECT_EQ(All(store, 1999, true).size(), 1u);
}

TEST(CalendarStore, YearSearchExpandsOnlyThatYearsOccurrences) {
  const CalendarStore store = Store(
      "BEGIN:VEVENT\nDTSTART;VALUE=DATE:19971225\nRRULE:FREQ=YEARLY\nSUMMARY:Xmas\n"
      "CATEGORIES:Holiday\nEND:VEVENT\n"
      "BEGIN:VEVENT\nDTSTART:19980301T090000\nDTEND:19980301T100000\n"
      "RRULE:FREQ=MONTHLY;UNTIL=19980601T070000Z\nEXDATE:19980401T090000\nSUMMARY:Review\n"
      "END:VEVENT");
  const std::vector<yb::SearchRecord> found = All(store, 1998, true);
  // UNTIL is 09:00 local: the June occurrence at 09:00 is the last; April is an exception.
  ASSERT_EQ(found.size(), 4u);
  EXPECT_EQ(found[0].subject, "Review");
  EXPECT_DOUBLE_EQ(found[0].start, yb::DateTimeSerial(1998, 3, 1, 9, 0, 0));
  EXPECT_DOUBLE_EQ(found[1].start, yb::DateTimeSerial(1998, 5, 1, 9, 0, 0));
  EXPECT_DOUBLE_EQ(found[2].start, yb::DateTimeSerial(1998, 6, 1, 9, 0, 0));
  EXPECT_NEAR(found[2].end - found[2].start, 1.0 / 24, 1e-9);
  EXPECT_EQ(found[3].subject, "Xmas");
  EXPECT_EQ(found[3].categories, "Holiday");
  EXPECT_DOUBLE_EQ(found[3].start, yb::DateSerial(1998, 12, 25));
  EXPECT_DOUBLE_EQ(found[3].end, yb::DateSerial(1998, 12, 26));
}

TEST(CalendarStore, WithoutRecurrencesASeriesIsItsFirstStart) {
  const CalendarStore store = Store(
      "BEGIN:VEVENT\nDTSTART;VALUE=DATE:19971225\nRRULE:FREQ=YEARLY\nEND:VEVENT\n"
      "BEGIN:VEVENT\nDTSTART:19980301T090000\nRRULE:FREQ=DAILY\nEND:VEVENT");
  const std::vector<yb::SearchRecord> found = All(store, 1998, false);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_DOUBLE_EQ(found[0].start, yb::DateTimeSerial(1998, 3, 1, 9, 0, 0));
  EXPECT_EQ(All(store, 1998, true).size(), 1u + 306u);
}

// The sample calendar the run and test prefixes get: every year shows all its categories.
TEST(CalendarStore, SampleCalendarFillsAnyYear) {
  std::ifstream file(kSampleCalendar, std::ios::binary);
  ASSERT_TRUE(file) << kSampleCalendar;
  std::ostringstream text;
  text << file.rdbuf();
  const CalendarStore store(ReadCalendar(text.str()), PlusTwoHours);
  for (int year : {1998, 2026, 2031}) {
    std::set<std::string> categories;
    std::size_t uncategorised = 0;
    const std::vector<yb::SearchRecord> found = All(store, year, true);
    for (const yb::SearchRecord& r : found) {
      if (r.categories.empty())
        ++uncategorised;
      else
        categories.insert(r.categories);
    }
    EXPECT_EQ(categories,
              (std::set<std::string>{"Birthday", "Holiday", "Learning", "Travel", "Work"}))
        << year;
    EXPECT_EQ(uncategorised, 2u) << year;
    EXPECT_GT(found.size(), 50u) << year;
  }
}

}  // namespace
}  // namespace standin
