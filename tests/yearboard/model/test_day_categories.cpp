#include <gtest/gtest.h>

#include "yearboard/model/day_categories.h"

namespace yb {
namespace {

TEST(DayCategories, ColoursFollowTheTableOnceEachWithoutCategoryLast) {
  GridModel grid(2, 2, 1, 0);
  cCategories table(grid, AsciiCase());
  table.Add("Holiday", 1);
  table.Add("Travel", 2);
  table.Add("Work", 3);
  struct Case {
    std::vector<std::string> names;
    std::vector<Color> colors;
  };
  const Case cases[] = {
      {{}, {}},
      {{"Work", "holiday", "", "Travel"}, {1, 2, 3, kSysInactiveCaption}},
      {{"HOLIDAY", "Holiday", "holiday"}, {1}},
      {{"", "Unknown", "Work"}, {3, kSysInactiveCaption}},
  };
  for (const Case& test : cases) EXPECT_EQ(DayCategoryColors(table, test.names), test.colors);
}

TEST(DayCategories, TheChoiceIsRememberedAndAnythingButOneReadsAsOff) {
  MemorySettingsStore store;
  EXPECT_FALSE(ReadShowAllCategories(store));
  SaveShowAllCategories(store, true);
  EXPECT_EQ(store.GetSetting("Yearboard", "Planner", "ShowAllCategories"), "1");
  EXPECT_TRUE(ReadShowAllCategories(store));
  SaveShowAllCategories(store, false);
  EXPECT_EQ(store.GetSetting("Yearboard", "Planner", "ShowAllCategories"), "0");
  for (const char* damaged : {"", "yes", "True", "11", " 1"}) {
    store.SaveSetting("Yearboard", "Planner", "ShowAllCategories", damaged);
    EXPECT_FALSE(ReadShowAllCategories(store)) << damaged;
  }
}

}  // namespace
}  // namespace yb
