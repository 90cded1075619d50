#include <gtest/gtest.h>

#include <stdexcept>

#include "linetally/database/list_rows.h"

namespace lt {
namespace {

long double PlainAmount(const std::string& text) {
  size_t used = 0;
  const long double value = std::stold(text, &used);
  if (used != text.size()) throw std::invalid_argument(text);
  return value;
}

TEST(ListRows, DateOnlyWhereItChangesAndAcrossFills) {
  const RegionalFormats formats = UsFormats();
  ListRowBuilder rows(formats, PlainAmount);
  auto r1 = rows.Build(SplitRecordLine("07/12/2026 09:15:02,x,1958,Office link,1.2516,"), 1);
  auto r2 = rows.Build(SplitRecordLine("07/12/2026 23:00:00,x,45,Home,0.045,note"), 2);
  auto r3 = rows.Build(SplitRecordLine("08/12/2026 00:00:00,x,3600,Home,2.37,"), 3);
  ASSERT_TRUE(r1 && r2 && r3);
  EXPECT_EQ(r1->date, "07/12/2026") << "written order, whatever the system's date order";
  EXPECT_EQ(r1->time, "09:15");
  EXPECT_EQ(r1->duration, "000:32:38");
  EXPECT_EQ(r1->cost, "1.25");
  EXPECT_FALSE(r1->hasNote);
  EXPECT_EQ(r2->date, "");
  EXPECT_EQ(r2->cost, "0.04");
  EXPECT_TRUE(r2->hasNote);
  EXPECT_EQ(r3->date, "08/12/2026");
  // An appended row compares with the last row of the earlier fill.
  auto r4 = rows.Build(SplitRecordLine("08/12/2026 10:00:00,x,1,Home,0,"), 4);
  EXPECT_EQ(r4->date, "");
  // The first row always shows its date, even after a refill of the same day.
  auto again = rows.Build(SplitRecordLine("08/12/2026 10:00:00,x,1,Home,0,"), 1);
  EXPECT_EQ(again->date, "08/12/2026");
}

TEST(ListRows, SystemSeparatorsShowInDateAndTime) {
  const RegionalFormats formats = DayFirstFormats('.', '.');
  ListRowBuilder rows(formats, PlainAmount);
  auto row = rows.Build(SplitRecordLine("07.12.2026 09.15.02,x,5,A-B,0,"), 1);
  ASSERT_TRUE(row);
  EXPECT_EQ(row->date, "07.12.2026");
  EXPECT_EQ(row->time, "09.15");
  EXPECT_EQ(row->service, "A-B");
}

TEST(ListRows, RecordsThatCannotBeListed) {
  const RegionalFormats formats = UsFormats();
  ListRowBuilder rows(formats, PlainAmount);
  EXPECT_FALSE(rows.Build(SplitRecordLine(""), 1));
  EXPECT_FALSE(rows.Build(SplitRecordLine("07/12/2026 09:15:02,x"), 1)) << "truncated: no seconds field";
  EXPECT_FALSE(rows.Build(SplitRecordLine("12/13/2026 09:15:02,x,1,A,0,"), 1));
  EXPECT_FALSE(rows.Build(SplitRecordLine("07/12/2026 09:15:02,x,1.5,A,0,"), 1));
  EXPECT_THROW(rows.Build(SplitRecordLine("07/12/2026 09:15:02,x,1,A,abc,"), 1), std::invalid_argument)
      << "the amount reader decides about the cost";
}

}  // namespace
}  // namespace lt
