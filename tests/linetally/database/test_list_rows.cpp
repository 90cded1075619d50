#include <gtest/gtest.h>

#include "linetally/base/currency.h"
#include "linetally/database/list_rows.h"

namespace lt {
namespace {

// Row `index` of a table of the given lines.
std::optional<ListRow> RowOf(const ListRowBuilder& rows, const RecordLines& lines, size_t index) {
  RecordTable table;
  table.Parse(lines, 1);
  return rows.Build(table, index);
}

TEST(ListRows, DateOnlyWhereItChangesFromTheRecordAbove) {
  const RegionalFormats formats = UsFormats();
  ListRowBuilder rows(formats);
  const RecordLines lines = {"07/12/2026 09:15:02,x,1958,Office link,1.2516,",
                             "07/12/2026 23:00:00,x,45,Home,0.045,note",
                             "08/12/2026 00:00:00,x,3600,Home,2.37,",
                             "garbage",
                             "08/12/2026 10:00:00,x,1,Home,0,"};
  auto r1 = RowOf(rows, lines, 1), r2 = RowOf(rows, lines, 2), r3 = RowOf(rows, lines, 3);
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
  EXPECT_EQ(RowOf(rows, lines, 5)->date, "08/12/2026") << "a record above that does not read shows the date";
  // The same rows built in another order read the same: nothing is carried between builds.
  EXPECT_EQ(RowOf(rows, lines, 2)->date, "");
  EXPECT_EQ(RowOf(rows, {lines[1]}, 1)->date, "07/12/2026");
}

TEST(ListRows, SystemSeparatorsShowInDateAndTime) {
  const RegionalFormats formats = DayFirstFormats('.', '.');
  ListRowBuilder rows(formats);
  auto row = RowOf(rows, {"07.12.2026 09.15.02,x,5,A-B,0,"}, 1);
  ASSERT_TRUE(row);
  EXPECT_EQ(row->date, "07.12.2026");
  EXPECT_EQ(row->time, "09.15");
  EXPECT_EQ(row->service, "A-B");
}

TEST(ListRows, RecordsThatCannotBeListed) {
  const RegionalFormats formats = UsFormats();
  ListRowBuilder rows(formats);
  const char* const unlistable[] = {"", "07/12/2026 09:15:02,x" /* truncated: no seconds field */,
                                    "12/13/2026 09:15:02,x,1,A,0,", "07/12/2026 09:15:02,x,1.5,A,0,"};
  for (const char* line : unlistable) {
    EXPECT_FALSE(RowOf(rows, {line}, 1)) << line;
    EXPECT_FALSE(rows.Listable(SplitRecordLine(line))) << line;
  }
  EXPECT_TRUE(rows.Listable(SplitRecordLine("07/12/2026 09:15:02,x,1,A,0,")));
  // The cost does not decide: one that does not read shows as stored (and is told once).
  const std::string badCost = "07/12/2026 09:15:02,x,1,A,1.2.3,";
  EXPECT_TRUE(rows.Listable(SplitRecordLine(badCost)));
  EXPECT_EQ(RowOf(rows, {badCost}, 1)->cost, "1.2.3") << "once shown as 1.23, while the total refused it";
}

}  // namespace
}  // namespace lt
