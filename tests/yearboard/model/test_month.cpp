#include <gtest/gtest.h>

#include <chrono>

#include "yearboard/model/month.h"

namespace yb {
namespace {

using namespace std::chrono;

cMonth MakeMonth(int year, int number) {
  cMonth month;
  month.SetYear(static_cast<std::int16_t>(year));
  month.SetNumber(static_cast<std::int16_t>(number));
  return month;
}

TEST(cMonth, EveryMonthFrom1900To2100AgreesWithTheStandardCalendar) {
  ASSERT_EQ(FirstDayOfWeek, 2);
  for (int y = 1900; y <= 2100; ++y) {
    for (unsigned m = 1; m <= 12; ++m) {
      const cMonth planned = MakeMonth(y, static_cast<int>(m));
      const year_month_day_last last{year{y} / month{m} / std::chrono::last};
      ASSERT_EQ(planned.NumberOfDays(), static_cast<int>(unsigned(last.day()))) << y << "-" << m;
      // Columns start on Monday: Monday is column 1, Sunday column 7.
      const unsigned isoWeekday = weekday{sys_days{year{y} / month{m} / 1}}.iso_encoding();
      ASSERT_EQ(planned.CellOfFirst(), static_cast<int>(isoWeekday)) << y << "-" << m;
      ASSERT_EQ(planned.DayOfFirst(), static_cast<int>(isoWeekday % 7) + 1);
    }
  }
}

TEST(cMonth, WorkedExamplesOf1998) {
  const cMonth january = MakeMonth(1998, 1);  // 1 January 1998 was a Thursday
  EXPECT_EQ(january.DayOfFirst(), 5);
  EXPECT_EQ(january.CellOfFirst(), 4);
  EXPECT_EQ(january.NumberOfDays(), 31);
  const cMonth march = MakeMonth(1998, 3);  // a Sunday: the last column of the first week
  EXPECT_EQ(march.DayOfFirst(), 1);
  EXPECT_EQ(march.CellOfFirst(), 7);
  EXPECT_EQ(march.CellOfFirst() + march.NumberOfDays() - 1, 37);
  const cMonth june = MakeMonth(1998, 6);  // a Monday
  EXPECT_EQ(june.CellOfFirst(), 1);
  EXPECT_EQ(june.NumberOfDays(), 30);
}

TEST(cMonth, LeapFebruaries) {
  EXPECT_EQ(MakeMonth(1998, 2).NumberOfDays(), 28);
  EXPECT_EQ(MakeMonth(2000, 2).NumberOfDays(), 29);
  EXPECT_EQ(MakeMonth(1900, 2).NumberOfDays(), 28);
  EXPECT_EQ(MakeMonth(2004, 2).NumberOfDays(), 29);
  EXPECT_EQ(MakeMonth(2100, 2).NumberOfDays(), 28);
}

TEST(cMonth, NamesComeFromTheUserLocale) {
  Formats formats;
  EXPECT_EQ(MakeMonth(1998, 5).Name(formats), "May");
  formats.monthNames[4] = "Mai";
  EXPECT_EQ(MakeMonth(1998, 5).Name(formats), "Mai");
}

}  // namespace
}  // namespace yb
