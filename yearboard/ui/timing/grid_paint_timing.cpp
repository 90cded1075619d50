// Times painting the whole year grid: a year laid out as the planner does it, at the design
// size, repainted N times (InvalidateRect + UpdateWindow). Run under Wine by hand:
//   scripts/wine-run.sh .../grid_paint_timing.exe [repaints]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "yearboard/grid/grid_window_win32.h"
#include "yearboard/model/planner_layout.h"
#include "yearboard/model/year_planner.h"
#include "yearboard/ui/timing/timing_support.h"

using timing::Milliseconds;

int main(int argc, char** argv) {
  const int repaints = argc > 1 ? std::atoi(argv[1]) : 200;
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "GridPaintTiming";
  RegisterClassA(&wc);
  HWND parent = CreateWindowA("GridPaintTiming", "Grid paint timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              760, 420, nullptr, nullptr, wc.hInstance, nullptr);
  timing::QuietView view;
  yb::YearPlanner planner(view, yb::Formats{});
  planner.PreparePlanner();
  planner.ShownYear = 2026;
  planner.BuildYearGrid();
  for (int m = 1; m <= 12; ++m) {
    for (int c = 3; c <= 30; c += 3) planner.flxPlanner.SetCellBackColor(m, c, 65280);
  }
  yb::ApplyYearGridSizes(planner.flxPlanner, yb::SizeYearGrid(9990, 5190));
  yb::GridWindow grid(planner.flxPlanner);
  const int tppX = yb::ScreenTwipsPerPixelX(), tppY = yb::ScreenTwipsPerPixelY();
  grid.Create(parent, 1, 3, 3, 9990 / tppX, 5190 / tppY);
  UpdateWindow(grid.Handle());

  LARGE_INTEGER from, to;
  QueryPerformanceCounter(&from);
  for (int i = 0; i < repaints; ++i) {
    InvalidateRect(grid.Handle(), nullptr, FALSE);
    UpdateWindow(grid.Handle());
  }
  GdiFlush();
  QueryPerformanceCounter(&to);
  const double total = Milliseconds(to.QuadPart - from.QuadPart);
  std::printf("painted the year grid %d times: %.3f ms each\n", repaints, total / repaints);

  // One day cell marked as while a year loads (redraw switched on after each painted day);
  // the window paints such changes in bursts.
  QueryPerformanceCounter(&from);
  for (int i = 0; i < repaints; ++i) {
    planner.flxPlanner.SetRedraw(false);
    planner.flxPlanner.SetCellBackColor(5, 10, i % 2 ? 255 : 65280);
    planner.flxPlanner.SetRedraw(true);
  }
  QueryPerformanceCounter(&to);
  std::printf("marked one day cell %d times: %.3f ms each\n", repaints,
              Milliseconds(to.QuadPart - from.QuadPart) / repaints);
  DestroyWindow(parent);
  return 0;
}
