// Choosing a category colour: the colour dialog comes up preset, the chosen colour repaints
// the category's days and swatch, and it is saved at close and read at the next start.
#include <gtest/gtest.h>

#include "yearboard_app.h"

namespace e2e {
namespace {

using App = YearboardApp;

// The colour dialog's red, green and blue edits.
constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;
const yb::Color kYellow = yb::Rgb(255, 255, 0);

std::optional<MessageBox> OpenColorDialog(YearboardApp& app, int categoryRow) {
  App::DoubleClickCell(app.Categories(), categoryRow, 0);
  return WaitForMessageBox(app.Program().Id(), 10000);
}

void SetEdit(HWND dialog, int id, int value) {
  HWND edit = Child(dialog, id);
  ASSERT_NE(edit, nullptr) << id;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_string(value).c_str()));
}

class Colors : public ::testing::Test {
 protected:
  void SetUp() override {
    const int y = CurrentYear();
    // Travel yellow, so that a repaint of Holiday shows where Travel was marked later.
    WriteRegistryString(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Travel", std::to_string(kYellow));
    app.WriteCalendar({
        {Date(y, 5, 5), Date(y, 5, 7), "Holiday week", "Holiday"},
        {DateTime(y, 5, 6, 14), DateTime(y, 5, 6, 15), "Trip", "Travel"},
    });
    app.Start();
    may5 = app.DayColumn(5, 5);
    may6 = app.DayColumn(5, 6);
  }
  void TearDown() override {
    if (app.Program().Running()) app.Close();
  }

  YearboardApp app;
  int may5 = 0, may6 = 0;
};

TEST_F(Colors, AChosenColourRepaintsTheCategoryAndIsSavedAtClose) {
  const auto dialog = OpenColorDialog(app, 1);
  ASSERT_TRUE(dialog.has_value());
  EXPECT_EQ(Text(Child(dialog->window, kGreenEdit)), "255");  // preset to the green of Holiday
  SetEdit(dialog->window, kRedEdit, 0);
  SetEdit(dialog->window, kGreenEdit, 0);
  SetEdit(dialog->window, kBlueEdit, 255);
  Screenshot(dialog->window, "yearboard_color_dialog");
  Answer(*dialog, IDOK);
  HWND grid = app.Planner();
  const yb::Color blue = yb::Rgb(0, 0, 255);
  ASSERT_TRUE(WaitUntil([&] { return App::CellColor(app.Categories(), 1, 1) == blue; }));
  app.Settle();
  EXPECT_EQ(App::CellColor(grid, 5, may5), blue);
  // The repaint covers every day of the category, also where a later item was marked.
  EXPECT_EQ(App::CellColor(grid, 5, may6), blue);
  app.Close();
  const auto saved = ReadRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Holiday");
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(saved->AsString(), "16711680");

  YearboardApp again(false);
  again.WriteCalendar({});
  again.Start();
  EXPECT_EQ(App::CellColor(again.Categories(), 1, 1), blue);
  EXPECT_EQ(App::CellColor(again.Categories(), 2, 1), kYellow);
  again.Close();
}

TEST_F(Colors, CancellingKeepsTheColourAndStillRepaints) {
  HWND grid = app.Planner();
  // Travel was marked last on 6 May.
  ASSERT_EQ(App::CellColor(grid, 5, may6), kYellow);
  const auto dialog = OpenColorDialog(app, 1);
  ASSERT_TRUE(dialog.has_value());
  Answer(*dialog, IDCANCEL);
  app.Settle();
  EXPECT_FALSE(FindMessageBox(app.Program().Id()).has_value());
  EXPECT_EQ(App::CellColor(app.Categories(), 1, 1), 65280u);
  EXPECT_EQ(App::CellColor(grid, 5, may5), 65280u);
  // The repaint went over the day where Travel was marked later.
  EXPECT_EQ(App::CellColor(grid, 5, may6), 65280u);
}

TEST_F(Colors, ClickingTheCategoriesSelectsTheNameColumn) {
  App::ClickCell(app.Categories(), 2, 1);
  app.Settle();
  EXPECT_EQ(App::Current(app.Categories()), (std::pair<int, int>{2, 0}));
  App::ClickCell(app.Categories(), 0, 1);
  app.Settle();
  EXPECT_EQ(App::Current(app.Categories()), (std::pair<int, int>{1, 0}));
}

}  // namespace
}  // namespace e2e
