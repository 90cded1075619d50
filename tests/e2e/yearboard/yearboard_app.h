#pragma once
// Yearboard as the e2e drivers see it: a fresh program folder with Yearboard.exe, a calendar
// file of the test's own appointments for the calendar stand-in, the client's master category
// list, a clean settings key, the running program, and its two grids read cell by cell.
#include <string>
#include <vector>

#include "harness.h"
#include "yearboard/base/color.h"
#include "yearboard/grid/grid_messages.h"
#include "yearboard/ui/resource.h"

namespace e2e {

inline constexpr const char* kYearboardCategoriesKey = "Software\\Yearboard\\Categories";

// One VEVENT; dates as iCalendar text ("20260505" or "20260505T100000").
struct Event {
  std::string start, end, summary, categories;
};

int CurrentYear();
// "YYYYMMDD" / "YYYYMMDDTHHMM00" of the given year.
std::string Date(int year, int month, int day);
std::string DateTime(int year, int month, int day, int hour, int minute = 0);

class YearboardApp {
 public:
  // `clearSettings` removes the saved colours first.
  explicit YearboardApp(bool clearSettings = true);
  ~YearboardApp();

  ProgramFolder& Folder() { return folder; }
  Process& Program() { return process; }
  void SetMasterList(const std::string& text);  // the unnamed value, as written
  void RemoveMasterList();
  void WriteCalendar(const std::vector<Event>& events);
  void WriteCalendarText(const std::string& ics);  // the stand-in's file, as written

  void Start();  // waits until the year is shown
  void Launch();  // starts the program only
  void WaitForYear();  // waits for the window and until its year is shown
  // Removes the calendar client's registration from the prefix.
  static void RemoveCalendarClient();
  void Close();  // WM_CLOSE, waits for the end of the process
  HWND Main() const { return main; }
  HWND Control(int id) const { return Child(main, id); }
  // lblYear, cmdUp and cmdDown lie on the band.
  HWND BandControl(int id) const { return Child(Control(IDC_PICBAND), id); }
  HWND Planner() const { return Control(IDC_FLXPLANNER); }
  HWND Categories() const { return Control(IDC_FLXCATEGORIES); }
  std::string Year() const;  // lblYear
  std::string Status() const { return StatusBarText(Control(IDC_SBRSTATUS), 0); }

  // Grid reading and mouse work, through the grid's state messages.
  static int Rows(HWND grid);
  static std::string CellText(HWND grid, int row, int col);
  static yb::Color CellColor(HWND grid, int row, int col);
  static std::vector<yb::Color> CellStripes(HWND grid, int row, int col);
  static RECT CellRect(HWND grid, int row, int col);
  static std::string FontName(HWND grid);  // the face its cells are painted in
  static double FontSize(HWND grid, int row, int col);  // points
  static std::pair<int, int> Current(HWND grid);
  static void ClickCell(HWND grid, int row, int col);
  static void DoubleClickCell(HWND grid, int row, int col);

  // Year grid cell of a day of the shown year (column from the day numbers shown).
  int DayColumn(int month, int day) const;
  // Waits until the program has handled everything posted so far.
  void Settle() const;

 private:
  ProgramFolder folder;
  Process process;
  HWND main = nullptr;
};

}  // namespace e2e
