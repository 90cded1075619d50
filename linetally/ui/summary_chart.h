#pragma once
// PaintBox1 of the monthly summary: the cost of the last twelve billing periods as bars drawn
// with GDI, the current period in its own colour, the budget as a dashed line across.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "linetally/summary/period_report.h"

namespace lt {

class SummaryChart {
 public:
  SummaryChart() = default;
  SummaryChart(const SummaryChart&) = delete;
  SummaryChart& operator=(const SummaryChart&) = delete;

  HWND Create(HWND parent, int x, int y, int width, int height, int id, HFONT font);
  // New figures; the chart repaints.
  void SetData(std::vector<ChartBar> bars, std::optional<Currency> budget, std::string symbol);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc, const RECT& area) const;

  HWND hwnd = nullptr;
  HFONT font = nullptr;
  std::vector<ChartBar> bars;
  std::optional<Currency> budget;
  std::string symbol;
};

}  // namespace lt
