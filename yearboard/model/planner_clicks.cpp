#include "yearboard/model/planner_clicks.h"

namespace yb {

namespace {
constexpr int kF5 = 116;
}  // namespace

void ClickYearGrid(YearPlanner& planner, int mouseRow, int mouseCol) {
  GridModel& grid = planner.flxPlanner;
  grid.SetRedraw(false);
  grid.SetRow(mouseRow <= 0 ? 1 : mouseRow);
  grid.SetCol(mouseCol <= 0 ? 1 : mouseCol);
  const AppointmentList& list = planner.CellAt(grid.Row(), grid.Col()).Appointments;
  if (list.empty()) {
    planner.view.SetStatusText("");
  } else {
    const AppointmentItem& first = list.front();
    const std::string category = first->Categories();
    if (!category.empty() && planner.CategoryList) {
      if (const cCategory* found = planner.CategoryList->Item(category)) {
        planner.flxCategories.SetRow(found->Row());
      }
    }
    planner.view.SetStatusText(FormatGeneralDate(first->Start(), planner.formats) + " - " +
                               first->Subject());
  }
  grid.SetRedraw(true);
}

AppointmentItem ItemToOpen(YearPlanner& planner) {
  const GridModel& grid = planner.flxPlanner;
  if (grid.Row() < 1 || grid.Col() < 1) return nullptr;
  const AppointmentList& list = planner.CellAt(grid.Row(), grid.Col()).Appointments;
  return list.empty() ? nullptr : list.front();
}

void ClickCategoriesGrid(YearPlanner& planner, int mouseRow) {
  GridModel& grid = planner.flxCategories;
  if (grid.Rows() <= grid.FixedRows()) return;
  grid.SetRedraw(false);
  grid.SetRow(mouseRow <= 0 ? 1 : mouseRow);
  grid.SetCol(0);
  grid.SetRedraw(true);
}

cCategory* CategoryToEdit(YearPlanner& planner) {
  if (!planner.CategoryList) return nullptr;
  return planner.CategoryList->Item(planner.flxCategories.Row());
}

bool IsReloadKey(int keyCode, bool shift, bool ctrl, bool alt) {
  return keyCode == kF5 && !shift && !ctrl && !alt;
}

}  // namespace yb
