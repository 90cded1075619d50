#include <gtest/gtest.h>

#include <chrono>

#include "yearboard/base/ole_date.h"

namespace yb {
namespace {

using namespace std::chrono;

TEST(OleDate, EpochAndKnownSerials) {
  EXPECT_EQ(DateSerial(1899, 12, 30), 0.0);
  EXPECT_EQ(DateSerial(1900, 1, 1), 2.0);
  EXPECT_EQ(DateSerial(1998, 1, 1), 35796.0);
  EXPECT_EQ(DateSerial(1899, 12, 29), -1.0);
}

TEST(OleDate, EveryFirstOfMonthAgreesWithTheStandardCalendar) {
  const sys_days epoch = year{1899} / December / 30;
  for (int y = 1900; y <= 2100; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const sys_days first = year{y} / month{static_cast<unsigned>(m)} / 1;
      const OleDate serial = DateSerial(y, m, 1);
      ASSERT_EQ(serial, static_cast<double>((first - epoch).count())) << y << "-" << m;
      ASSERT_EQ(Weekday(serial), static_cast<int>(weekday{first}.c_encoding()) + 1);
      const CivilDateTime parts = DecodeDateTime(serial);
      ASSERT_EQ(parts, (CivilDateTime{y, m, 1, 0, 0, 0}));
    }
  }
}

TEST(OleDate, OutOfRangeFieldsRollOver) {
  EXPECT_EQ(DateSerial(1998, 2, 29), DateSerial(1998, 3, 1));
  EXPECT_EQ(DateSerial(2000, 2, 30), DateSerial(2000, 3, 1));
  EXPECT_EQ(DateSerial(1998, 13, 1), DateSerial(1999, 1, 1));
  EXPECT_EQ(DateSerial(1998, 0, 1), DateSerial(1997, 12, 1));
  EXPECT_EQ(DateSerial(1998, 1, 0), DateSerial(1997, 12, 31));
  EXPECT_EQ(DateSerial(1998, 12, 32), DateSerial(1999, 1, 1));
}

TEST(OleDate, TimesDecodeToTheNearestSecond) {
  const OleDate t = DateTimeSerial(1998, 5, 5, 23, 59, 59);
  EXPECT_EQ(DecodeDateTime(t), (CivilDateTime{1998, 5, 5, 23, 59, 59}));
  // Half a second before midnight rounds into the next day.
  const OleDate late = DateSerial(1998, 5, 5) + (86399.6 / 86400.0);
  EXPECT_EQ(DecodeDateTime(late), (CivilDateTime{1998, 5, 6, 0, 0, 0}));
  EXPECT_TRUE(IsMidnight(late));
  EXPECT_FALSE(IsMidnight(t));
}

TEST(OleDate, DatesBeforeTheEpochKeepAPositiveTime) {
  // -1.25 is 29 December 1899, 06:00.
  EXPECT_EQ(DecodeDateTime(-1.25), (CivilDateTime{1899, 12, 29, 6, 0, 0}));
  EXPECT_EQ(DateTimeSerial(1899, 12, 29, 6, 0, 0), -1.25);
  EXPECT_EQ(Weekday(-1.25), 6);  // a Friday
  // Seconds run on across the epoch both ways, though the doubles do not.
  const long long day = static_cast<long long>(DateSerial(1850, 6, 15));
  for (long long seconds : {day * 86400 + 36000, -86400LL + 21600, 0LL, 21600LL, -1LL}) {
    ASSERT_EQ(OleToSeconds(OleFromSeconds(seconds)), seconds) << seconds;
  }
  EXPECT_EQ(DecodeDateTime(OleFromSeconds(day * 86400 + 36000)), (CivilDateTime{1850, 6, 15, 10, 0, 0}));
  EXPECT_EQ(OleFromSeconds(-86400 + 21600), -1.25);
  EXPECT_EQ(OleToSeconds(-0.25), 21600);  // day 0 from either side
}

}  // namespace
}  // namespace yb
