#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/yearboard/model/recording_view.h"
#include "yearboard/calendar/load_appointments.h"
#include "yearboard/calendar/memory_calendar.h"

namespace yb {
namespace {

class LoadTest : public ::testing::Test {
 protected:
  LoadTest() : planner(view, Formats{}) {
    planner.CategoryList = std::make_unique<cCategories>(planner.flxCategories, AsciiCase());
    planner.CategoryList->Add("Holiday", 65280);
    planner.PreparePlanner();
  }
  void Load(int year) {
    planner.ShownYear = static_cast<std::int16_t>(year);
    planner.BuildYearGrid();
    LoadAppointments(planner, session->CalendarFolder());
  }
  void Open() { session = std::make_unique<CalendarSession>(calendar.CreateApplication()); }
  std::size_t FiledAt(int month, int day) {
    return planner.CellAt(month, planner.MonthTable[month - 1].CellOfFirst() + day - 1)
        .Appointments.size();
  }

  MemoryCalendar calendar;
  std::unique_ptr<CalendarSession> session;
  RecordingView view;
  YearPlanner planner;
};

TEST_F(LoadTest, AYearWithoutAppointmentsShowsAndHidesTheProgressBarAndPaintsNothing) {
  Open();
  calendar.ClearCalls();
  planner.ShownYear = 1998;
  planner.BuildYearGrid();
  const auto colors = [&] {
    std::vector<Color> all;
    for (int m = 0; m <= 12; ++m) {
      for (int c = 0; c <= 37; ++c) all.push_back(planner.flxPlanner.CellBackColor(m, c));
    }
    return all;
  };
  const std::vector<Color> built = colors();
  LoadAppointments(planner, session->CalendarFolder());
  EXPECT_EQ(colors(), built);
  EXPECT_EQ(view.progressShows, 1);
  EXPECT_FALSE(view.progressShown);
  EXPECT_EQ(view.progress, (std::vector<float>{1}));
  EXPECT_EQ(calendar.Calls(),
            (std::vector<std::string>{"Items", "Sort [Start] false", "IncludeRecurrences true",
                                      "Find " + YearFilter(1998)}));
  for (int m = 1; m <= 12; ++m) {
    for (int c = 1; c <= 37; ++c) ASSERT_TRUE(planner.CellAt(m, c).Appointments.empty());
  }
}

TEST_F(LoadTest, FilesInCalendarOrderWithOccurrencesAndProgressByDay) {
  calendar.Add({DateTimeSerial(1998, 5, 7, 10, 0, 0), DateTimeSerial(1998, 5, 7, 11, 0, 0),
                "Holiday", "later", {}});
  calendar.Add({DateTimeSerial(1998, 5, 7, 8, 0, 0), DateTimeSerial(1998, 5, 7, 9, 0, 0),
                "Travel", "earlier", {}});
  // A weekly series: three occurrences, each on its own day.
  calendar.Add({DateTimeSerial(1998, 3, 2, 9, 0, 0), DateTimeSerial(1998, 3, 2, 10, 0, 0),
                "Holiday", "weekly",
                {DateTimeSerial(1998, 3, 2, 9, 0, 0), DateTimeSerial(1998, 3, 9, 9, 0, 0),
                 DateTimeSerial(1998, 3, 16, 9, 0, 0)}});
  calendar.Add({DateTimeSerial(1999, 1, 1, 9, 0, 0), DateTimeSerial(1999, 1, 1, 10, 0, 0),
                "Holiday", "next year", {}});
  Open();
  Load(1998);
  EXPECT_EQ(FiledAt(3, 9), 1u);
  EXPECT_EQ(FiledAt(3, 16), 1u);
  const AppointmentList& day = planner.CellAt(5, planner.MonthTable[4].CellOfFirst() + 6).Appointments;
  ASSERT_EQ(day.size(), 2u);
  EXPECT_EQ(day[0]->Subject(), "earlier");
  EXPECT_EQ(day[1]->Subject(), "later");
  EXPECT_EQ(planner.CategoryList->Item("Holiday")->Appointments.size(), 4u);
  ASSERT_NE(planner.CategoryList->Item("Travel"), nullptr);
  EXPECT_EQ(planner.CategoryList->Item("Travel")->Color(), 255u);
  // Progress: 1 first, then each item's start less 1 January, in days.
  ASSERT_EQ(view.progress.size(), 6u);
  EXPECT_FLOAT_EQ(view.progress[1], static_cast<float>(31 + 28 + 1 + 9.0 / 24));
  EXPECT_FLOAT_EQ(view.progress[5], static_cast<float>(31 + 28 + 31 + 30 + 6 + 10.0 / 24));
  EXPECT_TRUE(std::is_sorted(view.progress.begin() + 1, view.progress.end()));
}

TEST_F(LoadTest, ReloadingEmptiesTheListsAndPicksUpNewItems) {
  calendar.Add({DateTimeSerial(1998, 5, 5, 10, 0, 0), DateTimeSerial(1998, 5, 5, 11, 0, 0),
                "Holiday", "first", {}});
  Open();
  Load(1998);
  calendar.Add({DateTimeSerial(1998, 5, 5, 12, 0, 0), DateTimeSerial(1998, 5, 5, 13, 0, 0),
                "Holiday", "added meanwhile", {}});
  Load(1998);
  EXPECT_EQ(FiledAt(5, 5), 2u);
  EXPECT_EQ(planner.CategoryList->Item("Holiday")->Appointments.size(), 2u);
  Load(1999);
  EXPECT_EQ(FiledAt(5, 5), 0u);
  EXPECT_TRUE(planner.CategoryList->Item("Holiday")->Appointments.empty());
}

TEST_F(LoadTest, ShowYearDisablesTheBandWhileLoadingAndRestoresItOnEveryPath) {
  calendar.Add({DateTimeSerial(1999, 5, 5, 10, 0, 0), DateTimeSerial(1999, 5, 5, 11, 0, 0),
                "Holiday", "first", {}});
  Open();
  ShowYear(planner, session->CalendarFolder(), 1999);
  EXPECT_EQ(view.captions, (std::vector<int>{1999}));
  EXPECT_EQ(planner.ShownYear, 1999);
  EXPECT_EQ(FiledAt(5, 5), 1u);
  EXPECT_TRUE(view.bandEnabled);
  // A failing calendar call is not swallowed, but the buttons and the status bar come back.
  for (const char* member : {"FindNext", "Items"}) {
    calendar.FailOn(member, "The operation failed.");
    EXPECT_THROW(ShowYear(planner, session->CalendarFolder(), 1999), CalendarError) << member;
    EXPECT_TRUE(view.bandEnabled) << member;
    EXPECT_FALSE(view.progressShown) << member;
  }
}

}  // namespace
}  // namespace yb
