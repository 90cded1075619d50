#include <gtest/gtest.h>

#include "tools/calendar-standin/ical_reader.h"

namespace standin {
namespace {

std::string Calendar(const std::string& body, const char* eol = "\r\n") {
  std::string text = "BEGIN:VCALENDAR" + std::string(eol) + "VERSION:2.0" + eol;
  std::size_t from = 0;
  while (from < body.size()) {
    const std::size_t at = body.find('\n', from);
    text += body.substr(from, at - from) + eol;
    if (at == std::string::npos) break;
    from = at + 1;
  }
  return text + "END:VCALENDAR" + eol;
}

std::string ErrorOf(const std::string& text) {
  try {
    ReadCalendar(text);
  } catch (const CalendarFileError& e) {
    return e.what();
  }
  return "no error";
}

TEST(IcalReader, ReadsAnEventWithCrLfOrLf) {
  const std::string body =
      "BEGIN:VEVENT\nUID:1\nDTSTART:19980505T100000\nDTEND:19980505T110000\n"
      "SUMMARY:Dentist\\, town\nCATEGORIES:Health\nEND:VEVENT";
  for (const char* eol : {"\r\n", "\n"}) {
    const std::vector<CalendarEvent> events = ReadCalendar(Calendar(body, eol));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].summary, "Dentist, town");
    EXPECT_EQ(events[0].categories, "Health");
    EXPECT_EQ(events[0].start.hour, 10);
    EXPECT_EQ(events[0].end.hour, 11);
    EXPECT_FALSE(events[0].rule.has_value());
    EXPECT_EQ(events[0].line, 3);
  }
}

TEST(IcalReader, UnfoldsContinuationLines) {
  const std::vector<CalendarEvent> events = ReadCalendar(Calendar(
      "BEGIN:VEVENT\nDTSTART:1998\n 0505T100000\nSUMMARY:Long \n\tmeeting\nCATEGORIES:A,\n B\n"
      "RRULE:FREQ=WEEKLY;\n COUNT=2\nEND:VEVENT"));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].start.day, 5);
  EXPECT_EQ(events[0].summary, "Long meeting");
  EXPECT_EQ(events[0].categories, "A, B");
  ASSERT_TRUE(events[0].rule.has_value());
  EXPECT_EQ(events[0].rule->count, 2);
}

TEST(IcalReader, AllDayEventsLastADayUnlessTheyEndLater) {
  const std::vector<CalendarEvent> events = ReadCalendar(
      Calendar("BEGIN:VEVENT\nDTSTART;VALUE=DATE:19980505\nSUMMARY:One day\nEND:VEVENT\n"
               "BEGIN:VEVENT\nDTSTART;VALUE=DATE:19980505\nDTEND;VALUE=DATE:19980508\nEND:VEVENT\n"
               "BEGIN:VEVENT\nDTSTART:19980505\nDURATION:P2D\nEND:VEVENT"));
  ASSERT_EQ(events.size(), 3u);
  EXPECT_TRUE(events[0].start.isDate);
  EXPECT_EQ(events[0].end.day, 6);
  EXPECT_EQ(events[1].end.day, 8);
  EXPECT_EQ(events[2].end.day, 7);
  EXPECT_TRUE(events[2].end.isDate);
}

TEST(IcalReader, DurationAndMissingEnd) {
  const std::vector<CalendarEvent> events =
      ReadCalendar(Calendar("BEGIN:VEVENT\nDTSTART:19981231T233000\nDURATION:PT1H15M\nEND:VEVENT\n"
                            "BEGIN:VEVENT\nDTSTART:19980505T100000Z\nEND:VEVENT"));
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].end.year, 1999);
  EXPECT_EQ(events[0].end.hour * 60 + events[0].end.minute, 45);
  EXPECT_EQ(events[1].end, events[1].start);
  EXPECT_TRUE(events[1].start.utc);
}

TEST(IcalReader, CollectsExceptionsAndIgnoresOtherComponents) {
  const std::vector<CalendarEvent> events = ReadCalendar(Calendar(
      "BEGIN:VTIMEZONE\nTZID:X\nBEGIN:STANDARD\nDTSTART:19700101T000000\nEND:STANDARD\n"
      "END:VTIMEZONE\nBEGIN:VTODO\nDTSTART:19980101T000000\nEND:VTODO\n"
      "BEGIN:VEVENT\nDTSTART;TZID=\"Europe/Here\":19980505T100000\nRRULE:FREQ=DAILY;COUNT=5\n"
      "EXDATE:19980506T100000,19980507T100000\nEXDATE;VALUE=DATE:19980508\n"
      "BEGIN:VALARM\nSUMMARY:not the event's\nEND:VALARM\nSUMMARY:Course\nX-ODD;A=B:x\n"
      "END:VEVENT"));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].summary, "Course");
  EXPECT_FALSE(events[0].start.utc);
  ASSERT_EQ(events[0].exceptions.size(), 3u);
  EXPECT_TRUE(events[0].exceptions[2].isDate);
}

TEST(IcalReader, BadFilesNameTheirFault) {
  EXPECT_EQ(ErrorOf(""), "not an iCalendar file: it does not begin with BEGIN:VCALENDAR");
  EXPECT_EQ(ErrorOf(std::string("\x89PNG\r\n\x1a\n\0\0", 10)),
            "not an iCalendar file: it does not begin with BEGIN:VCALENDAR");
  EXPECT_EQ(ErrorOf("BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:19980505\n"),
            "the file ends before END:VEVENT");
  EXPECT_EQ(ErrorOf(Calendar("BEGIN:VEVENT\nSUMMARY:x\nEND:VEVENT")),
            "line 3: VEVENT without DTSTART");
  EXPECT_EQ(ErrorOf(Calendar("BEGIN:VEVENT\nDTSTART:1998-05-05\nEND:VEVENT")),
            "line 4: DTSTART: not a date-time: \"1998-05-05\"");
  EXPECT_EQ(ErrorOf(Calendar("BEGIN:VEVENT\nDTSTART:19980505\nRRULE:FREQ=SECONDLY\nEND:VEVENT")),
            "line 5: RRULE FREQ SECONDLY is not supported");
  EXPECT_EQ(
      ErrorOf(Calendar("BEGIN:VEVENT\nDTSTART:19980505T100000\nDTEND:19980505T090000\nEND:VEVENT")),
      "line 6: DTEND is before DTSTART");
  EXPECT_EQ(ErrorOf(Calendar("BEGIN:VEVENT\nDTSTART:19980505\nEND:VTODO")),
            "line 5: END:VTODO where END:VEVENT belongs");
  EXPECT_EQ(ErrorOf(Calendar("BEGIN:VEVENT\nDTSTART 19980505\nEND:VEVENT")),
            "line 4: no ':' after DTSTART");
  EXPECT_EQ(ErrorOf(Calendar("BEGIN:VEVENT\nDTSTART:19980505\nDURATION:P1X\nEND:VEVENT")),
            "line 5: DURATION is not a duration: \"P1X\"");
  EXPECT_EQ(ErrorOf(Calendar("BEGIN:VEVENT\nDTSTART;TZID=\"open:19980505\nEND:VEVENT")),
            "line 4: unclosed quote in DTSTART");
}

}  // namespace
}  // namespace standin
