#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "fixed_zones.h"
#include "yearboard/base/ole_date.h"
#include "yearboard/calendar/file_calendar.h"
#include "yearboard/calendar/ical_calendar.h"

namespace yb {
namespace {

std::string Calendar(const std::string& body) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + body + "END:VCALENDAR\r\n";
}

IcalCalendar Read(const std::string& text, TimeZoneSystem& zones) {
  return IcalCalendar(ReadCalendar(text, zones), zones.LocalZone());
}

struct Found {
  std::string when;  // "YYYY-MM-DD HH:MM - YYYY-MM-DD HH:MM" on the machine's clock
  std::string subject, categories;
  friend bool operator==(const Found&, const Found&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Found& f) {
    return os << f.when << " " << f.subject << " [" << f.categories << "]";
  }
};

std::string Stamp(double ole) {
  const CivilDateTime t = DecodeDateTime(ole);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

// The year's items as the planner asks for them: sorted by start, recurrences expanded.
std::vector<Found> Year(const IcalCalendar& calendar, int year) {
  ItemSearch search;
  search.Sort("[Start]", false);
  search.SetIncludeRecurrences(true);
  std::vector<Found> out;
  for (const SearchRecord* r = search.Find(calendar, YearFilter(year)); r; r = search.FindNext())
    out.push_back({Stamp(r->start) + " - " + Stamp(r->end), r->subject, r->categories});
  return out;
}

std::string Event(const std::string& lines) { return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n"; }

const char kNewYorkDefinition[] =
    "BEGIN:VTIMEZONE\r\nTZID:New York\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nDTSTART:20070311T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nDTSTART:20071104T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

TEST(IcalTimeZones, TimesLandOnTheMachinesClock) {
  FixedZones zones;  // the machine is in central Europe, UTC+1 (+2 in summer)
  struct Case {
    const char* dtstart;
    const char* expected;
  } cases[] = {
      // 21:00 in New York is 03:00 the next day here, whichever way the zone is named.
      {"DTSTART;TZID=America/New_York:20260115T210000", "2026-01-16 03:00"},
      {"DTSTART;TZID=Eastern Standard Time:20260115T210000", "2026-01-16 03:00"},
      {"DTSTART;TZID=/example.org/20050126_1/America/New_York:20260115T210000", "2026-01-16 03:00"},
      {"DTSTART;TZID=\"New York\":20260115T210000", "2026-01-16 03:00"},
      {"DTSTART;TZID=New York:20260715T210000", "2026-07-16 03:00"},
      // 8 March: New York already on summer time, Europe not yet.
      {"DTSTART;TZID=New York:20260310T120000", "2026-03-10 17:00"},
      {"DTSTART:20260115T210000Z", "2026-01-15 22:00"},
      {"DTSTART:20260115T210000", "2026-01-15 21:00"},
      {"DTSTART;TZID=Nowhere/Unknown:20260115T210000", "2026-01-15 21:00"},
      // The day the clocks go forward here: 02:30 does not exist and reads as 03:30.
      {"DTSTART;TZID=Europe/Berlin:20260329T023000", "2026-03-29 03:30"},
      {"DTSTART:20260329T010000Z", "2026-03-29 03:00"},
      {"DTSTART:20260329T005900Z", "2026-03-29 01:59"},
      // The day they go back: 02:30 occurs twice; the first is meant.
      {"DTSTART;TZID=Europe/Berlin:20261025T023000", "2026-10-25 02:30"},
      {"DTSTART:20261025T003000Z", "2026-10-25 02:30"},
      {"DTSTART:20261025T013000Z", "2026-10-25 02:30"},
      {"DTSTART:20261025T020000Z", "2026-10-25 03:00"},
  };
  for (const Case& c : cases) {
    const IcalCalendar calendar =
        Read(Calendar(kNewYorkDefinition + Event(std::string(c.dtstart) + "\r\nSUMMARY:x\r\n")), zones);
    ASSERT_EQ(calendar.EntryCount(), 1u) << c.dtstart;
    EXPECT_EQ(Stamp(calendar.Master(0).start), c.expected) << c.dtstart;
  }
}

TEST(IcalTimeZones, ASeriesKeepsItsWallClockAcrossItsZonesChanges) {
  FixedZones zones;
  const IcalCalendar calendar = Read(
      Calendar(Event("DTSTART;TZID=America/New_York:20261030T090000\r\nDURATION:PT1H\r\n"
                     "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Call\r\n")),
      zones);
  // 09:00 in New York: 14:00 here before Europe's change, 13:00 in the week both differ by
  // five hours less one, 15:00 once New York has changed too.
  EXPECT_EQ(Year(calendar, 2026),
            (std::vector<Found>{{"2026-10-30 14:00 - 2026-10-30 15:00", "Call", ""},
                                {"2026-11-06 15:00 - 2026-11-06 16:00", "Call", ""},
                                {"2026-11-13 15:00 - 2026-11-13 16:00", "Call", ""}}));
}

TEST(IcalTimeZones, AWindowsRuleAndItsDefinitionAgree) {
  const TimeZone windows = TimeZone::FromWindows(NewYorkRule());
  FixedZones zones;
  const CalendarFile file = ReadCalendar(
      Calendar(kNewYorkDefinition + Event("DTSTART;TZID=New York:20260101T000000\r\n")), zones);
  ASSERT_EQ(file.events.size(), 1u);
  const TimeZone& defined = *file.events[0].start.zone;
  for (long long day = DayNumber(2025, 1, 1); day < DayNumber(2028, 1, 1); day += 3)
    for (long long hour : {0, 1, 2, 3, 5, 6, 7}) {
      const long long wall = day * kSecondsPerDay + hour * 3600;
      ASSERT_EQ(windows.UtcFromWall(wall), defined.UtcFromWall(wall)) << day << " " << hour;
      ASSERT_EQ(windows.WallFromUtc(wall), defined.WallFromUtc(wall)) << day << " " << hour;
    }
  EXPECT_EQ(WindowsZoneName("Europe/Paris"), "Romance Standard Time");
  EXPECT_EQ(WindowsZoneName("Mars/Olympus"), "");
}

TEST(IcalCalendar, SeriesOverridesExtraDatesAndCancellations) {
  FixedZones zones;
  const IcalCalendar calendar = Read(
      Calendar(Event("UID:s1\r\nDTSTART:20260105T100000\r\nDTEND:20260105T110000\r\n"
                     "RRULE:FREQ=WEEKLY;COUNT=4\r\nEXDATE:20260112T100000\r\n"
                     "RDATE:20260107T150000\r\nRDATE;VALUE=PERIOD:20260108T080000/PT30M\r\n"
                     "SUMMARY:Standup\r\nCATEGORIES:Work,Team\r\n") +
               // The third meeting moves to the Wednesday and is renamed.
               Event("UID:s1\r\nRECURRENCE-ID:20260119T100000\r\nDTSTART:20260121T140000\r\n"
                     "DTEND:20260121T150000\r\nSUMMARY:Standup (moved)\r\nCATEGORIES:Work\r\n") +
               // The fourth is cancelled.
               Event("UID:s1\r\nRECURRENCE-ID:20260126T100000\r\nDTSTART:20260126T100000\r\n"
                     "STATUS:CANCELLED\r\n") +
               Event("UID:gone\r\nDTSTART;VALUE=DATE:20260301\r\nSTATUS:CANCELLED\r\n") +
               Event("uid:d1\r\ndtstart;value=date:20260310\r\ndtend;value=date:20260313\r\n"
                     "summary:Trip\\, north\r\ncategories:Travel\r\n")),
      zones);
  EXPECT_EQ(Year(calendar, 2026),
            (std::vector<Found>{
                {"2026-01-05 10:00 - 2026-01-05 11:00", "Standup", "Work, Team"},
                {"2026-01-07 15:00 - 2026-01-07 16:00", "Standup", "Work, Team"},
                {"2026-01-08 08:00 - 2026-01-08 08:30", "Standup", "Work, Team"},
                {"2026-01-21 14:00 - 2026-01-21 15:00", "Standup (moved)", "Work"},
                {"2026-03-10 00:00 - 2026-03-13 00:00", "Trip, north", "Travel"},
            }));
  EXPECT_EQ(calendar.CategoryList(), "Work;Team;Travel;");
}

TEST(IcalCalendar, AFaultyEventIsSkippedAndCounted) {
  FixedZones zones;
  const std::string good = Event("DTSTART:20260505T100000\r\nSUMMARY:Good\r\n");
  const IcalCalendar calendar = Read(
      Calendar(good + Event("SUMMARY:no start\r\n") +
               Event("DTSTART:20260505T100000\r\nRRULE:FREQ=MONTHLY;BYSOMETHING=1\r\n") +
               Event("DTSTART:2026-05-05\r\n") +
               Event("DTSTART:20260505T100000\r\nDTEND:20260505T090000\r\n") +
               Event("DTSTART:20260505T100000\r\nSUMMARY;LANGUAGE=en broken\r\n") + good +
               "BEGIN:VEVENT\r\nDTSTART:20260506T100000\r\n"),
      zones);
  EXPECT_EQ(calendar.SkippedEvents(), 6u);
  EXPECT_EQ(calendar.FirstFault(), "line 7: VEVENT without DTSTART");
  EXPECT_EQ(Year(calendar, 2026).size(), 2u);
  EXPECT_EQ(ReadingFaultsMessage(2, 0), "2 events in the calendar file could not be read");
  EXPECT_EQ(ReadingFaultsMessage(1, 0), "1 event in the calendar file could not be read");
}

TEST(IcalCalendar, ContentLinesAsExportsWriteThem) {
  FixedZones zones;
  // Folded lines, LF ends, a byte-order mark, other components, quoted parameters.
  const IcalCalendar calendar = Read(
      "\xEF\xBB\xBF" "BEGIN:VCALENDAR\nBEGIN:VTODO\nDTSTART:20260101T000000\nEND:VTODO\n"
      "BEGIN:VEVENT\nDTSTART;X-NOTE=\"a;b:c\":2026\n 0505T100000\nSUMMARY:Long \n\tmeeting\n"
      "BEGIN:VALARM\nSUMMARY:not the event's\nEND:VALARM\nCATEGORIES:A,\n B\nEND:VEVENT\n"
      "END:VCALENDAR\n",
      zones);
  EXPECT_EQ(Year(calendar, 2026),
            (std::vector<Found>{{"2026-05-05 10:00 - 2026-05-05 10:00", "Long meeting", "A, B"}}));
}

TEST(IcalCalendar, ANonCalendarFileIsRefusedAsAWhole) {
  FixedZones zones;
  for (const std::string& text : {std::string(), std::string("\x89PNG\r\n\x1a\n\0\0", 10),
                                  std::string("Subject,Start Date\r\nLunch,5/5/2026\r\n")})
    EXPECT_THROW(ReadCalendar(text, zones), CalendarFileError);
}

class NoViewer : public ItemViewer {
 public:
  void Show(const ItemDetails& item) override { shown.push_back(item); }
  std::vector<ItemDetails> shown;
};

TEST(FileCalendar, ReadsTheFileAndOpensItsItems) {
  FixedZones zones;
  NoViewer viewer;
  const std::string path = ::testing::TempDir() + "file_calendar_test.ics";
  std::remove(path.c_str());
  FileCalendar file(path, zones, viewer, Formats{});
  try {
    file.Reload();
    ADD_FAILURE() << "a missing file was read";
  } catch (const CalendarFileError& e) {
    EXPECT_EQ(std::string(e.what()), "The calendar file " + path + " cannot be opened.");
  }
  std::ofstream(path, std::ios::binary) << "just some text\r\n";
  EXPECT_THROW(file.Reload(), CalendarFileError);
  std::ofstream(path, std::ios::binary)
      << Calendar(Event("DTSTART:20260105T100000\r\nDTEND:20260105T110000\r\nSUMMARY:Review\r\n"
                        "LOCATION:Room 4\r\nDESCRIPTION:Bring\\nnotes\r\n"
                        "RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO\r\nCATEGORIES:Work\r\n") +
                  Event("SUMMARY:broken\r\n"));
  EXPECT_TRUE(file.Reload());
  EXPECT_FALSE(file.Reload());  // unchanged: the items read stay
  EXPECT_EQ(file.ReadingFaults(), "1 event in the calendar file could not be read");
  EXPECT_EQ(file.CategoryList(), "Work;");
  CalendarSession session(file.CreateApplication());
  auto items = session.CalendarFolder().Items();
  items->Sort(kStartProperty, false);
  items->SetIncludeRecurrences(true);
  const AppointmentItem first = items->Find(YearFilter(2026));
  ASSERT_TRUE(first);
  const AppointmentItem second = items->FindNext();
  ASSERT_TRUE(second);
  EXPECT_EQ(Stamp(second->Start()), "2026-01-19 10:00");
  second->GetInspector()->Display();
  ASSERT_EQ(viewer.shown.size(), 1u);
  const ItemDetails& item = viewer.shown[0];
  EXPECT_EQ(item.subject, "Review");
  EXPECT_EQ(item.location, "Room 4");
  EXPECT_EQ(item.description, "Bring\nnotes");
  EXPECT_EQ(item.rule, "Every 2 weeks on Monday");
  EXPECT_EQ(Stamp(item.end), "2026-01-19 11:00");
  std::remove(path.c_str());
}

// The sample calendar the run and test prefixes get: every year shows all its categories.
TEST(FileCalendar, SampleCalendarFillsAnyYear) {
  std::ifstream in(STANDIN_SAMPLE_CALENDAR, std::ios::binary);
  ASSERT_TRUE(in) << STANDIN_SAMPLE_CALENDAR;
  std::ostringstream text;
  text << in.rdbuf();
  FixedZones zones;
  const IcalCalendar calendar = Read(text.str(), zones);
  EXPECT_EQ(calendar.SkippedEvents(), 0u);
  EXPECT_EQ(calendar.CategoryList(), "Holiday;Work;Birthday;Travel;Learning;");
  for (int year : {1998, 2026, 2031}) EXPECT_GT(Year(calendar, year).size(), 50u) << year;
}

}  // namespace
}  // namespace yb
