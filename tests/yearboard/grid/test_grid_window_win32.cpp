#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "yearboard/grid/grid_window_win32.h"

namespace yb {
namespace {

// A plain parent window that records the grid's notifications.
struct Parent {
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
      auto* self = reinterpret_cast<Parent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
      if (self) self->codes += std::to_string(HIWORD(wParam)) + ",";
      return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  Parent() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GridTestParent";
    RegisterClassA(&wc);
    hwnd = CreateWindowA("GridTestParent", "Grid test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                         700, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Parent() { DestroyWindow(hwnd); }
  HWND hwnd;
  std::string codes;
};

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

std::string CellText(HWND grid, int row, int col) {
  char buffer[kGridTextCapacity];
  const LRESULT length = SendMessageA(grid, kGridGetCellText, PackCell(row, col),
                                      reinterpret_cast<LPARAM>(buffer));
  return length < 0 ? "<none>" : std::string(buffer, static_cast<std::size_t>(length));
}

TEST(GridWindow, AnswersStateMessagesAndReportsClicks) {
  Parent parent;
  GridModel model(13, 38, 1, 1);
  GridWindow window(model);
  window.Create(parent.hwnd, 101, 10, 10, 600, 300);
  HWND grid = window.Handle();
  model.SetText(1, 4, "1");
  model.SetCellBackColor(1, 4, Rgb(0, 255, 0));
  model.SetColWidth(0, 1095);
  for (int c = 1; c < 38; ++c) model.SetColWidth(c, 240);
  Pump();

  EXPECT_EQ(SendMessageA(grid, kGridGetRows, 0, 0), 13);
  EXPECT_EQ(SendMessageA(grid, kGridGetCols, 0, 0), 38);
  EXPECT_EQ(SendMessageA(grid, kGridGetFixed, 0, 0), static_cast<LRESULT>(PackCell(1, 1)));
  EXPECT_EQ(CellText(grid, 1, 4), "1");
  EXPECT_EQ(CellText(grid, 20, 4), "<none>");
  EXPECT_EQ(static_cast<Color>(SendMessageA(grid, kGridGetCellColor, PackCell(1, 4), 0)), 65280u);
  EXPECT_EQ(static_cast<Color>(SendMessageA(grid, kGridGetCellColor, PackCell(2, 4), 0)), kSysWindow);

  // The pixel rectangle of a cell follows the twips through the screen's factor.
  RECT rect{};
  ASSERT_EQ(SendMessageA(grid, kGridGetCellRect, PackCell(1, 4), reinterpret_cast<LPARAM>(&rect)), 1);
  const int tppX = ScreenTwipsPerPixelX();
  EXPECT_EQ(rect.left, (1095 + 3 * 240 + tppX / 2) / tppX);
  EXPECT_EQ(rect.right - rect.left, 240 / tppX);

  // The painted pixel in the middle of the cell is the cell's colour.
  HDC dc = GetDC(grid);
  EXPECT_EQ(GetPixel(dc, (rect.left + rect.right) / 2, rect.bottom - 3), RGB(0, 255, 0));
  ReleaseDC(grid, dc);

  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  EXPECT_EQ(parent.codes, "1,2,");
  EXPECT_EQ(model.MouseRow(), 1);
  EXPECT_EQ(model.MouseCol(), 4);
  // A press beyond the last cell is not a click on any cell.
  SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(595, 295));
  EXPECT_EQ(parent.codes, "1,2,");
}

TEST(GridWindow, ShowsScrollBarsOnlyWhenCellsDoNotFitAndScrolls) {
  Parent parent;
  GridModel model(13, 38, 1, 1);  // 38 columns of 960 twips: far wider than the window
  GridWindow window(model);
  window.Create(parent.hwnd, 102, 0, 0, 600, 300);
  HWND grid = window.Handle();
  LRESULT bars = SendMessageA(grid, kGridGetScrollBars, 0, 0);
  EXPECT_EQ(bars & 0x100, 0x100);  // horizontal shown
  EXPECT_EQ(bars & 0x200, 0);      // 13 rows of 240 twips fit in 300 pixels
  SendMessageA(grid, WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(SendMessageA(grid, kGridGetFirstVisible, 0, 0), static_cast<LRESULT>(PackCell(1, 2)));
  RECT rect{};
  EXPECT_EQ(SendMessageA(grid, kGridGetCellRect, PackCell(1, 1), reinterpret_cast<LPARAM>(&rect)), 0);
  model.SetScrollBars(ScrollBars::Vertical);
  bars = SendMessageA(grid, kGridGetScrollBars, 0, 0);
  EXPECT_EQ(bars, 2);
  for (int c = 0; c < 38; ++c) model.SetColWidth(c, 100);
  model.SetScrollBars(ScrollBars::Both);
  EXPECT_EQ(SendMessageA(grid, kGridGetScrollBars, 0, 0), 3);
}

}  // namespace
}  // namespace yb
