#include <gtest/gtest.h>

#include <string>

#include "tests/yearboard/model/recording_view.h"
#include "yearboard/model/year_planner.h"

namespace yb {
namespace {

class YearGrid : public ::testing::Test {
 protected:
  YearGrid() : planner(view, Formats{}) { planner.PreparePlanner(); }
  void Show(int year) {
    planner.ShownYear = static_cast<std::int16_t>(year);
    planner.BuildYearGrid();
  }
  const GridModel& grid() const { return planner.flxPlanner; }

  RecordingView view;
  YearPlanner planner;
};

TEST_F(YearGrid, HeaderLettersStartOnMonday) {
  std::string letters;
  for (int c = 1; c <= kDayColumns; ++c) letters += grid().Text(0, c);
  EXPECT_EQ(letters, "MTWTFSSMTWTFSSMTWTFSSMTWTFSSMTWTFSSMT");
  for (int c = 1; c <= kDayColumns; ++c) {
    const bool weekend = grid().Text(0, c) == "S";
    EXPECT_EQ(grid().CellBackColor(0, c), weekend ? kSys3DHighlight : kSysButtonFace) << c;
    EXPECT_EQ(grid().CellFontSize(0, c), 6);
    EXPECT_EQ(grid().ColWidth(c), 240);
    EXPECT_EQ(grid().CellAlignment(0, c), Alignment::CenterCenter);
  }
  EXPECT_EQ(grid().FontName(), "Tahoma");
  EXPECT_EQ(grid().FontSize(), 8);
  EXPECT_EQ(grid().FixedRows(), 1);
  EXPECT_EQ(grid().Row(), 1);
  EXPECT_EQ(grid().Col(), 1);
}

TEST_F(YearGrid, January1998StartsInColumnFour) {
  Show(1998);
  EXPECT_EQ(grid().Text(1, 0), "January");
  EXPECT_EQ(grid().Text(12, 0), "December");
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(planner.CellAt(1, c).DayNumber, 0);
    EXPECT_EQ(grid().Text(1, c), "");
    EXPECT_EQ(grid().CellBackColor(1, c), kSys3DHighlight);
  }
  EXPECT_EQ(grid().Text(1, 4), "1");
  EXPECT_EQ(planner.CellAt(1, 34).DayNumber, 31);
  EXPECT_EQ(grid().Text(1, 34), "31");
  EXPECT_EQ(grid().CellAlignment(1, 34), Alignment::LeftTop);
  EXPECT_EQ(grid().CellFontSize(1, 34), 6);
  for (int c = 35; c <= 37; ++c) EXPECT_EQ(planner.CellAt(1, c).DayNumber, 0);
  // 3 and 4 January fall on the weekend columns 6 and 7.
  EXPECT_EQ(grid().Text(1, 6), "3");
  EXPECT_EQ(grid().CellBackColor(1, 6), kSys3DLight);
  EXPECT_EQ(grid().CellBackColor(1, 7), kSys3DLight);
  EXPECT_EQ(grid().CellBackColor(1, 5), kSysWindow);
  // March 1998 fills columns 7 to 37.
  EXPECT_EQ(grid().Text(3, 7), "1");
  EXPECT_EQ(grid().Text(3, 37), "31");
  EXPECT_EQ(planner.MonthTable[2].CellOfFirst(), 7);
  EXPECT_EQ(view.status.back(), "");
}

TEST_F(YearGrid, EveryYearShownKeepsTheWeekendColumnsAndReplacesTheCells) {
  Show(1998);
  planner.CellAt(5, 5).Appointments.push_back(nullptr);
  for (int year : {1999, 2000, 1900, 2100}) {
    Show(year);
    for (int m = 1; m <= kMonthRows; ++m) {
      const cMonth& month = planner.MonthTable[m - 1];
      int days = 0;
      for (int c = 1; c <= kDayColumns; ++c) {
        const cCell& cell = planner.CellAt(m, c);
        ASSERT_TRUE(cell.Appointments.empty());
        if (cell.DayNumber == 0) {
          ASSERT_EQ(grid().Text(m, c), "");
          ASSERT_EQ(grid().CellBackColor(m, c), kSys3DHighlight);
          continue;
        }
        ++days;
        ASSERT_EQ(cell.DayNumber, c - month.CellOfFirst() + 1);
        ASSERT_EQ(grid().Text(m, c), std::to_string(cell.DayNumber));
        const bool weekend = grid().Text(0, c) == "S";
        ASSERT_EQ(grid().CellBackColor(m, c), weekend ? kSys3DLight : kSysWindow) << year << m << c;
      }
      ASSERT_EQ(days, month.NumberOfDays());
    }
  }
  EXPECT_EQ(planner.CellAt(2, planner.MonthTable[1].CellOfFirst() + 28).DayNumber, 0);  // 2100
}

TEST_F(YearGrid, TheBuildRedrawsOnceAtTheEnd) {
  int reports = 0;
  planner.flxPlanner.SetListener([&](const CellSpan*) { ++reports; });
  Show(2026);
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(grid().Redraw());
}

}  // namespace
}  // namespace yb
