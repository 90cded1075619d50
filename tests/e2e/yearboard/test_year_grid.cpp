// The planner shows a year: the grid with day numbers and weekend colours, the categories
// from the client's master list, and the appointments painted in their category colours.
#include <gtest/gtest.h>

#include "yearboard/base/ole_date.h"
#include "yearboard_app.h"

namespace e2e {
namespace {

using App = YearboardApp;

TEST(YearGrid, ShowsTheCurrentYearWithWeekendColoursAndTheMasterCategories) {
  YearboardApp app;
  app.Start();
  const int year = CurrentYear();
  EXPECT_EQ(app.Year(), std::to_string(year));
  EXPECT_EQ(Text(app.Main()), "Yearboard");
  HWND grid = app.Planner();
  std::string letters;
  for (int c = 1; c <= 37; ++c) letters += App::CellText(grid, 0, c);
  EXPECT_EQ(letters, "MTWTFSSMTWTFSSMTWTFSSMTWTFSSMTWTFSSMT");
  for (int m = 1; m <= 12; ++m) {
    // Monday-first column of day 1, from the weekday (1 = Sunday).
    const int first = (yb::Weekday(yb::DateSerial(year, m, 1)) + 5) % 7 + 1;
    const int days = static_cast<int>(yb::DateSerial(year, m + 1, 1) - yb::DateSerial(year, m, 1));
    for (int c = 1; c <= 37; ++c) {
      const bool day = c >= first && c < first + days;
      const std::string text = App::CellText(grid, m, c);
      ASSERT_EQ(text, day ? std::to_string(c - first + 1) : "") << m << "/" << c;
      const yb::Color expected = !day ? yb::kSys3DHighlight
                                 : App::CellText(grid, 0, c) == "S" ? yb::kSys3DLight
                                                                    : yb::kSysWindow;
      ASSERT_EQ(App::CellColor(grid, m, c), expected) << m << "/" << c;
    }
  }
  HWND categories = app.Categories();
  ASSERT_EQ(App::Rows(categories), 3);
  EXPECT_EQ(App::CellText(categories, 0, 0), "Categories");
  EXPECT_EQ(App::CellText(categories, 1, 0), "Holiday");
  EXPECT_EQ(App::CellText(categories, 2, 0), "Travel");
  EXPECT_EQ(App::CellColor(categories, 1, 1), 65280u);
  EXPECT_EQ(App::CellColor(categories, 2, 1), 65280u);
  // The categories in the window's font, the year grid in its own 8 points.
  EXPECT_EQ(App::FontName(categories), "Tahoma");
  EXPECT_EQ(App::FontSize(categories, 1, 0), 8.25);
  EXPECT_EQ(App::FontName(grid), "Tahoma");
  EXPECT_EQ(App::FontSize(grid, 1, 0), 8);
  EXPECT_EQ(app.Status(), "");
  // After the load the progress bar is gone and the status bar back.
  EXPECT_FALSE(Visible(app.Control(IDC_PBRPROGRESS)));
  EXPECT_TRUE(Visible(app.Control(IDC_SBRSTATUS)));
  EXPECT_TRUE(IsWindowEnabled(app.Control(IDC_PICBAND)));
  Screenshot(app.Main(), "yearboard_empty_year");
  app.Close();
}

TEST(YearGrid, PaintsAppointmentsInCategoryColoursAndListsNewCategoriesInRed) {
  YearboardApp app;
  const int y = CurrentYear();
  WriteRegistryString(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Travel", "16711680");
  // The master list is in the system's code page (1252 here), the calendar file in UTF-8.
  app.SetMasterList("Holiday;Travel;Gesch\xE4" "ft;");
  app.WriteCalendar({
      {Date(y, 5, 5), Date(y, 5, 8), "Holiday week", "Holiday"},
      {DateTime(y, 3, 12, 10), DateTime(y, 3, 12, 11), "Flight", "Travel"},
      {DateTime(y, 2, 2, 9), DateTime(y, 2, 2, 10), "Keynote", "Conference"},
      {DateTime(y, 6, 20, 9), DateTime(y, 6, 20, 10), "Dentist", ""},
      {DateTime(y, 9, 7, 10), DateTime(y, 9, 9, 11), "Trip", "travel"},
      {DateTime(y, 10, 5, 23), DateTime(y, 10, 6, 1), "Night shift", "Travel"},
      {DateTime(y, 11, 3, 9), DateTime(y, 11, 3, 10), "Audit", "GESCH\xC3\x84" "FT"},
  });
  app.Start();
  HWND grid = app.Planner();
  const auto color = [&](int m, int d) { return App::CellColor(grid, m, app.DayColumn(m, d)); };
  EXPECT_EQ(color(5, 5), 65280u);
  EXPECT_EQ(color(5, 6), 65280u);
  EXPECT_EQ(color(5, 7), 65280u);
  EXPECT_NE(color(5, 8), 65280u);
  EXPECT_EQ(color(3, 12), 16711680u);
  EXPECT_EQ(color(2, 2), 255u);
  EXPECT_EQ(color(6, 20), yb::kSysInactiveCaption);
  // Every day an appointment covers, in the category written in another letter case.
  EXPECT_EQ(color(9, 7), 16711680u);
  EXPECT_EQ(color(9, 8), 16711680u);
  EXPECT_EQ(color(9, 9), 16711680u);
  EXPECT_NE(color(9, 10), 16711680u);
  // Overnight: both days.
  EXPECT_EQ(color(10, 5), 16711680u);
  EXPECT_EQ(color(10, 6), 16711680u);
  EXPECT_NE(color(10, 7), 16711680u);
  // The day numbers stay.
  EXPECT_EQ(App::CellText(grid, 5, app.DayColumn(5, 6)), "6");
  // Letter case is folded beyond A to Z: the listed category, not a new red one.
  EXPECT_EQ(color(11, 3), 65280u);
  HWND categories = app.Categories();
  ASSERT_EQ(App::Rows(categories), 5);
  EXPECT_EQ(App::CellText(categories, 3, 0), "Gesch\xE4" "ft");
  EXPECT_EQ(App::CellText(categories, 4, 0), "Conference");
  EXPECT_EQ(App::CellColor(categories, 4, 1), 255u);
  EXPECT_EQ(App::CellColor(categories, 2, 1), 16711680u);
  Screenshot(app.Main(), "yearboard_full_year");
  app.Close();
  // Every category is saved at the end, also the one met on an appointment.
  const auto saved = ReadRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Conference");
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(saved->AsString(), "255");
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Holiday")->AsString(), "65280");
}

TEST(YearGrid, WithoutAMasterListOnlyAppointmentsBringCategories) {
  YearboardApp app;
  app.RemoveMasterList();
  const int y = CurrentYear();
  app.WriteCalendar({{DateTime(y, 4, 1, 9), DateTime(y, 4, 1, 10), "Review", "Work"}});
  app.Start();
  HWND categories = app.Categories();
  ASSERT_EQ(App::Rows(categories), 2);
  EXPECT_EQ(App::CellText(categories, 1, 0), "Work");
  EXPECT_EQ(App::CellColor(categories, 1, 1), 255u);
  app.Close();
}

TEST(YearGrid, WhileAYearLoadsTheBandIsDisabledAndTheProgressBarShown) {
  YearboardApp app;
  const int y = CurrentYear();
  std::vector<Event> events;
  for (int i = 0; i < 8000; ++i) {
    const int month = 1 + i % 12, day = 1 + i % 28, hour = 8 + i % 10;
    events.push_back({DateTime(y, month, day, hour), DateTime(y, month, day, hour + 1), "Busy", "Travel"});
  }
  app.WriteCalendar(events);
  app.Start();
  HWND band = app.Control(IDC_PICBAND);
  HWND progress = app.Control(IDC_PBRPROGRESS);
  PostMessageA(app.Planner(), WM_KEYUP, VK_F5, 0);
  bool sawDisabled = false, sawProgress = false;
  for (int i = 0; i < 4000 && !(sawDisabled && sawProgress); ++i) {
    sawDisabled = sawDisabled || !IsWindowEnabled(band);
    sawProgress = sawProgress || Visible(progress);
  }
  EXPECT_TRUE(sawDisabled);
  EXPECT_TRUE(sawProgress);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(band) && !Visible(progress); }, 20000));
  EXPECT_TRUE(Visible(app.Control(IDC_SBRSTATUS)));
  app.Close();
}

}  // namespace
}  // namespace e2e
