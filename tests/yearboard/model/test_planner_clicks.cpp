#include <gtest/gtest.h>

#include <memory>

#include "tests/yearboard/model/recording_view.h"
#include "yearboard/model/planner_clicks.h"

namespace yb {
namespace {

struct Item : Appointment {
  Item(OleDate start, std::string categories, std::string subject)
      : start(start), categories(std::move(categories)), subject(std::move(subject)) {}
  OleDate Start() override { return start; }
  OleDate End() override { return start; }
  std::string Categories() override { return categories; }
  std::string Subject() override { return subject; }
  std::unique_ptr<Inspector> GetInspector() override { return nullptr; }
  OleDate start;
  std::string categories, subject;
};

class Clicks : public ::testing::Test {
 protected:
  Clicks() : planner(view, Formats{}) {
    planner.CategoryList = std::make_unique<cCategories>(planner.flxCategories, AsciiCase());
    planner.PreparePlanner();
    planner.ShownYear = 1998;
    planner.BuildYearGrid();
  }
  AppointmentItem File(int row, int col, OleDate start, const std::string& category,
                       const std::string& subject) {
    auto item = std::make_shared<Item>(start, category, subject);
    planner.CellAt(row, col).Appointments.push_back(item);
    return item;
  }

  RecordingView view;
  YearPlanner planner;
};

TEST_F(Clicks, ADayShowsItsEarliestAppointmentAndSelectsItsCategory) {
  planner.CategoryList->Add("Holiday", 65280);
  planner.CategoryList->Add("Travel", 255);
  // 5 May 1998 is in column 5 + 5 - 1 = 9.
  const AppointmentItem first = File(5, 9, DateTimeSerial(1998, 5, 5, 10, 0, 0), "travel", "Flight");
  File(5, 9, DateTimeSerial(1998, 5, 5, 12, 0, 0), "Holiday", "Lunch");
  File(5, 9, DateTimeSerial(1998, 5, 5, 14, 0, 0), "", "Call");
  ClickYearGrid(planner, 5, 9);
  EXPECT_EQ(view.status.back(), "5/5/1998 10:00:00 AM - Flight");
  EXPECT_EQ(planner.flxCategories.Row(), 2);
  EXPECT_EQ(planner.flxPlanner.Row(), 5);
  EXPECT_EQ(planner.flxPlanner.Col(), 9);
  EXPECT_EQ(ItemToOpen(planner), first);
  EXPECT_TRUE(planner.flxPlanner.Redraw());
}

TEST_F(Clicks, AnAllDayStartLeavesOutTheTime) {
  File(1, 4, DateSerial(1998, 1, 1), "", "New Year");
  ClickYearGrid(planner, 1, 4);
  EXPECT_EQ(view.status.back(), "1/1/1998 - New Year");
  EXPECT_EQ(planner.flxCategories.Row(), 0);  // no category: the categories grid is untouched
}

TEST_F(Clicks, HeaderRowAndMonthColumnActOnJanuaryAndColumnOne) {
  const AppointmentItem item = File(1, 6, DateSerial(1998, 1, 3), "", "Header");
  ClickYearGrid(planner, 0, 6);
  EXPECT_EQ(planner.flxPlanner.Row(), 1);
  EXPECT_EQ(planner.flxPlanner.Col(), 6);
  EXPECT_EQ(view.status.back(), "1/3/1998 - Header");
  File(6, 1, DateSerial(1998, 6, 1), "", "June first");
  ClickYearGrid(planner, 6, 0);
  EXPECT_EQ(planner.flxPlanner.Col(), 1);
  EXPECT_EQ(view.status.back(), "6/1/1998 - June first");
  ClickYearGrid(planner, 0, 0);
  EXPECT_EQ(planner.flxPlanner.Row(), 1);
  EXPECT_EQ(planner.flxPlanner.Col(), 1);
}

TEST_F(Clicks, BlankSlotsAndEmptyDaysClearThePanel) {
  File(5, 9, DateSerial(1998, 5, 5), "", "Something");
  ClickYearGrid(planner, 5, 9);
  ClickYearGrid(planner, 1, 1);  // before 1 January: a blank slot
  EXPECT_EQ(view.status.back(), "");
  EXPECT_EQ(ItemToOpen(planner), nullptr);
  ClickYearGrid(planner, 5, 9);
  ClickYearGrid(planner, 5, 10);
  EXPECT_EQ(view.status.back(), "");
}

TEST_F(Clicks, CategoriesGridSelectsTheNameColumn) {
  ClickCategoriesGrid(planner, 1);  // no rows yet: nothing happens
  EXPECT_EQ(planner.flxCategories.Row(), 0);
  EXPECT_EQ(CategoryToEdit(planner), nullptr);
  planner.CategoryList->Add("Holiday", 65280);
  planner.CategoryList->Add("Travel", 255);
  planner.flxCategories.SetCol(1);
  ClickCategoriesGrid(planner, 2);
  EXPECT_EQ(planner.flxCategories.Row(), 2);
  EXPECT_EQ(planner.flxCategories.Col(), 0);
  EXPECT_EQ(CategoryToEdit(planner)->Name(), "Travel");
  ClickCategoriesGrid(planner, 0);
  EXPECT_EQ(CategoryToEdit(planner)->Name(), "Holiday");
}

TEST(ReloadKey, OnlyAPlainF5) {
  EXPECT_TRUE(IsReloadKey(116, false, false, false));
  EXPECT_FALSE(IsReloadKey(116, true, false, false));
  EXPECT_FALSE(IsReloadKey(116, false, true, false));
  EXPECT_FALSE(IsReloadKey(116, false, false, true));
  EXPECT_FALSE(IsReloadKey(117, false, false, false));
}

}  // namespace
}  // namespace yb
