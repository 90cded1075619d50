#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "yearboard/calendar/recurrence.h"
#include "yearboard/calendar/rule_text.h"

namespace yb {
namespace {

struct RuleCase {
  const char* start;  // 09:00 unless the text has a time
  const char* rule;
  // The first occurrences (all when the rule ends), "THHMM" after those at another time of day
  // than the start.
  std::vector<const char*> dates;
  const char* until = nullptr;  // UNTIL on the series' clock, when the case needs it
  const char* from = nullptr;   // the first start wanted
};

std::vector<std::string> Expand(const RuleCase& c) {
  std::vector<std::string> out;
  const std::size_t limit = c.dates.size();
  std::optional<long long> until;
  if (c.until) until = SecondsOf(ParseIcalTime(c.until));
  StartWindow window;
  if (c.from) window.from = SecondsOf(ParseIcalTime(c.from));
  const IcalTime start = ParseIcalTime(c.start);
  ExpandRecurrence(start, ParseRecurrenceRule(c.rule), until, window, [&](long long s) {
    const IcalTime t = TimeAt(s, IcalTime{});
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02d%02d", t.year, t.month, t.day);
    if (t.hour != start.hour || t.minute != start.minute)
      std::snprintf(text + 8, sizeof text - 8, "T%02d%02d", t.hour, t.minute);
    out.push_back(text);
    return out.size() < limit + 1;  // one more, to see that a finished rule stops
  });
  return out;
}

// The recurrence examples of the iCalendar standard (its section on RRULE), each with the
// dates it lists; times are 09:00 throughout, so only the dates are compared.
const RuleCase kStandardExamples[] = {
    {"19970902T090000", "FREQ=DAILY;COUNT=10",
     {"19970902", "19970903", "19970904", "19970905", "19970906", "19970907", "19970908",
      "19970909", "19970910", "19970911"}},
    {"19970902T090000", "FREQ=DAILY;INTERVAL=10;COUNT=5",
     {"19970902", "19970912", "19970922", "19971002", "19971012"}},
    {"19980101T090000", "FREQ=DAILY;UNTIL=20000131T140000Z;BYMONTH=1",
     {"19980101", "19980102", "19980103"}},
    {"19980101T090000", "FREQ=YEARLY;UNTIL=20000131T140000Z;BYMONTH=1;BYDAY=SU,MO,TU,WE,TH,FR,SA",
     {"19980101", "19980102", "19980103"}},
    {"19970902T090000", "FREQ=WEEKLY;COUNT=10",
     {"19970902", "19970909", "19970916", "19970923", "19970930", "19971007", "19971014",
      "19971021", "19971028", "19971104"}},
    {"19970902T090000", "FREQ=WEEKLY;INTERVAL=2;WKST=SU",
     {"19970902", "19970916", "19970930", "19971014", "19971028", "19971111", "19971125",
      "19971209", "19971223", "19980106"}},
    {"19970902T090000", "FREQ=WEEKLY;UNTIL=19971007T000000Z;WKST=SU;BYDAY=TU,TH",
     {"19970902", "19970904", "19970909", "19970911", "19970916", "19970918", "19970923",
      "19970925", "19970930", "19971002"}, "19971006T200000"},
    {"19970901T090000", "FREQ=WEEKLY;INTERVAL=2;UNTIL=19971224T000000Z;WKST=SU;BYDAY=MO,WE,FR",
     {"19970901", "19970903", "19970905", "19970915", "19970917", "19970919", "19970929",
      "19971001", "19971003", "19971013", "19971015", "19971017", "19971027", "19971029",
      "19971031", "19971110", "19971112", "19971114", "19971124", "19971126", "19971128",
      "19971208", "19971210", "19971212", "19971222"}, "19971223T190000"},
    {"19970902T090000", "FREQ=WEEKLY;INTERVAL=2;COUNT=8;WKST=SU;BYDAY=TU,TH",
     {"19970902", "19970904", "19970916", "19970918", "19970930", "19971002", "19971014",
      "19971016"}},
    {"19970905T090000", "FREQ=MONTHLY;COUNT=10;BYDAY=1FR",
     {"19970905", "19971003", "19971107", "19971205", "19980102", "19980206", "19980306",
      "19980403", "19980501", "19980605"}},
    {"19970907T090000", "FREQ=MONTHLY;INTERVAL=2;COUNT=10;BYDAY=1SU,-1SU",
     {"19970907", "19970928", "19971102", "19971130", "19980104", "19980125", "19980301",
      "19980329", "19980503", "19980531"}},
    {"19970922T090000", "FREQ=MONTHLY;COUNT=6;BYDAY=-2MO",
     {"19970922", "19971020", "19971117", "19971222", "19980119", "19980216"}},
    {"19970928T090000", "FREQ=MONTHLY;BYMONTHDAY=-3",
     {"19970928", "19971029", "19971128", "19971229", "19980129", "19980226"}},
    {"19970902T090000", "FREQ=MONTHLY;COUNT=10;BYMONTHDAY=2,15",
     {"19970902", "19970915", "19971002", "19971015", "19971102", "19971115", "19971202",
      "19971215", "19980102", "19980115"}},
    {"19970930T090000", "FREQ=MONTHLY;COUNT=10;BYMONTHDAY=1,-1",
     {"19970930", "19971001", "19971031", "19971101", "19971130", "19971201", "19971231",
      "19980101", "19980131", "19980201"}},
    {"19970910T090000", "FREQ=MONTHLY;INTERVAL=18;COUNT=10;BYMONTHDAY=10,11,12,13,14,15",
     {"19970910", "19970911", "19970912", "19970913", "19970914", "19970915", "19990310",
      "19990311", "19990312", "19990313"}},
    {"19970902T090000", "FREQ=MONTHLY;INTERVAL=2;BYDAY=TU",
     {"19970902", "19970909", "19970916", "19970923", "19970930", "19971104", "19971111",
      "19971118", "19971125", "19980106"}},
    {"19970610T090000", "FREQ=YEARLY;COUNT=10;BYMONTH=6,7",
     {"19970610", "19970710", "19980610", "19980710", "19990610", "19990710", "20000610",
      "20000710", "20010610", "20010710"}},
    {"19970310T090000", "FREQ=YEARLY;INTERVAL=2;COUNT=10;BYMONTH=1,2,3",
     {"19970310", "19990110", "19990210", "19990310", "20010110", "20010210", "20010310",
      "20030110", "20030210", "20030310"}},
    {"19970101T090000", "FREQ=YEARLY;INTERVAL=3;COUNT=10;BYYEARDAY=1,100,200",
     {"19970101", "19970410", "19970719", "20000101", "20000409", "20000718", "20030101",
      "20030410", "20030719", "20060101"}},
    {"19970519T090000", "FREQ=YEARLY;BYDAY=20MO", {"19970519", "19980518", "19990517"}},
    {"19970512T090000", "FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO", {"19970512", "19980511", "19990517"}},
    {"19970313T090000", "FREQ=YEARLY;BYMONTH=3;BYDAY=TH",
     {"19970313", "19970320", "19970327", "19980305", "19980312", "19980319", "19980326",
      "19990304", "19990311", "19990318", "19990325"}},
    {"19970605T090000", "FREQ=YEARLY;BYDAY=TH;BYMONTH=6,7,8",
     {"19970605", "19970612", "19970619", "19970626", "19970703", "19970710", "19970717",
      "19970724", "19970731", "19970807", "19970814", "19970821", "19970828", "19980604"}},
    {"19980213T090000", "FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13",
     {"19980213", "19980313", "19981113", "19990813", "20001013"}},
    {"19970913T090000", "FREQ=MONTHLY;BYDAY=SA;BYMONTHDAY=7,8,9,10,11,12,13",
     {"19970913", "19971011", "19971108", "19971213", "19980110", "19980207", "19980307",
      "19980411", "19980509", "19980613"}},
    {"19961105T090000", "FREQ=YEARLY;INTERVAL=4;BYMONTH=11;BYDAY=TU;BYMONTHDAY=2,3,4,5,6,7,8",
     {"19961105", "20001107", "20041102"}},
    {"19970904T090000", "FREQ=MONTHLY;COUNT=3;BYDAY=TU,WE,TH;BYSETPOS=3",
     {"19970904", "19971007", "19971106"}},
    {"19970929T090000", "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2",
     {"19970929", "19971030", "19971127", "19971230", "19980129", "19980226", "19980330"}},
    {"19970805T090000", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=MO",
     {"19970805", "19970810", "19970819", "19970824"}},
    {"19970805T090000", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=SU",
     {"19970805", "19970817", "19970819", "19970831"}},
    {"20070115T090000", "FREQ=MONTHLY;BYMONTHDAY=15,30;COUNT=5",
     {"20070115", "20070130", "20070215", "20070315", "20070330"}},
};

TEST(Recurrence, TheStandardsExamples) {
  for (const RuleCase& c : kStandardExamples) {
    std::vector<std::string> expected(c.dates.begin(), c.dates.end());
    std::vector<std::string> got = Expand(c);
    // Cases with COUNT, or with their UNTIL applied, list every date; the others the first.
    const bool complete = std::string(c.rule).find("COUNT") != std::string::npos || c.until;
    if (!complete && got.size() > expected.size()) got.resize(expected.size());
    EXPECT_EQ(got, expected) << c.start << " " << c.rule;
  }
}

// Forms calendar programs write beyond the standard's list, worked out by hand. What a rule
// leaves open comes from the start: weeks by number repeat its weekday, counted from WKST;
// times of day multiply the days chosen, BYSETPOS picking among them. A series is taken up
// where the window begins, however long ago it started; one with COUNT is counted from its
// start all the same.
const RuleCase kExportedForms[] = {
    // 2026-01-06 is the Tuesday of week 2 (weeks from Monday, week 1 holding 4 January).
    {"20260106T090000", "FREQ=YEARLY;BYWEEKNO=1,2",
     {"20260106", "20270105", "20270112", "20280104", "20280111"}},
    // Weeks from Sunday: 4-10 January 2026 is week 1.
    {"20260106T090000", "FREQ=YEARLY;BYWEEKNO=1,2;WKST=SU",
     {"20260106", "20260113", "20270105", "20270112"}},
    // A zone's rule as a common exporter writes it: 02:00 on the last Sunday of October.
    {"16010101T020000", "FREQ=YEARLY;BYMINUTE=0;BYHOUR=2;BYDAY=-1SU;BYMONTH=10",
     {"20261025", "20271031", "20281029"}, nullptr, "20260101T000000"},
    {"20260105T090000", "FREQ=DAILY;COUNT=4;BYHOUR=9,17",
     {"20260105", "20260105T1700", "20260106", "20260106T1700"}},
    {"20260126T080000", "FREQ=MONTHLY;COUNT=3;BYDAY=MO;BYHOUR=8,18;BYSETPOS=-1",
     {"20260126", "20260126T1800", "20260223T1800"}},
    {"16010101T090000", "FREQ=DAILY", {"20260101", "20260102"}, nullptr, "20260101T000000"},
    // The 200,000th day from 1 January 1601 is 31 July 2148.
    {"16010101T090000", "FREQ=DAILY;COUNT=200000", {"21480731"}, nullptr, "21480731T000000"},
    {"99991230T090000", "FREQ=DAILY", {"99991230", "99991231"}},
};

TEST(Recurrence, FormsCalendarProgramsWrite) {
  for (const RuleCase& c : kExportedForms) {
    std::vector<std::string> got = Expand(c);
    const bool complete = std::string(c.rule).find("COUNT") != std::string::npos ||
                          std::string(c.start) == "99991230T090000";
    if (!complete && got.size() > c.dates.size()) got.resize(c.dates.size());
    EXPECT_EQ(got, std::vector<std::string>(c.dates.begin(), c.dates.end())) << c.start << " " << c.rule;
  }
}

// Ours, beyond the standard's list: the start always counts, lower-case names, the 400-year
// bound of a rule that never matches, and the occurrence cap of an endless one.
TEST(Recurrence, EdgesOfTheExpansion) {
  EXPECT_EQ(Expand({"19980506T100000", "freq=weekly;byday=mo;count=3", {"19980506", "19980511", "19980518"}}),
            (std::vector<std::string>{"19980506", "19980511", "19980518"}));
  EXPECT_EQ(Expand({"19980101T000000", "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30", {"19980101"}}),
            std::vector<std::string>{"19980101"});
  EXPECT_EQ(Expand({"19960229", "FREQ=YEARLY;COUNT=3", {"19960229", "20000229", "20040229"}}),
            (std::vector<std::string>{"19960229", "20000229", "20040229"}));
  std::size_t n = 0;
  ExpandRecurrence(ParseIcalTime("19000101"), ParseRecurrenceRule("FREQ=DAILY"), std::nullopt, {},
                   [&](long long) { return ++n, true; });
  EXPECT_EQ(n, static_cast<std::size_t>(kMaxOccurrences));
  // Every second of the first of each month, picked by position; every second of every day:
  // neither has its year written out, and the second stops at the cap.
  std::string everySecond = "FREQ=YEARLY;BYSETPOS=1,-1;BYMONTH=1,2,3,4,5,6,7,8,9,10,11,12;BYHOUR=0";
  for (int h = 1; h < 24; ++h) everySecond += "," + std::to_string(h);
  for (const char* part : {";BYMINUTE=0", ";BYSECOND=0"}) {
    everySecond += part;
    for (int m = 1; m < 60; ++m) everySecond += "," + std::to_string(m);
  }
  std::vector<long long> picked;
  ExpandRecurrence(ParseIcalTime("20260101T000000"), ParseRecurrenceRule(everySecond), std::nullopt,
                   {}, [&](long long s) { return picked.push_back(s), picked.size() < 3; });
  EXPECT_EQ(picked, (std::vector<long long>{SecondsOf(ParseIcalTime("20260101T000000")),
                                            SecondsOf(ParseIcalTime("20261201T235959")),
                                            SecondsOf(ParseIcalTime("20270101T000000"))}));
  n = 0;
  ExpandRecurrence(ParseIcalTime("20260101T000000"),
                   ParseRecurrenceRule(everySecond.substr(everySecond.find(";BYMONTH"))
                                           .insert(0, "FREQ=DAILY")),
                   std::nullopt, {}, [&](long long) { return ++n, true; });
  EXPECT_EQ(n, static_cast<std::size_t>(kMaxOccurrences));
}

TEST(Recurrence, RefusesRulesItCannotHonour) {
  for (const char* bad :
       {"", "COUNT=3", "FREQ=HOURLY", "FREQ=DAILY;BYHOUR=24", "FREQ=DAILY;BYMINUTE=-1", "FREQ=DAILY;INTERVAL=0",
        "FREQ=DAILY;COUNT=x", "FREQ=DAILY;COUNT=2;UNTIL=19990101", "FREQ=DAILY;BYDAY=XX",
        "FREQ=WEEKLY;BYDAY=2MO", "FREQ=MONTHLY;BYMONTHDAY=32", "FREQ=YEARLY;BYMONTH=13",
        "FREQ=MONTHLY;BYYEARDAY=1", "FREQ=MONTHLY;BYWEEKNO=1", "FREQ=WEEKLY;BYMONTHDAY=1",
        "FREQ=YEARLY;BYWEEKNO=1;BYDAY=1MO", "FREQ=DAILY;UNTIL=1999", "FREQ=MONTHLY;BYSETPOS=0"})
    EXPECT_THROW(ParseRecurrenceRule(bad), std::invalid_argument) << bad;
}

TEST(Recurrence, RulesInWords) {
  const struct {
    const char* rule;
    const char* words;
  } cases[] = {
      {"FREQ=WEEKLY;INTERVAL=2;BYDAY=MO", "Every 2 weeks on Monday"},
      {"FREQ=MONTHLY;BYDAY=1FR,-1SU", "Every month on the first Friday and the last Sunday"},
      {"FREQ=MONTHLY;BYMONTHDAY=2,15;COUNT=10", "Every month on day 2 and 15, 10 times"},
      {"FREQ=MONTHLY;BYMONTHDAY=1,-3", "Every month on day 1 and the 3rd to last day"},
      {"FREQ=YEARLY;BYMONTH=11;BYDAY=4TH", "Every year in November on the fourth Thursday"},
      {"FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO", "Every year in week 20 on Monday"},
      {"FREQ=DAILY;UNTIL=19971224T000000Z", "Every day, until 12/24/1997"},
      {"FREQ=DAILY;BYHOUR=17,9;BYMINUTE=30", "Every day at hour 9 and 17 at minute 30"},
      {"FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2",
       "Every month on Monday, Tuesday, Wednesday, Thursday and Friday, the second to last of these"},
  };
  for (const auto& c : cases) EXPECT_EQ(DescribeRule(ParseRecurrenceRule(c.rule), Formats{}), c.words) << c.rule;
}

}  // namespace
}  // namespace yb
