// frmYearPlanner: the year on paper and in a picture, and the stripes of every category of a
// day.
#include <windows.h>

#include "yearboard/model/day_categories.h"
#include "yearboard/ui/planner_window.h"
#include "yearboard/ui/resource.h"
#include "yearboard/ui/year_picture.h"

namespace yb {

YearSheet frmYearPlanner::CurrentSheet(const std::string& footerWord) const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const OleDate today = DateSerial(now.wYear, now.wMonth, now.wDay);
  return BuildYearSheet(planner, CalendarName(calendar), SheetFooter(footerWord, today, planner.formats));
}

void frmYearPlanner::mnuPrintYear_Click() { printer->Print(CurrentSheet("Printed")); }

void frmYearPlanner::PrintFinished() {
  const std::string failure = printer->Finish();
  if (!failure.empty()) MessageBoxA(hwnd, failure.c_str(), "Yearboard", MB_OK | MB_ICONSTOP);
}

void frmYearPlanner::mnuSavePicture_Click() {
  const std::string suggested = "Year " + std::to_string(planner.ShownYear);
  SaveYearPicture(hwnd, CurrentSheet("Saved"), suggested);
}

void frmYearPlanner::mnuAllCategories_Click() {
  planner.ShowAllCategories = !planner.ShowAllCategories;
  CheckMenuItem(GetSystemMenu(hwnd, FALSE), IDM_ALLCATEGORIES,
                MF_BYCOMMAND | (planner.ShowAllCategories ? MF_CHECKED : MF_UNCHECKED));
  PaintAllDayStripes(planner);
  SaveShowAllCategories(settings, planner.ShowAllCategories);
}

}  // namespace yb
