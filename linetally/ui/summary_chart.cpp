#include "linetally/ui/summary_chart.h"

#include "linetally/base/gdi_win32.h"
#include "linetally/monitor/status_texts.h"
#include "linetally/ui/window_base.h"

namespace lt {
namespace {

constexpr const char* kChartClass = "TSummaryChart";
constexpr COLORREF kBarColour = RGB(70, 110, 170), kCurrentColour = RGB(235, 140, 30);
constexpr COLORREF kBudgetColour = RGB(200, 0, 0), kAxisColour = RGB(128, 128, 128);
// Room for the amounts at the left, the month names below and the caption above.
constexpr int kLeftMargin = 56, kBottomMargin = 18, kTopMargin = 20, kRightMargin = 8;

void Text(HDC dc, int x, int y, const std::string& text, UINT align) {
  SetTextAlign(dc, align);
  TextOutA(dc, x, y, text.c_str(), int(text.size()));
}

}  // namespace

HWND SummaryChart::Create(HWND parent, int x, int y, int width, int height, int id, HFONT chartFont) {
  RegisterFormClass(kChartClass, Procedure, nullptr);
  font = chartFont;
  hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, kChartClass, "", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return hwnd;
}

void SummaryChart::SetData(std::vector<ChartBar> newBars, std::optional<Currency> newBudget, std::string newSymbol) {
  bars = std::move(newBars);
  budget = newBudget;
  symbol = std::move(newSymbol);
  InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT CALLBACK SummaryChart::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<SummaryChart*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_ERASEBKGND) return 1;  // the paint covers everything
  if (message == WM_PAINT && self) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT area;
    GetClientRect(hwnd, &area);
    // Drawn off screen first, so a refresh does not flicker.
    MemoryDc memory(dc);
    GdiBitmap bitmap(CreateCompatibleBitmap(dc, area.right, area.bottom));
    {
      Selection selected(memory.Get(), bitmap.Get());
      self->Paint(memory.Get(), area);
      BitBlt(dc, 0, 0, area.right, area.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void SummaryChart::Paint(HDC dc, const RECT& area) const {
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Selection fontSelected(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  Text(dc, 6, 3, "Cost of the last 12 periods", TA_LEFT | TA_TOP);
  if (bars.empty()) return;

  const RECT plot{kLeftMargin, kTopMargin, area.right - kRightMargin, area.bottom - kBottomMargin};
  const int height = plot.bottom - plot.top;
  const Currency top = ChartTop(bars, budget);
  auto yOf = [&](Currency amount) { return plot.bottom - ChartHeightOf(amount, top, height); };

  GdiPen axisPen(CreatePen(PS_SOLID, 1, kAxisColour));
  {
    Selection pen(dc, axisPen.Get());
    MoveToEx(dc, plot.left, plot.top, nullptr);
    LineTo(dc, plot.left, plot.bottom);
    LineTo(dc, plot.right, plot.bottom);
  }
  Text(dc, plot.left - 4, plot.top - 6, MoneyText(symbol, top, 2), TA_RIGHT | TA_TOP);
  Text(dc, plot.left - 4, plot.bottom - 6, MoneyText(symbol, Currency(), 2), TA_RIGHT | TA_TOP);

  const int slot = (plot.right - plot.left) / int(bars.size());
  GdiBrush barBrush(CreateSolidBrush(kBarColour)), currentBrush(CreateSolidBrush(kCurrentColour));
  for (size_t i = 0; i < bars.size(); ++i) {
    const int left = plot.left + int(i) * slot;
    RECT bar{left + slot / 5, yOf(bars[i].cost), left + slot - slot / 5, plot.bottom};
    if (bar.top < bar.bottom) FillRect(dc, &bar, bars[i].current ? currentBrush.Get() : barBrush.Get());
    SetTextColor(dc, bars[i].current ? kCurrentColour : GetSysColor(COLOR_WINDOWTEXT));
    Text(dc, left + slot / 2, plot.bottom + 2, bars[i].label, TA_CENTER | TA_TOP);
  }

  if (budget) {
    const int y = yOf(*budget);
    GdiPen budgetPen(CreatePen(PS_DASH, 1, kBudgetColour));
    Selection pen(dc, budgetPen.Get());
    MoveToEx(dc, plot.left, y, nullptr);
    LineTo(dc, plot.right, y);
    SetTextColor(dc, kBudgetColour);
    Text(dc, plot.right, y - 14, "Budget " + MoneyText(symbol, *budget, 2), TA_RIGHT | TA_TOP);
  }
}

}  // namespace lt
