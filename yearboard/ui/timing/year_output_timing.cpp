// Times the year going to paper and into a picture with 10,000 occurrences in the year, every
// category of a day shown: the sheet taken from the planner, then (as after the Print dialog's
// OK) the page drawn and spooled to the default printer until the job is in its queue, and the
// picture drawn and saved as PNG and as BMP. Run under Wine by hand, with a printer:
//   scripts/wine-run.sh .../year_output_timing.exe
#include <windows.h>

#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "yearboard/calendar/load_appointments.h"
#include "yearboard/calendar/memory_calendar.h"
#include "yearboard/sheet/picture_file.h"
#include "yearboard/sheet/sheet_painter_win32.h"
#include "yearboard/sheet/year_sheet.h"
#include "yearboard/ui/timing/timing_support.h"
#include "yearboard/ui/year_picture.h"
#include "yearboard/ui/year_printer.h"

namespace {

constexpr int kYear = 2026;
constexpr int kRuns = 5;

// 10,000 appointments over the year in five categories: most days hold several.
void Fill(yb::MemoryCalendar& calendar) {
  const char* const categories[] = {"Holiday", "Travel", "Work", "Birthday", "Learning"};
  for (int i = 0; i < 10000; ++i) {
    const yb::OleDate day = yb::DateSerial(kYear, 1, 1 + i * 365 / 10000);
    calendar.Add({day + (8 + i % 10) / 24.0, day + (9 + i % 10) / 24.0, categories[i % 5],
                  "Appointment " + std::to_string(i), {}});
  }
}

// The default printer's DC, turned to landscape as the Print dialog hands it over.
HDC LandscapePrinterDc() {
  char name[256] = "";
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return nullptr;
  HANDLE printer = nullptr;
  if (!OpenPrinterA(name, &printer, nullptr)) return nullptr;
  const LONG bytes = DocumentPropertiesA(nullptr, printer, name, nullptr, nullptr, 0);
  std::vector<char> buffer(static_cast<std::size_t>(std::max<LONG>(bytes, sizeof(DEVMODEA))));
  auto* mode = reinterpret_cast<DEVMODEA*>(buffer.data());
  DocumentPropertiesA(nullptr, printer, name, mode, nullptr, DM_OUT_BUFFER);
  ClosePrinter(printer);
  mode->dmFields |= DM_ORIENTATION;
  mode->dmOrientation = DMORIENT_LANDSCAPE;
  return CreateDCA("WINSPOOL", name, nullptr, mode);
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s min %7.1f ms, median %7.1f ms\n", what, times.front(), times[times.size() / 2]);
}

double Time(const std::function<void()>& work) {
  LARGE_INTEGER from, to;
  QueryPerformanceCounter(&from);
  work();
  QueryPerformanceCounter(&to);
  return timing::Milliseconds(to.QuadPart - from.QuadPart);
}

}  // namespace

int main() {
  timing::QuietView view;
  yb::YearPlanner planner(view, yb::Formats{});
  planner.CategoryList = std::make_unique<yb::cCategories>(planner.flxCategories, yb::AsciiCase());
  planner.PreparePlanner();
  planner.ShowAllCategories = true;
  yb::MemoryCalendar calendar;
  Fill(calendar);
  yb::CalendarSession session(calendar.CreateApplication());
  yb::ShowYear(planner, session.CalendarFolder(), kYear);

  std::vector<double> sheetTimes, spoolTimes, drawTimes, pngTimes, bmpTimes;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, yb::kPictureWidth, yb::kPictureHeight);
  HGDIOBJ old = SelectObject(memory, bitmap);
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  const std::string png = std::string(temp) + "year-output-timing.png";
  const std::string bmp = std::string(temp) + "year-output-timing.bmp";
  for (int run = 0; run < kRuns; ++run) {
    yb::YearSheet sheet;
    sheetTimes.push_back(Time([&] { sheet = yb::BuildYearSheet(planner, "Calendar client", "Printed 12/8/2026"); }));
    HDC dc = LandscapePrinterDc();
    if (!dc) {
      std::printf("no default printer: the printing path is not timed\n");
    } else {
      std::string failure;
      spoolTimes.push_back(sheetTimes.back() + Time([&] { failure = yb::SpoolYearSheet(dc, sheet); }));
      DeleteDC(dc);
      if (!failure.empty()) std::printf("printing failed: %s\n", failure.c_str());
    }
    drawTimes.push_back(Time([&] {
      yb::DrawYearSheet(memory, sheet, yb::kPictureWidth, yb::kPictureHeight);
      GdiFlush();
    }));
    pngTimes.push_back(Time([&] { yb::WriteYearPicture(sheet, png, yb::PictureFormat::Png); }));
    bmpTimes.push_back(Time([&] { yb::WriteYearPicture(sheet, bmp, yb::PictureFormat::Bmp); }));
  }
  Report("sheet taken from the planner", sheetTimes);
  if (!spoolTimes.empty()) Report("sheet, page drawn and spooled (job queued)", spoolTimes);
  Report("picture drawn only", drawTimes);
  Report("picture drawn and saved as PNG", pngTimes);
  Report("picture drawn and saved as BMP", bmpTimes);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteFileA(png.c_str());
  DeleteFileA(bmp.c_str());
  return 0;
}
