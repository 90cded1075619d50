// Times showing a year from a calendar file as the planner does it: the file read and parsed,
// the year searched (series expanded, times brought to the machine's zone), every appointment
// marked into a shown year grid, and the grid painted. The file holds 10,000 occurrences in
// the year: single appointments in a named zone and weekly series. Run under Wine by hand:
//   scripts/wine-run.sh .../file_year_timing.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "yearboard/base/ole_date.h"
#include "yearboard/base/system_win32.h"
#include "yearboard/calendar/file_calendar.h"
#include "yearboard/calendar/load_appointments.h"
#include "yearboard/calendar/system_time_zones_win32.h"
#include "yearboard/grid/grid_window_win32.h"
#include "yearboard/model/planner_layout.h"
#include "yearboard/model/year_planner.h"
#include "yearboard/ui/timing/timing_support.h"

namespace {

constexpr int kYear = 2026;

class NoViewer : public yb::ItemViewer {
 public:
  void Show(const yb::ItemDetails&) override {}
};

// 5,000 single appointments and 100 weekly series of 50: 10,000 occurrences in the year.
std::string Calendar() {
  const char* const categories[] = {"Holiday", "Travel", "Work", "Birthday", "Learning"};
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
  char line[256];
  for (int i = 0; i < 5100; ++i) {
    const bool series = i >= 5000;
    const int dayOfYear = series ? i % 7 : i * 365 / 5000;
    const yb::CivilDateTime t = yb::DecodeDateTime(yb::DateSerial(kYear, 1, 1 + dayOfYear));
    std::snprintf(line, sizeof line,
                  "BEGIN:VEVENT\r\nUID:%d@timing\r\nDTSTART;TZID=Europe/Berlin:%04d%02d%02dT%02d0000\r\n"
                  "DURATION:PT1H\r\nSUMMARY:Appointment %d\r\nCATEGORIES:%s\r\n",
                  i, t.year, t.month, t.day, 8 + i % 10, i, categories[i % 5]);
    text += line;
    if (series) text += "RRULE:FREQ=WEEKLY;COUNT=50\r\n";
    text += "END:VEVENT\r\n";
  }
  return text + "END:VCALENDAR\r\n";
}

}  // namespace

int main() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "file-year-timing.ics";
  const std::string text = Calendar();
  std::ofstream(path, std::ios::binary) << text;

  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "FileYearTiming";
  RegisterClassA(&wc);
  HWND parent = CreateWindowA("FileYearTiming", "File year timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              0, 0, 760, 420, nullptr, nullptr, wc.hInstance, nullptr);
  timing::QuietView view;
  yb::YearPlanner planner(view, yb::Formats{});
  const yb::SystemTextCase textCase;
  planner.CategoryList = std::make_unique<yb::cCategories>(planner.flxCategories, textCase);
  planner.PreparePlanner();
  yb::ApplyYearGridSizes(planner.flxPlanner, yb::SizeYearGrid(9990, 5190));
  yb::GridWindow grid(planner.flxPlanner);
  const int tppX = yb::ScreenTwipsPerPixelX(), tppY = yb::ScreenTwipsPerPixelY();
  grid.Create(parent, 1, 3, 3, 9990 / tppX, 5190 / tppY);
  UpdateWindow(grid.Handle());

  std::vector<double> times;
  std::size_t items = 0;
  for (int run = 0; run < 5; ++run) {
    yb::SystemTimeZones zones;  // read afresh, as a start of the program does
    NoViewer viewer;
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    yb::FileCalendar file(path, zones, viewer, yb::Formats{}, yb::AnsiFromUtf8);
    file.Reload();
    yb::CalendarSession session(file.CreateApplication());
    yb::ShowYear(planner, session.CalendarFolder(), kYear);
    UpdateWindow(grid.Handle());
    GdiFlush();
    QueryPerformanceCounter(&to);
    times.push_back(timing::Milliseconds(to.QuadPart - from.QuadPart));
    items = 0;
    for (const auto& row : planner.CellTable)
      for (const yb::cCell& cell : row) items += cell.Appointments.size();
  }
  std::sort(times.begin(), times.end());
  std::printf("%zu bytes, %zu day entries filed; file read, year loaded and painted: min %.1f ms, "
              "median %.1f ms\n",
              text.size(), items, times.front(), times[times.size() / 2]);
  DestroyWindow(parent);
  DeleteFileA(path.c_str());
  return 0;
}
