#include "yearboard/model/day_categories.h"

#include <algorithm>

namespace yb {

std::vector<Color> DayCategoryColors(const cCategories& table, const std::vector<std::string>& names) {
  std::vector<const cCategory*> found;
  bool uncategorised = false;
  for (const std::string& name : names) {
    if (name.empty()) {
      uncategorised = true;
    } else if (const cCategory* category = table.Item(name)) {
      if (std::find(found.begin(), found.end(), category) == found.end()) found.push_back(category);
    }
  }
  std::vector<Color> colors;
  for (const auto& category : table) {
    if (std::find(found.begin(), found.end(), category.get()) != found.end()) colors.push_back(category->Color());
  }
  if (uncategorised) colors.push_back(kSysInactiveCaption);
  return colors;
}

void PaintDayStripes(YearPlanner& planner, int row, int col) {
  std::vector<Color> colors;
  if (planner.ShowAllCategories && planner.CategoryList)
    colors = DayCategoryColors(*planner.CategoryList, planner.CellAt(row, col).CategoryNames);
  if (colors.size() < 2) colors.clear();  // one category: the day's own colour says it
  planner.flxPlanner.SetCellStripes(row, col, std::move(colors));
}

void PaintAllDayStripes(YearPlanner& planner) {
  GridModel& grid = planner.flxPlanner;
  const bool redraw = grid.Redraw();
  grid.SetRedraw(false);
  for (int m = 1; m <= kMonthRows; ++m) {
    for (int c = 1; c <= kDayColumns; ++c) PaintDayStripes(planner, m, c);
  }
  grid.SetRedraw(redraw);
}

bool ReadShowAllCategories(SettingsStore& store) {
  return store.GetSetting(kSettingsApplication, kPlannerSection, kShowAllCategoriesKey) == "1";
}

void SaveShowAllCategories(SettingsStore& store, bool on) {
  store.SaveSetting(kSettingsApplication, kPlannerSection, kShowAllCategoriesKey, on ? "1" : "0");
}

}  // namespace yb
