#include <gtest/gtest.h>

#include <memory>

#include "tests/yearboard/model/recording_view.h"
#include "yearboard/calendar/mark_date.h"
#include "yearboard/model/day_categories.h"

namespace yb {
namespace {

struct Item : Appointment {
  Item(OleDate start, OleDate end, std::string categories, std::string subject = "")
      : start(start), end(end), categories(std::move(categories)), subject(std::move(subject)) {}
  OleDate Start() override { return start; }
  OleDate End() override { return end; }
  std::string Categories() override { return categories; }
  std::string Subject() override { return subject; }
  std::unique_ptr<Inspector> GetInspector() override { return nullptr; }
  OleDate start, end;
  std::string categories, subject;
};

OleDate At(int month, int day, int hour) { return DateTimeSerial(1998, month, day, hour, 0, 0); }

class MarkDateTest : public ::testing::Test {
 protected:
  MarkDateTest() : planner(view, Formats{}) {
    planner.CategoryList = std::make_unique<cCategories>(planner.flxCategories, AsciiCase());
    planner.CategoryList->Add("Holiday", 65280);
    planner.PreparePlanner();
    planner.ShownYear = 1998;
    planner.BuildYearGrid();
  }
  AppointmentItem Mark(OleDate start, OleDate end, const std::string& category = "Holiday") {
    AppointmentItem item = std::make_shared<Item>(start, end, category);
    MarkDate(planner, item, true);
    return item;
  }
  // The column of a day of 1998 (1 May 1998 was a Friday: column 5).
  int Col(int month, int day) { return planner.MonthTable[month - 1].CellOfFirst() + day - 1; }
  Color Painted(int month, int day) { return planner.flxPlanner.CellBackColor(month, Col(month, day)); }
  std::size_t Filed(int month, int day) { return planner.CellAt(month, Col(month, day)).Appointments.size(); }
  // The days of 1998 for which `holds` is true, as "5/5,5/6,".
  template <class Predicate>
  std::string DaysWhere(Predicate holds) {
    std::string days;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= planner.MonthTable[m - 1].NumberOfDays(); ++d) {
        if (holds(m, d)) days += std::to_string(m) + "/" + std::to_string(d) + ",";
      }
    }
    return days;
  }
  std::string DaysPainted(Color color) {
    return DaysWhere([&](int m, int d) { return Painted(m, d) == color; });
  }
  std::string DaysFiled() {
    return DaysWhere([&](int m, int d) { return Filed(m, d) != 0; });
  }

  RecordingView view;
  YearPlanner planner;
};

TEST_F(MarkDateTest, PaintsEveryDayTheAppointmentCovers) {
  struct Case {
    OleDate start, end;
    const char* days;
  };
  const Case cases[] = {
      {At(5, 5, 23), At(5, 6, 1), "5/5,5/6,"},       // overnight
      {At(5, 5, 10), At(5, 7, 11), "5/5,5/6,5/7,"},
      {At(5, 5, 10), At(5, 7, 9), "5/5,5/6,5/7,"},   // ends earlier in the day than it began
      {At(5, 5, 0), At(5, 8, 0), "5/5,5/6,5/7,"},    // all day: an end at 00:00 is the day before's
      {At(5, 5, 10), At(5, 5, 11), "5/5,"},
      {At(5, 5, 0), At(5, 5, 0), "5/5,"},            // no length
      {At(5, 5, 10), At(5, 5, 9), "5/5,"},           // ends before it starts
      {At(5, 5, 22), At(5, 6, 0), "5/5,"},
  };
  for (const Case& test : cases) {
    planner.BuildYearGrid();
    const AppointmentItem item = Mark(test.start, test.end);
    EXPECT_EQ(DaysPainted(65280), test.days) << test.start << " " << test.end;
    EXPECT_EQ(DaysFiled(), test.days) << test.start << " " << test.end;
    planner.CategoryList->Item("Holiday")->Appointments.clear();
  }
  // A month long, across the turn of the month.
  planner.BuildYearGrid();
  Mark(At(5, 5, 10), At(6, 5, 10));
  std::string month;
  for (int d = 5; d <= 31; ++d) month += "5/" + std::to_string(d) + ",";
  for (int d = 1; d <= 5; ++d) month += "6/" + std::to_string(d) + ",";
  EXPECT_EQ(DaysPainted(65280), month);
  EXPECT_EQ(DaysFiled(), month);
}

TEST_F(MarkDateTest, PaintsAndFilesIntoCellAndCategory) {
  const AppointmentItem item = Mark(At(5, 5, 0), At(5, 8, 0));
  EXPECT_EQ(planner.CellAt(5, Col(5, 6)).Appointments.front(), item);
  EXPECT_EQ(Filed(5, 8), 0u);
  EXPECT_EQ(planner.CategoryList->Item("holiday")->Appointments.size(), 1u);
  // The day number text is left as it was.
  EXPECT_EQ(planner.flxPlanner.Text(5, Col(5, 6)), "6");
  EXPECT_TRUE(planner.flxPlanner.Redraw());
}

TEST_F(MarkDateTest, TwoCategoriesOnOneDayShowTheLaterOne) {
  planner.CategoryList->Add("Travel", Rgb(0, 0, 255));
  const AppointmentItem first = Mark(At(5, 5, 9), At(5, 5, 10), "Holiday");
  const AppointmentItem second = Mark(At(5, 5, 14), At(5, 5, 15), "travel");
  EXPECT_EQ(Painted(5, 5), Rgb(0, 0, 255));
  const AppointmentList& list = planner.CellAt(5, Col(5, 5)).Appointments;
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], first);
  EXPECT_EQ(list[1], second);
  EXPECT_EQ(planner.CategoryList->Item("Travel")->Appointments.size(), 1u);
}

