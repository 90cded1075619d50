#include <gtest/gtest.h>

#include <stdexcept>

#include "yearboard/model/categories.h"

namespace yb {
namespace {

// Letter case of a code page with letters beyond A to Z, here also the A with diaeresis.
class WiderCase : public TextCase {
 public:
  std::string Fold(const std::string& text) const override {
    std::string out = AsciiCase().Fold(text);
    for (char& c : out) {
      if (c == '\xC4') c = '\xE4';
    }
    return out;
  }
};

class Categories : public ::testing::Test {
 protected:
  GridModel grid{2, 2, 1, 0};
  MemorySettingsStore store;
};

TEST_F(Categories, CreatingTheTableSetsUpTheGrid) {
  cCategories table(grid, AsciiCase());
  EXPECT_EQ(grid.Rows(), 1);
  EXPECT_EQ(grid.Text(0, 0), "Categories");
  EXPECT_EQ(grid.RowHeight(0), 330);
  EXPECT_EQ(grid.ColWidth(0), 1300);
  EXPECT_EQ(grid.ColWidth(1), 345);
  EXPECT_EQ(table.Count(), 0);
}

TEST_F(Categories, MasterListNamesNeedTheirSemicolon) {
  EXPECT_EQ(SplitMasterList("Holiday;Travel;"), (std::vector<std::string>{"Holiday", "Travel"}));
  EXPECT_EQ(SplitMasterList("Holiday;Travel"), (std::vector<std::string>{"Holiday"}));
  EXPECT_TRUE(SplitMasterList("").empty());
  EXPECT_TRUE(SplitMasterList("Travel").empty());
  EXPECT_EQ(SplitMasterList(";A;"), (std::vector<std::string>{"", "A"}));
}

TEST_F(Categories, LoadingGivesRowsInListOrderGreenUnlessSaved) {
  store.SaveSetting("Yearboard", "Categories", "Travel", "16711680");
  cCategories table(grid, AsciiCase());
  LoadCategories(table, "Holiday;Travel;", store);
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Item(1)->Name(), "Holiday");
  EXPECT_EQ(table.Item(1)->Row(), 1);
  EXPECT_EQ(table.Item(1)->Color(), 65280u);
  EXPECT_EQ(table.Item(2)->Name(), "Travel");
  EXPECT_EQ(table.Item(2)->Color(), 16711680u);
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.Text(2, 0), "Travel");
  EXPECT_EQ(grid.CellBackColor(2, 1), 16711680u);
  EXPECT_EQ(grid.CellBackColor(1, 1), 65280u);
}

TEST_F(Categories, BadMasterListEntriesLoseNothingElse) {
  cCategories table(grid, AsciiCase());
  EXPECT_TRUE(LoadCategories(table, "Holiday;;Travel;HOLIDAY;Work", store).empty());
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Item(1)->Name(), "Holiday");  // the first of the two wins
  EXPECT_EQ(table.Item(2)->Name(), "Travel");
  EXPECT_EQ(table.Item("Work"), nullptr);
}

// A saved colour that does not read shows green, is named, and stays as it was until the user
// picks another colour for it.
TEST_F(Categories, SavedColoursThatDoNotReadAreNamedAndLeftAloneUntilAColourIsPicked) {
  store.SaveUnreadable("Yearboard", "Categories", "NotText");
  store.SaveSetting("Yearboard", "Categories", "Words", "bright green");
  store.SaveSetting("Yearboard", "Categories", "TooLarge", "4294967296");
  store.SaveSetting("Yearboard", "Categories", "System", "-2147483645");
  store.SaveSetting("Yearboard", "Categories", "Blue", " 16711680 ");
  const std::string list = "Missing;NotText;Words;TooLarge;System;Blue;";
  std::vector<std::string> named;
  {
    cCategories table(grid, AsciiCase());
    named = LoadCategories(table, list, store);
    EXPECT_EQ(named, (std::vector<std::string>{"NotText", "Words", "TooLarge"}));
    const Color expected[] = {65280, 65280, 65280, 65280, kSysInactiveCaption, Rgb(0, 0, 255)};
    for (int row = 1; row <= 6; ++row) EXPECT_EQ(table.Item(row)->Color(), expected[row - 1]) << row;
    auto pick = [](Color chosen) { return [chosen](Color) { return chosen; }; };
    table.Item("Words")->EditColor(pick(65280), [](const AppointmentItem&) {});  // the colour shown
    table.Item("TooLarge")->EditColor(pick(255), [](const AppointmentItem&) {});
    table.SaveColors(store);
  }
  EXPECT_EQ(UnreadableColorsMessage(named),
            "The saved colours of these categories cannot be read: NotText, Words, TooLarge. They are shown in "
            "green until you choose their colours.");
  EXPECT_EQ(store.ReadSetting("Yearboard", "Categories", "NotText").state, StoredSetting::State::Unreadable);
  EXPECT_EQ(store.GetSetting("Yearboard", "Categories", "Words"), "bright green");
  EXPECT_EQ(store.GetSetting("Yearboard", "Categories", "TooLarge"), "255") << "picked";
  EXPECT_EQ(store.GetSetting("Yearboard", "Categories", "Missing"), "65280");
  EXPECT_EQ(store.GetSetting("Yearboard", "Categories", "Blue"), "16711680");
}

