#include <gtest/gtest.h>

#include "tests/yearboard/model/recording_view.h"
#include "yearboard/calendar/load_appointments.h"
#include "yearboard/calendar/memory_calendar.h"
#include "yearboard/sheet/year_sheet.h"

namespace yb {
namespace {

constexpr Color kBlue = Rgb(0, 0, 255);

class YearSheetTest : public ::testing::Test {
 protected:
  YearSheetTest() : planner(view, Formats{}) {
    planner.CategoryList = std::make_unique<cCategories>(planner.flxCategories, AsciiCase());
    planner.CategoryList->Add("Holiday", 65280);
    planner.CategoryList->Add("Idle", 999);  // no appointment this year
    planner.CategoryList->Add("Travel", kBlue);
    planner.PreparePlanner();
  }
  void Add(int month, int day, const std::string& category) {
    calendar.Add({DateTimeSerial(2026, month, day, 9, 0, 0), DateTimeSerial(2026, month, day, 10, 0, 0), category,
                  "Item", {}});
  }
  void Show() {
    CalendarSession session(calendar.CreateApplication());
    ShowYear(planner, session.CalendarFolder(), 2026);
  }

  MemoryCalendar calendar;
  RecordingView view;
  YearPlanner planner;
};

TEST_F(YearSheetTest, TheSheetShowsWhatTheYearGridShows) {
  Add(5, 5, "holiday");
  Add(5, 6, "Travel");
  Add(5, 6, "");
  Add(5, 6, "Holiday");
  planner.ShowAllCategories = true;
  Show();
  const YearSheet sheet = BuildYearSheet(planner, "sample.ics", "Printed 12/8/2026");
  EXPECT_EQ(sheet.title, "2026 - sample.ics");
  EXPECT_EQ(sheet.footer, "Printed 12/8/2026");
  // Weeks start on Monday: columns 1, 6, 7 and 37.
  EXPECT_EQ(sheet.weekdays[0], "Mon");
  EXPECT_EQ(sheet.weekdays[5], "Sat");
  EXPECT_EQ(sheet.weekdays[6], "Sun");
  EXPECT_EQ(sheet.weekdays[36], "Tue");
  EXPECT_EQ(sheet.months[0], "January");
  EXPECT_EQ(sheet.months[11], "December");
  EXPECT_EQ(sheet.days[0][3].number, 1) << "1 January 2026 was a Thursday";
  EXPECT_EQ(sheet.days[0][2].number, 0);
  for (int m = 1; m <= kMonthRows; ++m) {
    for (int c = 1; c <= kDayColumns; ++c) {
      const SheetDay& day = sheet.days[m - 1][c - 1];
      EXPECT_EQ(day.number, planner.CellAt(m, c).DayNumber) << m << "/" << c;
      EXPECT_EQ(day.color, planner.flxPlanner.CellBackColor(m, c)) << m << "/" << c;
      EXPECT_EQ(day.stripes, planner.flxPlanner.CellStripes(m, c)) << m << "/" << c;
    }
  }
  const int may6 = planner.MonthTable[4].CellOfFirst() + 5;
  EXPECT_EQ(sheet.days[4][may6 - 1].stripes, (std::vector<Color>{65280u, kBlue, kSysInactiveCaption}));
  ASSERT_EQ(sheet.legend.size(), 3u);
  EXPECT_EQ(sheet.legend[0].name, "Holiday");
  EXPECT_EQ(sheet.legend[0].color, 65280u);
  EXPECT_EQ(sheet.legend[1].name, "Travel");
  EXPECT_EQ(sheet.legend[2].name, "No category");
  EXPECT_EQ(sheet.legend[2].color, kSysInactiveCaption);
}

TEST_F(YearSheetTest, TheLegendListsOnlyWhatTheYearHolds) {
  Add(3, 1, "Travel");
  Show();
  const YearSheet sheet = BuildYearSheet(planner, "Calendar client", "");
  ASSERT_EQ(sheet.legend.size(), 1u);
  EXPECT_EQ(sheet.legend[0].name, "Travel");
  EXPECT_TRUE(sheet.days[2][planner.MonthTable[2].CellOfFirst() - 1].stripes.empty());
}

TEST(SheetFooter, TheDateIsInTheSystemsShortDateFormat) {
  Formats formats;
  const OleDate day = DateSerial(2026, 12, 8);
  EXPECT_EQ(SheetFooter("Printed", day, formats), "Printed 12/8/2026");
  formats.shortDate = "dd.MM.yyyy";
  EXPECT_EQ(SheetFooter("Saved", day, formats), "Saved 08.12.2026");
}

}  // namespace
}  // namespace yb
