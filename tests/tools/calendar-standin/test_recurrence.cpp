#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "tools/calendar-standin/recurrence.h"

namespace standin {
namespace {

std::string Text(const IcalTime& t) {
  char buffer[32];
  if (t.isDate)
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", t.year, t.month, t.day);
  else
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
  return buffer;
}

// Up to `limit` occurrences of the rule from the start, as compact texts.
std::vector<std::string> Expand(const std::string& start, const std::string& rule,
                                const std::vector<std::string>& exceptions = {},
                                std::size_t limit = 12) {
  std::vector<IcalTime> ex;
  for (const std::string& e : exceptions) ex.push_back(ParseIcalTime(e, false));
  std::vector<std::string> out;
  ExpandRecurrence(ParseIcalTime(start, false), ParseRecurrenceRule(rule), ex,
                   [&](const IcalTime& t) {
                     out.push_back(Text(t));
                     return out.size() < limit;
                   });
  return out;
}

using Texts = std::vector<std::string>;

TEST(IcalTime, ReadsDatesAndDateTimes) {
  const IcalTime date = ParseIcalTime("19980505", false);
  EXPECT_TRUE(date.isDate);
  EXPECT_EQ(date.day, 5);
  const IcalTime utc = ParseIcalTime("19981231T235930Z", false);
  EXPECT_TRUE(utc.utc);
  EXPECT_FALSE(utc.isDate);
  EXPECT_EQ(utc.hour * 10000 + utc.minute * 100 + utc.second, 235930);
  EXPECT_FALSE(ParseIcalTime("19981231T235930", false).utc);
}

TEST(IcalTime, RejectsWhatIsNotADateTime) {
  for (const char* bad : {"", "1998050", "19980230", "19981305", "19980505T2500", "19980505T250000",
                          "19980505T100000X", "19980505 100000", "abcdefgh"})
    EXPECT_THROW(ParseIcalTime(bad, false), std::invalid_argument) << bad;
  EXPECT_THROW(ParseIcalTime("19980505T100000", true), std::invalid_argument);
}

TEST(Recurrence, DailyWithIntervalAndCount) {
  EXPECT_EQ(Expand("19980530T100000", "FREQ=DAILY;INTERVAL=2;COUNT=4"),
            (Texts{"19980530T1000", "19980601T1000", "19980603T1000", "19980605T1000"}));
}

TEST(Recurrence, DailyFilteredByWeekdayAndMonthDay) {
  // 1 May 1998 was a Friday.
  EXPECT_EQ(Expand("19980501T090000", "FREQ=DAILY;BYDAY=MO,FR;COUNT=4"),
            (Texts{"19980501T0900", "19980504T0900", "19980508T0900", "19980511T0900"}));
  EXPECT_EQ(Expand("19980101T090000", "FREQ=DAILY;BYMONTHDAY=-1;COUNT=3"),
            (Texts{"19980101T0900", "19980131T0900", "19980228T0900"}));
}

TEST(Recurrence, WeeklyTakesTheStartWeekdayOrByDay) {
  EXPECT_EQ(Expand("19980505T100000", "FREQ=WEEKLY;COUNT=3"),
            (Texts{"19980505T1000", "19980512T1000", "19980519T1000"}));
  // Tuesday 5 May: Thursday of the same week follows, then the week after next.
  EXPECT_EQ(
      Expand("19980505T100000", "FREQ=WEEKLY;INTERVAL=2;BYDAY=TU,TH;COUNT=5"),
      (Texts{"19980505T1000", "19980507T1000", "19980519T1000", "19980521T1000", "19980602T1000"}));
}

TEST(Recurrence, WeekStartDecidesWhichWeeksCount) {
  // Sunday 10 May with Monday weeks: the following Tuesday lies in the week after.
  EXPECT_EQ(Expand("19980510T100000", "FREQ=WEEKLY;INTERVAL=2;BYDAY=SU,TU;COUNT=3"),
            (Texts{"19980510T1000", "19980519T1000", "19980524T1000"}));
  EXPECT_EQ(Expand("19980510T100000", "FREQ=WEEKLY;INTERVAL=2;BYDAY=SU,TU;WKST=SU;COUNT=3"),
            (Texts{"19980510T1000", "19980512T1000", "19980524T1000"}));
}

TEST(Recurrence, MonthlySkipsMonthsWithoutTheDay) {
  EXPECT_EQ(Expand("19980131T080000", "FREQ=MONTHLY;COUNT=4"),
            (Texts{"19980131T0800", "19980331T0800", "19980531T0800", "19980731T0800"}));
}

TEST(Recurrence, MonthlyByMonthDayAndByDay) {
  EXPECT_EQ(
      Expand("19980101T080000", "FREQ=MONTHLY;BYMONTHDAY=15,-1;COUNT=5"),
      (Texts{"19980101T0800", "19980115T0800", "19980131T0800", "19980215T0800", "19980228T0800"}));
  EXPECT_EQ(
      Expand("19980113T080000", "FREQ=MONTHLY;BYDAY=2TU,-1FR;COUNT=5"),
      (Texts{"19980113T0800", "19980130T0800", "19980210T0800", "19980227T0800", "19980310T0800"}));
  // Friday the 13th: both parts must hold.
  EXPECT_EQ(Expand("19980213T080000", "FREQ=MONTHLY;BYMONTHDAY=13;BYDAY=FR;COUNT=3"),
            (Texts{"19980213T0800", "19980313T0800", "19981113T0800"}));
}

TEST(Recurrence, YearlyKeepsLeapDaysInLeapYears) {
  EXPECT_EQ(Expand("19960229T120000", "FREQ=YEARLY;COUNT=3"),
            (Texts{"19960229T1200", "20000229T1200", "20040229T1200"}));
  EXPECT_EQ(Expand("19980505T120000", "FREQ=YEARLY;INTERVAL=2;COUNT=3"),
            (Texts{"19980505T1200", "20000505T1200", "20020505T1200"}));
}

TEST(Recurrence, YearlyByMonthWithByDayOrdinal) {
  EXPECT_EQ(Expand("19981126T000000", "FREQ=YEARLY;BYMONTH=11;BYDAY=4TH;COUNT=3"),
            (Texts{"19981126T0000", "19991125T0000", "20001123T0000"}));
  // Ordinals without BYMONTH count within the year: the first Monday of each year.
  EXPECT_EQ(Expand("19980105T000000", "FREQ=YEARLY;BYDAY=1MO;COUNT=2"),
            (Texts{"19980105T0000", "19990104T0000"}));
}

TEST(Recurrence, ByMonthLimitsShorterPeriods) {
  // Thursdays of January and March only; 29 January 1998 was a Thursday.
  EXPECT_EQ(Expand("19980129T100000", "FREQ=WEEKLY;BYMONTH=1,3;COUNT=3"),
            (Texts{"19980129T1000", "19980305T1000", "19980312T1000"}));
  EXPECT_EQ(Expand("19980227T100000", "FREQ=DAILY;INTERVAL=3;BYMONTH=3;COUNT=3"),
            (Texts{"19980227T1000", "19980302T1000", "19980305T1000"}));
}

TEST(Recurrence, UntilIsInclusive) {
  EXPECT_EQ(Expand("19980505T100000", "FREQ=DAILY;UNTIL=19980507T100000"),
            (Texts{"19980505T1000", "19980506T1000", "19980507T1000"}));
  EXPECT_EQ(Expand("19980505T100000", "FREQ=DAILY;UNTIL=19980507T095959"),
            (Texts{"19980505T1000", "19980506T1000"}));
  EXPECT_EQ(Expand("19980505T100000", "FREQ=WEEKLY;UNTIL=19980512"),
            (Texts{"19980505T1000", "19980512T1000"}));
}

TEST(Recurrence, ExceptionsAreSkippedButCounted) {
  EXPECT_EQ(Expand("19980505T100000", "FREQ=DAILY;COUNT=4", {"19980506T100000", "19980507"}),
            (Texts{"19980505T1000", "19980508T1000"}));
  // An exception at another time of day leaves the occurrence.
  EXPECT_EQ(Expand("19980505T100000", "FREQ=DAILY;COUNT=2", {"19980506T110000"}),
            (Texts{"19980505T1000", "19980506T1000"}));
}

TEST(Recurrence, StartCountsEvenWhenTheRuleWouldNotSelectIt) {
  // Wednesday start, Mondays only.
  EXPECT_EQ(Expand("19980506T100000", "FREQ=WEEKLY;BYDAY=MO;COUNT=3"),
            (Texts{"19980506T1000", "19980511T1000", "19980518T1000"}));
}

TEST(Recurrence, EndlessRulesStop) {
  // 30 February never comes; the expansion still ends.
  EXPECT_EQ(Expand("19980101T000000", "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30"),
            Texts{"19980101T0000"});
  std::size_t n = 0;
  ExpandRecurrence(ParseIcalTime("19000101", false), ParseRecurrenceRule("FREQ=DAILY"), {},
                   [&](const IcalTime&) { return ++n, true; });
  EXPECT_EQ(n, static_cast<std::size_t>(kMaxOccurrences));
}

TEST(Recurrence, RejectsRulesItCannotHonour) {
  for (const char* bad :
       {"", "COUNT=3", "FREQ=HOURLY", "FREQ=DAILY;INTERVAL=0", "FREQ=DAILY;COUNT=x",
        "FREQ=DAILY;COUNT=2;UNTIL=19990101", "FREQ=DAILY;BYDAY=XX", "FREQ=WEEKLY;BYDAY=2MO",
        "FREQ=MONTHLY;BYMONTHDAY=32", "FREQ=MONTHLY;BYMONTHDAY=0", "FREQ=YEARLY;BYMONTH=13",
        "FREQ=MONTHLY;BYSETPOS=1", "FREQ=WEEKLY;BYMONTHDAY=1", "FREQ=DAILY;UNTIL=1999",
        "FREQ=DAILY;COUNT"})
    EXPECT_THROW(ParseRecurrenceRule(bad), std::invalid_argument) << bad;
}

}  // namespace
}  // namespace standin
