// Choosing a category colour: the colour dialog comes up preset, the chosen colour repaints
// the category's days and swatch, and it is saved at close and read at the next start; saved
// settings that do not read are named and left alone until the user chooses.
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

// Saved settings that do not read: the planner still opens, in the defaults, names them, and
// writes over them only once the user has chosen.
TEST(DamagedSettings, AreShownAsDefaultsNamedAndKeptUntilTheUserChooses) {
  const char* kChoiceKey = "Software\\Yearboard\\Calendar";
  const yb::Color blue = yb::Rgb(0, 0, 255);
  auto startAnswering = [](YearboardApp& app, int keepClient) {
    app.Launch();
    const auto question = WaitForMessageBox(app.Program().Id(), 20000);
    ASSERT_TRUE(question.has_value()) << "the calendar choice goes unsaid";
    EXPECT_EQ(question->text, "The saved calendar choice cannot be read, so the calendar client is shown.\n\n"
                              "Do you want to save the calendar client as your choice?");
    Answer(*question, keepClient);
    const auto colours = WaitForMessageBox(app.Program().Id(), 20000);
    ASSERT_TRUE(colours.has_value()) << "the colours go unsaid";
    EXPECT_EQ(colours->text, "The saved colours of these categories cannot be read: Holiday, Travel. They are shown "
                             "in green until you choose their colours.");
    Screenshot(colours->window, "yearboard_unreadable_colours");
    Answer(*colours, IDOK);
    app.WaitForYear();
  };
  {
    YearboardApp app;
    WriteRegistryString(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Holiday", "bright green");
    WriteRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Travel", REG_DWORD, {0, 0, 255, 0});
    WriteRegistry(HKEY_CURRENT_USER, kChoiceKey, "File", REG_DWORD, {1, 0, 0, 0});
    startAnswering(app, IDNO);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(Text(app.Main()), "Yearboard");
    EXPECT_EQ(App::CellColor(app.Categories(), 1, 1), 65280u);
    EXPECT_EQ(App::CellColor(app.Categories(), 2, 1), 65280u);
    EXPECT_FALSE(FindMessageBox(app.Program().Id()).has_value()) << "named once";
    app.Close();
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Holiday")->AsString(), "bright green");
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Travel")->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kChoiceKey, "File")->type, static_cast<DWORD>(REG_DWORD));
  }
  YearboardApp again(false);
  startAnswering(again, IDYES);
  ASSERT_FALSE(HasFatalFailure());
  const auto dialog = OpenColorDialog(again, 2);
  ASSERT_TRUE(dialog.has_value());
  SetEdit(dialog->window, kRedEdit, 0);
  SetEdit(dialog->window, kGreenEdit, 0);
  SetEdit(dialog->window, kBlueEdit, 255);
  Answer(*dialog, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return App::CellColor(again.Categories(), 2, 1) == blue; }));
  again.Close();
  const auto choice = ReadRegistry(HKEY_CURRENT_USER, kChoiceKey, "File");
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(choice->AsString(), "") << "the client, as the user said";
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Travel")->AsString(), "16711680");
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Holiday")->AsString(), "bright green")
      << "never chosen";
}

}  // namespace
}  // namespace e2e
