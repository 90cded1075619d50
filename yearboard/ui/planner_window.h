#pragma once
// frmYearPlanner, the planner window: the band with the year and the year buttons, the year
// grid and the categories grid in their frames, the status bar with the progress bar that
// stands in for it while loading, and the colour dialog; its system menu opens a calendar
// file (Ctrl+O) or goes back to the calendar client, prints the year (Ctrl+P), saves it as a
// picture and turns the stripes of every category of a day on and off. Its handlers read the
// controls, call the portable planner code and write the controls back.
#include <windows.h>

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "yearboard/base/handles_win32.h"
#include "yearboard/base/settings_store.h"
#include "yearboard/base/system_win32.h"
#include "yearboard/calendar/calendar_client.h"
#include "yearboard/grid/grid_window_win32.h"
#include "yearboard/model/year_planner.h"
#include "yearboard/ui/calendar_choice.h"
#include "yearboard/ui/item_window.h"
#include "yearboard/ui/year_printer.h"

namespace yb {

// Posted to name the categories whose saved colours did not read.
constexpr UINT kShowUnreadableColors = WM_APP + 1;

class frmYearPlanner : public PlannerView {
 public:
  frmYearPlanner(ShownCalendar calendar, CalendarChoice& choice, ItemWindows& items,
                 SettingsStore& settings, const Formats& formats);
  ~frmYearPlanner() override;
  frmYearPlanner(const frmYearPlanner&) = delete;
  frmYearPlanner& operator=(const frmYearPlanner&) = delete;

  // Creates the window and its controls, owner of the item windows, and runs Form_Load; the
  // window stays hidden.
  void Load();
  void Show();
  HWND Handle() const { return hwnd; }

  void PreparePlanner() { planner.PreparePlanner(); }
  void ShowYear(int iintYear);
  void Form_KeyUp(int keyCode, bool shift, bool ctrl, bool alt);
  // Shows another calendar at that year: colours saved, categories rebuilt, the choice
  // remembered, the old calendar's item windows closed.
  void UseCalendar(ShownCalendar next, int iintYear);

  // PlannerView
  void BeginShowYear(int year) override;
  void EndShowYear() override;
  void SetStatusText(const std::string& text) override;
  void BeginProgress() override;
  void SetProgress(float value) override;
  void EndProgress() override;
  Color PickColor(Color preset) override;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK BandProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void Place(HWND control, int left, int top, int width, int height) const;  // twips
  int TwipsX(int pixels) const { return pixels * tppX; }
  int TwipsY(int pixels) const { return pixels * tppY; }
  int PixelsX(int twips) const { return (twips + tppX / 2) / tppX; }
  int PixelsY(int twips) const { return (twips + tppY / 2) / tppY; }
  HBRUSH ColorStatic(HDC dc, HWND control);
  void OnCommand(int id, int code);
  bool OnSystemCommand(int id);
  void mnuOpenFile_Click();
  void mnuUseClient_Click();
  void ShowCalendarChoice();
  void mnuPrintYear_Click();
  void mnuSavePicture_Click();
  void mnuAllCategories_Click();
  void PrintFinished();
  YearSheet CurrentSheet(const std::string& footerWord) const;
  void FailOnCalendarError(const std::exception& error);

  void Form_Load();
  void Form_Resize();
  void Form_Unload();
  void flxPlanner_Click();
  void flxPlanner_DblClick();
  void flxCategories_Click();
  void flxCategories_DblClick();
  void cmdUp_Click();
  void cmdDown_Click();
  int CaptionYear() const;

  ShownCalendar calendar;
  CalendarChoice& choice;
  ItemWindows& items;
  SettingsStore& settings;
  SystemTextCase textCase;  // before the category table that compares through it
  YearPlanner planner;
  HWND hwnd = nullptr;
  HWND picBand = nullptr, lblYear = nullptr, cmdUp = nullptr, cmdDown = nullptr;
  HWND lblContainer1 = nullptr, lblContainer2 = nullptr;
  HWND sbrStatus = nullptr, pbrProgress = nullptr;
  GridWindow flxPlanner;
  GridWindow flxCategories;
  GdiObject<HFONT> formFont;
  GdiObject<HFONT> yearFont;
  GdiObject<HBRUSH> yearBrush;
  GdiObject<HBITMAP> arrowUp, arrowDown;
  std::optional<WaitCursor> yearWait;  // while a year is shown
  std::unique_ptr<YearPrinter> printer;
  bool Resizing = false;
  int progressValue = 0;
  unsigned long progressTick = 0;  // when the bar was last painted
  bool unloaded = false;
  std::set<std::string> colorsTold;  // folded names whose saved colours did not read
  std::string colorsMessage;  // waiting for the window to show
  int tppX = 15, tppY = 15;
};

}  // namespace yb
