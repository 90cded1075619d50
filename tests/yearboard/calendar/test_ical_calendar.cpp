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

// Zones as exporters define them: the name escaped as TEXT, rules with BYHOUR and BYMINUTE
// from a start in 1601; one that cannot be read (an hourly rule), one with no observance, and
// one with an offset of 99 hours.
const char kExportedDefinitions[] =
    "BEGIN:VTIMEZONE\r\nTZID:Kuala Lumpur\\, Singapore\r\n"
    "BEGIN:STANDARD\r\nDTSTART:16010101T000000\r\nTZOFFSETFROM:+0800\r\nTZOFFSETTO:+0800\r\n"
    "END:STANDARD\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:Pacific Time\r\n"
    "BEGIN:STANDARD\r\nDTSTART:16010101T020000\r\nTZOFFSETFROM:-0700\r\nTZOFFSETTO:-0800\r\n"
    "RRULE:FREQ=YEARLY;BYMINUTE=0;BYHOUR=2;BYDAY=1SU;BYMONTH=11\r\nEND:STANDARD\r\n"
    "BEGIN:DAYLIGHT\r\nDTSTART:16010101T020000\r\nTZOFFSETFROM:-0800\r\nTZOFFSETTO:-0700\r\n"
    "RRULE:FREQ=YEARLY;BYMINUTE=0;BYHOUR=2;BYDAY=2SU;BYMONTH=3\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:Hourly\r\nBEGIN:STANDARD\r\nDTSTART:20000101T000000\r\n"
    "TZOFFSETTO:+0300\r\nRRULE:FREQ=HOURLY\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:Empty\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:Far\r\nBEGIN:STANDARD\r\nDTSTART:20000101T000000\r\n"
    "TZOFFSETTO:+9999\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

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
      // The day the clocks go forward here: 02:30 does not exist and reads as 03:30.
      {"DTSTART;TZID=Europe/Berlin:20260329T023000", "2026-03-29 03:30"},
      {"DTSTART:20260329T010000Z", "2026-03-29 03:00"},
      {"DTSTART:20260329T005900Z", "2026-03-29 01:59"},
      // The day they go back: 02:30 occurs twice; the first is meant.
      {"DTSTART;TZID=Europe/Berlin:20261025T023000", "2026-10-25 02:30"},
      {"DTSTART:20261025T003000Z", "2026-10-25 02:30"},
      {"DTSTART:20261025T013000Z", "2026-10-25 02:30"},
      {"DTSTART:20261025T020000Z", "2026-10-25 03:00"},
      // Before the zone's first change, its first offset.
      {"DTSTART;TZID=New York:19900115T210000", "1990-01-16 03:00"},
      // 09:30 in Kuala Lumpur is 01:30 UTC.
      {"DTSTART;TZID=\"Kuala Lumpur, Singapore\":20260115T093000", "2026-01-15 02:30"},
      {"DTSTART;TZID=Kuala Lumpur\\, Singapore:20260115T093000", "2026-01-15 02:30"},
      // 10 March: Pacific time is on summer time (UTC-7), Europe not yet.
      {"DTSTART;TZID=Pacific Time:20260310T120000", "2026-03-10 20:00"},
      {"DTSTART;TZID=Pacific Time:20260115T120000", "2026-01-15 21:00"},
      // A definition that does not read gives way to the system's zone of that name.
      {"DTSTART;TZID=America/New_York:20260115T210000", "2026-01-16 03:00"},
      // Names the file does not define: Etc/GMT-2 is two hours ahead of UTC, Etc/GMT+5 five
      // behind; the zone database's old names; the system's display texts.
      {"DTSTART;TZID=Etc/GMT-2:20260115T210000", "2026-01-15 20:00"},
      {"DTSTART;TZID=Etc/GMT+5:20260115T210000", "2026-01-16 03:00"},
      {"DTSTART;TZID=US/Eastern:20260115T210000", "2026-01-16 03:00"},
      {"DTSTART;TZID=\"(UTC-05:00) Eastern Time (US & Canada)\":20260115T210000", "2026-01-16 03:00"},
      {"DTSTART;TZID=\"(GMT-05:00) Eastern Time (US & Canada)\":20260115T210000", "2026-01-16 03:00"},
  };
  for (const Case& c : cases) {
    const IcalCalendar calendar = Read(
        Calendar(kNewYorkDefinition + std::string(kExportedDefinitions) +
                 Event(std::string(c.dtstart) + "\r\nSUMMARY:x\r\n")),
        zones);
    ASSERT_EQ(calendar.EntryCount(), 1u) << c.dtstart;
    EXPECT_EQ(Stamp(calendar.Master(0).start), c.expected) << c.dtstart;
    EXPECT_EQ(calendar.UnreadZoneEvents(), 0u) << c.dtstart;
  }
  // Zones that cannot be read, here or by the system: local time, and counted; an offset of
  // 99 hours is no zone at all, and its event is skipped.
  const IcalCalendar unread = Read(
      Calendar(std::string(kExportedDefinitions) +
               Event("DTSTART;TZID=Hourly:20260115T210000\r\n") +
               Event("DTSTART;TZID=Empty:20260115T210000\r\n") +
               Event("DTSTART;TZID=Nowhere/Unknown:20260115T210000\r\n") +
               Event("DTSTART;TZID=Etc/GMT-15:20260115T210000\r\n") +
               Event("DTSTART;TZID=Far:20260115T210000\r\n")),
      zones);
  ASSERT_EQ(unread.EntryCount(), 4u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(Stamp(unread.Master(i).start), "2026-01-15 21:00");
  EXPECT_EQ(unread.UnreadZoneEvents(), 4u);
  EXPECT_EQ(unread.SkippedEvents(), 1u);
  EXPECT_EQ(unread.FirstFault(), "line 44: TZOFFSETTO is not an offset within 18 hours: \"+9999\"");
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
  // Old names through the zones they stand for, at both ends of the tables.
  EXPECT_EQ(WindowsZoneName("US/Pacific"), "Pacific Standard Time");
  EXPECT_EQ(WindowsZoneName("Africa/Asmera"), "E. Africa Standard Time");
  EXPECT_EQ(WindowsZoneName("Zulu"), "UTC");
  EXPECT_EQ(WindowsZoneName("Pacific/Port_Moresby"), "West Pacific Standard Time");
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

// What calendar programs write, worked out by hand, on a machine on UTC.
TEST(IcalCalendar, FormsCalendarProgramsWrite) {
  FixedZones zones{WindowsZoneRule{}};
  const struct Case {
    const char* what;
    std::string text;
    int year;
    std::vector<std::string> expected;  // "start - end subject"; only those of `month` if set
    std::size_t skipped = 0;
    const char* month = nullptr;  // "YYYY-MM"
  } cases[] = {
      {"several RRULEs: their union, each start once",
       Calendar(Event("DTSTART:20260105T100000\r\nDURATION:PT1H\r\nRRULE:FREQ=WEEKLY;COUNT=2;BYDAY=MO\r\n"
                      "RRULE:FREQ=WEEKLY;COUNT=2;BYDAY=WE\r\nSUMMARY:Both\r\n")),
       2026,
       {"2026-01-05 10:00 - 2026-01-05 11:00 Both", "2026-01-07 10:00 - 2026-01-07 11:00 Both",
        "2026-01-12 10:00 - 2026-01-12 11:00 Both"}},
      {"an override for this and the later occurrences, moved a day and an hour and shortened",
       Calendar(Event("UID:t\r\nDTSTART:20260105T100000\r\nDTEND:20260105T110000\r\n"
                      "RRULE:FREQ=WEEKLY;COUNT=4\r\nSUMMARY:Class\r\n") +
                Event("UID:t\r\nRECURRENCE-ID;RANGE=THISANDFUTURE:20260119T100000\r\n"
                      "DTSTART:20260120T140000\r\nDTEND:20260120T143000\r\nSUMMARY:Class, room 2\r\n")),
       2026,
       {"2026-01-05 10:00 - 2026-01-05 11:00 Class", "2026-01-12 10:00 - 2026-01-12 11:00 Class",
        "2026-01-20 14:00 - 2026-01-20 14:30 Class, room 2",
        "2026-01-27 14:00 - 2026-01-27 14:30 Class, room 2"}},
      {"two overrides of one occurrence: the higher SEQUENCE, then the later one",
       Calendar(Event("UID:d\r\nDTSTART:20260105T100000\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Sync\r\n") +
                Event("UID:d\r\nRECURRENCE-ID:20260112T100000\r\nSEQUENCE:2\r\n"
                      "DTSTART:20260112T120000\r\nSUMMARY:Sync at noon\r\n") +
                Event("UID:d\r\nRECURRENCE-ID:20260112T100000\r\nSEQUENCE:1\r\n"
                      "DTSTART:20260112T110000\r\nSUMMARY:Sync, stale\r\n") +
                Event("UID:d\r\nRECURRENCE-ID:20260119T100000\r\nDTSTART:20260119T140000\r\n"
                      "SUMMARY:Sync, first\r\n") +
                Event("UID:d\r\nRECURRENCE-ID:20260119T100000\r\nDTSTART:20260119T150000\r\n"
                      "SUMMARY:Sync, second\r\n")),
       2026,
       {"2026-01-05 10:00 - 2026-01-05 10:00 Sync", "2026-01-12 12:00 - 2026-01-12 12:00 Sync at noon",
        "2026-01-19 15:00 - 2026-01-19 15:00 Sync, second"}},
      {"sloppy exports: blank lines first, a stray Z on dates, a mistyped END, a lost END",
       "\r\n  \r\n   " +
           Calendar(Event("DTSTART;VALUE=DATE:20131210Z\r\nRDATE;VALUE=DATE:20131216Z\r\nSUMMARY:Stray Z\r\n") +
                    "BEGIN:VTODO\r\nSUMMARY:todo\r\nEND:VTOOD\r\n" +
                    Event("DTSTART:20131211T090000\r\nSUMMARY:After the todo\r\n") +
                    "BEGIN:VEVENT\r\nDTSTART:20131212T090000\r\nSUMMARY:Never ended\r\n" +
                    Event("DTSTART:20131213T090000\r\nSUMMARY:After the lost END\r\n")),
       2013,
       {"2013-12-10 00:00 - 2013-12-11 00:00 Stray Z",
        "2013-12-11 09:00 - 2013-12-11 09:00 After the todo",
        "2013-12-13 09:00 - 2013-12-13 09:00 After the lost END",
        "2013-12-16 00:00 - 2013-12-17 00:00 Stray Z"},
       1},
      {"before 1900: the right day and time, in order, across the serial date's day 0",
       Calendar(Event("DTSTART:18500615T100000Z\r\nDTEND:18500615T110000Z\r\nSUMMARY:Ten\r\n") +
                Event("DTSTART:18500615T080000Z\r\nDTEND:18500616T090000Z\r\nSUMMARY:Eight\r\n")),
       1850,
       {"1850-06-15 08:00 - 1850-06-16 09:00 Eight", "1850-06-15 10:00 - 1850-06-15 11:00 Ten"}},
      {"an all-day series over 30 December 1899",
       Calendar(Event("DTSTART;VALUE=DATE:18991229\r\nRRULE:FREQ=DAILY;COUNT=3\r\nSUMMARY:Days\r\n")),
       1899,
       {"1899-12-29 00:00 - 1899-12-30 00:00 Days", "1899-12-30 00:00 - 1899-12-31 00:00 Days",
        "1899-12-31 00:00 - 1900-01-01 00:00 Days"}},
      {"a daily series from 1601 still runs",
       Calendar(Event("DTSTART:16010101T090000Z\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Daily\r\n")),
       2026,
       {"2026-12-30 09:00 - 2026-12-30 09:00 Daily", "2026-12-31 09:00 - 2026-12-31 09:00 Daily"},
       0,
       "2026-12-3"},
      {"the last year",
       Calendar(Event("DTSTART:99991231T100000Z\r\nSUMMARY:Last day\r\n")),
       9999,
       {"9999-12-31 10:00 - 9999-12-31 10:00 Last day"}},
      {"a duration of 20,000 weeks; dates written without VALUE=DATE",
       Calendar(Event("DTSTART:20260505T100000Z\r\nDURATION:P20000W\r\nSUMMARY:Long\r\n") +
                Event("DTSTART:20260505\r\nDTEND:20260507\r\nSUMMARY:Two days\r\n")),
       2026,
       {"2026-05-05 00:00 - 2026-05-07 00:00 Two days", "2026-05-05 10:00 - 2409-08-25 10:00 Long"}},
  };
  for (const Case& c : cases) {
    const IcalCalendar calendar = Read(c.text, zones);
    std::vector<std::string> got;
    for (const Found& f : Year(calendar, c.year))
      if (!c.month || f.when.rfind(c.month, 0) == 0) got.push_back(f.when + " " + f.subject);
    EXPECT_EQ(got, c.expected) << c.what;
    EXPECT_EQ(calendar.SkippedEvents(), c.skipped) << c.what;
  }
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
  EXPECT_EQ(ReadingFaultsMessage(0, 1), "1 event uses a time zone that could not be read; shown in local time");
  EXPECT_EQ(ReadingFaultsMessage(2, 3), "2 events in the calendar file could not be read. "
                                        "3 events use a time zone that could not be read; shown in local time");
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
