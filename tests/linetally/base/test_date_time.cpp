#include <gtest/gtest.h>

#include "linetally/base/clock.h"
#include "linetally/base/date_time.h"
#include "linetally/base/duration_text.h"

namespace lt {
namespace {

TEST(DateTime, EpochAndKnownDays) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 9)), 4);   // Wednesday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 13)), 1);  // Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 29)), 6);
}

TEST(DateTime, RoundTripsEveryDayOfFourCenturies) {
  for (DateTime d = EncodeDate(1800, 1, 1); d <= EncodeDate(2200, 12, 31); d += 1) {
    const CivilDateTime civil = DecodeDateTime(d);
    ASSERT_EQ(EncodeDate(civil.year, civil.month, civil.day), d);
  }
}

TEST(DateTime, TimeOfDayBeforeAndAfterTheEpoch) {
  const CivilDateTime noon{1899, 12, 29, 6, 0, 0, 0};
  EXPECT_DOUBLE_EQ(*EncodeDateTime(noon), -1.25);
  EXPECT_EQ(DecodeDateTime(-1.25), noon);
  const CivilDateTime late{2026, 12, 7, 23, 59, 59, 999};
  EXPECT_EQ(DecodeDateTime(*EncodeDateTime(late)), late);
  EXPECT_NEAR(TimeOfDay(*EncodeDateTime(CivilDateTime{2026, 12, 9, 18, 0, 0, 0})), 0.75, 1e-12);
}

TEST(DateTime, RejectsImpossibleFields) {
  EXPECT_FALSE(EncodeDateTime({2026, 13, 1}).has_value());
  EXPECT_FALSE(EncodeDateTime({2026, 2, 29}).has_value());
  EXPECT_TRUE(EncodeDateTime({2024, 2, 29}).has_value());
  EXPECT_FALSE(EncodeDateTime({1900, 2, 29}).has_value());
  EXPECT_TRUE(EncodeDateTime({2000, 2, 29}).has_value());
  EXPECT_FALSE(EncodeDateTime({2026, 1, 1, 24, 0, 0}).has_value());
  EXPECT_FALSE(EncodeDateTime({2026, 1, 1, 0, 60, 0}).has_value());
}

TEST(SettableClock, StepsAcrossMidnight) {
  SettableClock clock(CivilDateTime{2026, 12, 31, 23, 59, 59, 900});
  clock.SetStepMilliseconds(250);
  EXPECT_EQ(clock.Now().second, 59);
  const CivilDateTime next = clock.Now();
  EXPECT_EQ(next, (CivilDateTime{2027, 1, 1, 0, 0, 0, 150}));
  clock.Set({2026, 3, 1, 9, 59, 59, 999});
  clock.AdvanceMilliseconds(1);
  EXPECT_EQ(clock.Now(), (CivilDateTime{2026, 3, 1, 10, 0, 0, 0}));
  clock.AdvanceMilliseconds(-36000251);
  EXPECT_EQ(clock.Now(), (CivilDateTime{2026, 2, 28, 23, 59, 59, 999}));
}

TEST(DurationText, HoursHaveAtLeastThreeDigits) {
  EXPECT_EQ(DurationText(0), "000:00:00");
  EXPECT_EQ(DurationText(59), "000:00:59");
  EXPECT_EQ(DurationText(3599), "000:59:59");
  EXPECT_EQ(DurationText(3600), "001:00:00");
  EXPECT_EQ(DurationText(3661), "001:01:01");
  EXPECT_EQ(DurationText(15360), "004:16:00");
  EXPECT_EQ(DurationText(18000), "005:00:00");
  EXPECT_EQ(DurationText(3600000), "1000:00:00");
}

}  // namespace
}  // namespace lt