TEST_F(MarkDateTest, NoCategoryPaintsInactiveCaptionAndFilesOnlyInCells) {
  Mark(At(7, 1, 9), At(7, 1, 10), "");
  EXPECT_EQ(Painted(7, 1), kSysInactiveCaption);
  EXPECT_EQ(Filed(7, 1), 1u);
  EXPECT_EQ(planner.CategoryList->Count(), 1);
  EXPECT_TRUE(planner.CategoryList->Item("Holiday")->Appointments.empty());
}

TEST_F(MarkDateTest, ANewCategoryGainsARedRow) {
  Mark(At(5, 5, 10), At(5, 7, 11), "Conference");
  cCategory* added = planner.CategoryList->Item("Conference");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->Color(), 255u);
  EXPECT_EQ(added->Row(), 2);
  EXPECT_EQ(planner.flxCategories.Text(2, 0), "Conference");
  EXPECT_EQ(planner.flxCategories.CellBackColor(2, 1), 255u);
  EXPECT_EQ(Painted(5, 6), 255u);
  EXPECT_EQ(added->Appointments.size(), 1u);  // once, though two days were painted
  EXPECT_EQ(ColorForCategory(planner, "conference"), 255u);
  EXPECT_EQ(planner.CategoryList->Count(), 2);
}

TEST_F(MarkDateTest, ACategoryMetOnlyOnAnUnpaintedItemIsStillListed) {
  // Nothing of it falls in the shown year.
  const AppointmentItem item = Mark(DateTimeSerial(1997, 5, 5, 10, 0, 0), DateTimeSerial(1997, 5, 5, 11, 0, 0), "Night");
  EXPECT_EQ(DaysFiled(), "");
  ASSERT_NE(planner.CategoryList->Item("Night"), nullptr);
  EXPECT_EQ(planner.CategoryList->Item("Night")->Appointments.front(), item);
}

TEST_F(MarkDateTest, RepaintingPaintsOverLaterItemsAndFilesNothing) {
  planner.CategoryList->Add("Travel", Rgb(0, 0, 255));
  const AppointmentItem holiday = Mark(At(5, 5, 9), At(5, 5, 10), "Holiday");
  Mark(At(5, 5, 14), At(5, 5, 15), "Travel");
  planner.CategoryList->Item("Holiday")->SetColor(Rgb(255, 255, 0));
  MarkDate(planner, holiday, false);
  EXPECT_EQ(Painted(5, 5), Rgb(255, 255, 0));
  EXPECT_EQ(Filed(5, 5), 2u);
  EXPECT_EQ(planner.CategoryList->Item("Holiday")->Appointments.size(), 1u);
}

TEST_F(MarkDateTest, AllCategoriesOfADayShowAsStripesInTableOrder) {
  const Color blue = Rgb(0, 0, 255), yellow = Rgb(255, 255, 0);
  planner.CategoryList->Add("Travel", blue);
  const auto stripes = [&](int month, int day) { return planner.flxPlanner.CellStripes(month, Col(month, day)); };
  Mark(At(5, 5, 9), At(5, 5, 10), "Travel");
  Mark(At(5, 5, 11), At(5, 6, 10), "");
  Mark(At(5, 5, 14), At(5, 5, 15), "HOLIDAY");
  Mark(At(5, 5, 16), At(5, 5, 17), "Holiday");
  EXPECT_TRUE(stripes(5, 5).empty()) << "off: one colour a day";
  EXPECT_EQ(Painted(5, 5), 65280u);

  planner.ShowAllCategories = true;
  PaintAllDayStripes(planner);
  EXPECT_EQ(stripes(5, 5), (std::vector<Color>{65280u, blue, kSysInactiveCaption}));
  EXPECT_TRUE(stripes(5, 6).empty()) << "one category: the day's own colour";
  EXPECT_EQ(Painted(5, 5), 65280u) << "the day's colour stays the last marked one";
  Mark(At(5, 6, 12), At(5, 6, 13), "Travel");  // marked while on
  EXPECT_EQ(stripes(5, 6), (std::vector<Color>{blue, kSysInactiveCaption}));

  // A colour change repaints through MarkDate, stripes included.
  cCategory* travel = planner.CategoryList->Item("Travel");
  travel->EditColor([&](Color) { return yellow; },
                    [&](const AppointmentItem& item) { MarkDate(planner, item, false); });
  EXPECT_EQ(stripes(5, 5), (std::vector<Color>{65280u, yellow, kSysInactiveCaption}));
  EXPECT_EQ(stripes(5, 6), (std::vector<Color>{yellow, kSysInactiveCaption}));

  planner.ShowAllCategories = false;
  PaintAllDayStripes(planner);
  EXPECT_TRUE(stripes(5, 5).empty());
  planner.ShowAllCategories = true;
  PaintAllDayStripes(planner);
  planner.BuildYearGrid();  // the next year shown starts without stripes
  EXPECT_TRUE(stripes(5, 5).empty());
  EXPECT_TRUE(planner.CellAt(5, Col(5, 5)).CategoryNames.empty());
}

TEST_F(MarkDateTest, DaysAfterTheEndOfTheYearAreNotMarked) {
  Mark(At(12, 30, 10), DateTimeSerial(1999, 1, 3, 11, 0, 0));
  EXPECT_EQ(Painted(12, 30), 65280u);
  EXPECT_EQ(Painted(12, 31), 65280u);
  for (int d = 1; d <= 3; ++d) {
    EXPECT_NE(Painted(1, d), 65280u);
    EXPECT_EQ(Filed(1, d), 0u);
  }
}

}  // namespace
}  // namespace yb
