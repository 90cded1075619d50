// frmYearPlanner: loading, showing a year, the handlers of the grids, buttons and keys, the
// status and progress bars, the colour dialog and unloading.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <cstdlib>

#include "yearboard/calendar/automation_calendar_win32.h"
#include "yearboard/calendar/load_appointments.h"
#include "yearboard/calendar/mark_date.h"
#include "yearboard/model/master_list_win32.h"
#include "yearboard/model/planner_clicks.h"
#include "yearboard/ui/planner_window.h"
#include "yearboard/ui/resource.h"

namespace yb {

namespace {

constexpr unsigned long kProgressIntervalMs = 100;

}  // namespace

void frmYearPlanner::Form_Load() {
  planner.CategoryList = std::make_unique<cCategories>(planner.flxCategories, textCase);
  // A file's own category names stand in for the client's master list.
  const std::string masterList = calendar.file ? calendar.file->CategoryList() : ReadMasterCategoryList();
  std::vector<std::string> untold;
  for (const std::string& name : LoadCategories(*planner.CategoryList, masterList, settings))
    if (colorsTold.insert(textCase.Fold(name)).second) untold.push_back(name);
  // Said once the window is up; each name once a run, whichever calendar brings it back.
  if (!untold.empty()) {
    colorsMessage = UnreadableColorsMessage(untold);
    PostMessageA(hwnd, kShowUnreadableColors, 0, 0);
  }
}

void frmYearPlanner::ShowYear(int iintYear) {
  if (calendar.file) {
    // Read before the grid is touched, so a file that went bad leaves the year as it was.
    try {
      WaitCursor wait;
      if (calendar.file->Reload()) items.CloseAll();
    } catch (const CalendarFileError& error) {
      if (auto other = choice.OfferAnother(hwnd, error.what())) UseCalendar(std::move(*other), iintYear);
      return;
    }
  }
  yb::ShowYear(planner, calendar.session->CalendarFolder(), iintYear);
  if (calendar.file) SetStatusText(calendar.file->ReadingFaults());
}

void frmYearPlanner::BeginShowYear(int year) {
  EnableWindow(picBand, FALSE);
  yearWait.emplace();
  SetWindowTextA(lblYear, std::to_string(year).c_str());
  UpdateWindow(lblYear);
}

void frmYearPlanner::EndShowYear() {
  yearWait.reset();
  EnableWindow(picBand, TRUE);
  // The buttons stop at the ends of the years a calendar can be searched for.
  const int year = CaptionYear();
  EnableWindow(cmdUp, year < kLastYear);
  EnableWindow(cmdDown, year > kFirstYear);
}

void frmYearPlanner::UseCalendar(ShownCalendar next, int iintYear) {
  if (planner.CategoryList) planner.CategoryList->SaveColors(settings);
  for (auto& row : planner.CellTable) {
    for (cCell& cell : row) cell = cCell();
  }
  planner.CategoryList.reset();
  calendar.session->Release();
  items.CloseAll();
  calendar = std::move(next);
  choice.Remember(calendar);
  ShowCalendarChoice();
  Form_Load();
  ShowYear(iintYear);
}

void frmYearPlanner::ShowCalendarChoice() {
  SetWindowTextA(hwnd, PlannerCaption(calendar).c_str());
  HMENU system = GetSystemMenu(hwnd, FALSE);
  DeleteMenu(system, IDM_USECLIENT, MF_BYCOMMAND);
  if (calendar.file) AppendMenuA(system, MF_STRING, IDM_USECLIENT, "Use Calendar Client");
}

void frmYearPlanner::mnuOpenFile_Click() {
  if (auto file = choice.ChooseFile(hwnd)) UseCalendar(std::move(*file), planner.ShownYear);
}

void frmYearPlanner::mnuUseClient_Click() {
  std::optional<ShownCalendar> client;
  try {
    WaitCursor wait;
    client = choice.Client();
  } catch (const CalendarError& error) {
    // The file stays shown: only the client could not be started.
    ShowCalendarError(hwnd, error);
    return;
  }
  UseCalendar(std::move(*client), planner.ShownYear);
}

int frmYearPlanner::CaptionYear() const {
  char text[32] = "";
  GetWindowTextA(lblYear, text, sizeof text);
  return static_cast<int>(std::strtol(text, nullptr, 10));
}

void frmYearPlanner::cmdUp_Click() {
  if (CaptionYear() < kLastYear) ShowYear(CaptionYear() + 1);
}

void frmYearPlanner::cmdDown_Click() {
  if (CaptionYear() > kFirstYear) ShowYear(CaptionYear() - 1);
}

void frmYearPlanner::Form_KeyUp(int keyCode, bool shift, bool ctrl, bool alt) {
  try {
    if (IsReloadKey(keyCode, shift, ctrl, alt)) ShowYear(planner.ShownYear);
  } catch (const CalendarError& error) {
    FailOnCalendarError(error);
  } catch (const std::exception& error) {
    MessageBoxA(hwnd, error.what(), "Yearboard", MB_OK | MB_ICONSTOP);
  }
}

void frmYearPlanner::flxPlanner_Click() {
  ClickYearGrid(planner, planner.flxPlanner.MouseRow(), planner.flxPlanner.MouseCol());
}

void frmYearPlanner::flxPlanner_DblClick() {
  WaitCursor wait;
  if (const AppointmentItem item = ItemToOpen(planner)) item->GetInspector()->Display();
}

void frmYearPlanner::flxCategories_Click() { ClickCategoriesGrid(planner, planner.flxCategories.MouseRow()); }

void frmYearPlanner::flxCategories_DblClick() {
  if (cCategory* category = CategoryToEdit(planner)) {
    category->EditColor([this](Color preset) { return PickColor(preset); },
                        [this](const AppointmentItem& item) { MarkDate(planner, item, false); });
  }
}

void frmYearPlanner::Form_Unload() {
  if (unloaded) return;
  unloaded = true;
  for (auto& row : planner.CellTable) {
    for (cCell& cell : row) cell = cCell();
  }
  try {
    if (planner.CategoryList) planner.CategoryList->SaveColors(settings);
  } catch (const std::exception& error) {
    MessageBoxA(hwnd, error.what(), "Yearboard", MB_OK | MB_ICONSTOP);
  }
  planner.CategoryList.reset();
  calendar.session->Release();
  PostQuitMessage(0);
}

void frmYearPlanner::FailOnCalendarError(const std::exception& error) {
  ShowCalendarError(hwnd, error);
  // The colours chosen so far are the user's work: keep them, then end.
  try {
    if (planner.CategoryList) planner.CategoryList->SaveColors(settings);
  } catch (const std::exception&) {
  }
  ExitProcess(1);
}

void frmYearPlanner::SetStatusText(const std::string& text) {
  SendMessageA(sbrStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void frmYearPlanner::BeginProgress() {
  progressValue = 1;
  progressTick = GetTickCount();
  SendMessageA(pbrProgress, PBM_SETPOS, 1, 0);
  ShowWindow(sbrStatus, SW_HIDE);
  RECT status;
  GetWindowRect(sbrStatus, &status);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&status), 2);
  RECT panel{};
  SendMessageA(sbrStatus, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&panel));
  MoveWindow(pbrProgress, status.left, status.top, panel.right - panel.left, status.bottom - status.top, FALSE);
  ShowWindow(pbrProgress, SW_SHOW);
  UpdateWindow(pbrProgress);
}

void frmYearPlanner::SetProgress(float value) {
  // The bar moves a day at a time, and is painted a few times a second rather than for
  // every item: painting it is far slower than loading an item.
  const int position = value < 0 ? 0 : static_cast<int>(value);
  if (position == progressValue || GetTickCount() - progressTick < kProgressIntervalMs) return;
  progressValue = position;
  SendMessageA(pbrProgress, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  UpdateWindow(pbrProgress);
  progressTick = GetTickCount();
}

void frmYearPlanner::EndProgress() {
  ShowWindow(pbrProgress, SW_HIDE);
  ShowWindow(sbrStatus, SW_SHOW);
}

Color frmYearPlanner::PickColor(Color preset) {
  static COLORREF customColors[16] = {};
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd;
  dialog.rgbResult = ToColorRef(preset);
  dialog.lpCustColors = customColors;
  dialog.Flags = CC_RGBINIT;
  if (!::ChooseColorA(&dialog)) return preset;
  return static_cast<Color>(dialog.rgbResult);
}

}  // namespace yb
