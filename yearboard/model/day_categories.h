#pragma once
// Every category of a day: the colours of the categories a day's appointments carry, in the
// order of the category table, shown as stripes in the year grid while the planner shows all
// categories of a day; and that choice, remembered in the settings ("Planner",
// "ShowAllCategories": "1" on, anything else off).
#include <string>
#include <vector>

#include "yearboard/base/color.h"
#include "yearboard/base/settings_store.h"
#include "yearboard/model/year_planner.h"

namespace yb {

constexpr const char* kPlannerSection = "Planner";
constexpr const char* kShowAllCategoriesKey = "ShowAllCategories";

// Each category once, in table order (names compared as the table compares them); a name the
// table does not hold is left out; appointments without a category come last, in system colour 3.
std::vector<Color> DayCategoryColors(const cCategories& table, const std::vector<std::string>& names);

// The stripes of the day at grid row and column: its category colours when the planner shows
// all categories and the day has more than one, none otherwise.
void PaintDayStripes(YearPlanner& planner, int row, int col);
// Every day of the shown year again, after the choice changed.
void PaintAllDayStripes(YearPlanner& planner);

bool ReadShowAllCategories(SettingsStore& store);
void SaveShowAllCategories(SettingsStore& store, bool on);

}  // namespace yb