TEST_F(Categories, LookupIgnoresLetterCaseAsTheSystemFoldsItAndMissesGiveNothing) {
  const WiderCase textCase;
  cCategories table(grid, textCase);
  table.Add("Travel", 255);
  table.Add("Gesch\xE4" "ft", 255);
  EXPECT_EQ(table.Item("GESCH\xC4" "FT"), table.Item(2));
  EXPECT_THROW(table.Add("GESCH\xC4" "FT", 1), std::invalid_argument);
  table.Remove("GESCH\xC4" "FT");
  EXPECT_EQ(table.Item("travel"), table.Item(1));
  EXPECT_EQ(table.Item("TRAVEL")->Name(), "Travel");
  EXPECT_EQ(table.Item("Holiday"), nullptr);
  EXPECT_EQ(table.Item(0), nullptr);
  EXPECT_EQ(table.Item(2), nullptr);
  EXPECT_THROW(table.Add("tRaVeL", 1), std::invalid_argument);
  EXPECT_EQ(table.Count(), 1);
  EXPECT_EQ(grid.Rows(), 2);
}

TEST_F(Categories, RemovingAndEnumerating) {
  cCategories table(grid, AsciiCase());
  table.Add("A", 1);
  table.Add("B", 2);
  table.Add("C", 3);
  table.Remove("b");
  std::string names;
  for (const auto& category : table) names += category->Name();
  EXPECT_EQ(names, "AC");
  table.Remove(1);
  EXPECT_EQ(table.Item(1)->Name(), "C");
  EXPECT_EQ(table.Item("A"), nullptr);
  EXPECT_THROW(table.Remove("A"), std::out_of_range);
  EXPECT_THROW(table.Remove(5), std::out_of_range);
}

TEST_F(Categories, WritingAColourKeepsTheCurrentRow) {
  cCategories table(grid, AsciiCase());
  table.Add("A", 1);
  cCategory& b = table.Add("B", 2);
  grid.SetRow(1);
  grid.SetCol(0);
  b.SetColor(Rgb(0, 0, 255));
  EXPECT_EQ(grid.CellBackColor(2, 1), Rgb(0, 0, 255));
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 0);
  EXPECT_TRUE(grid.Redraw());
}

TEST_F(Categories, SavingWritesEveryCategoryAsDecimalText) {
  {
    cCategories table(grid, AsciiCase());
    LoadCategories(table, "Holiday;", store);
    table.Add("Found on an appointment", 255);
    table.Item(1)->SetColor(kSysInactiveCaption);
    table.SaveColors(store);
  }
  EXPECT_EQ(store.GetSetting("Yearboard", "Categories", "Holiday"), "-2147483645");
  EXPECT_EQ(store.GetSetting("Yearboard", "Categories", "Found on an appointment"), "255");
  // Destroyed last first: each took its own row, the last one cannot go.
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.Text(1, 0), "Holiday");
  // The saved colour is the colour at the next start.
  GridModel next{2, 2, 1, 0};
  cCategories again(next, AsciiCase());
  LoadCategories(again, "Holiday;", store);
  EXPECT_EQ(again.Item("Holiday")->Color(), kSysInactiveCaption);
}

TEST_F(Categories, EditColorRepaintsTheCategoryEvenWhenCancelled) {
  cCategories table(grid, AsciiCase());
  cCategory& travel = table.Add("Travel", 65280);
  travel.Appointments = {nullptr, nullptr};
  std::vector<Color> presets;
  int repaints = 0;
  const auto markDate = [&](const AppointmentItem&) { ++repaints; };
  travel.EditColor([&](Color preset) { presets.push_back(preset); return preset; }, markDate);
  EXPECT_EQ(travel.Color(), 65280u);
  EXPECT_EQ(repaints, 2);
  travel.EditColor([&](Color preset) { presets.push_back(preset); return Rgb(0, 0, 255); },
                   markDate);
  EXPECT_EQ(travel.Color(), Rgb(0, 0, 255));
  EXPECT_EQ(grid.CellBackColor(1, 1), Rgb(0, 0, 255));
  EXPECT_EQ(repaints, 4);
  EXPECT_EQ(presets, (std::vector<Color>{65280, 65280}));
}

}  // namespace
}  // namespace yb
