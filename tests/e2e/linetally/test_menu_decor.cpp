// The decorated main menu as a person meets it: every menu opened and looked at, the bound
// items drawn by the program itself (their pictures on the screen, the selected item's picture
// cell kept in the menu colour with a raised bevel), and their commands still reached by the
// mouse, by the accelerator letter and by the shortcut.
#include <gtest/gtest.h>

#include <vector>

#include "linetally_app.h"

namespace e2e {
namespace {

// Picture colours that only the menu pictures use.
constexpr COLORREF kPage = RGB(248, 248, 248), kFolder = RGB(255, 255, 0), kStroke = RGB(255, 0, 0);
constexpr COLORREF kLens = RGB(0, 192, 192), kQuestion = RGB(0, 0, 255), kChartBar = RGB(224, 140, 30);
constexpr COLORREF kArrow = RGB(0, 128, 0);

// The screen pixels of a window.
struct Capture {
  RECT area{};
  std::vector<COLORREF> pixels;
  int Width() const { return area.right - area.left; }
  int Height() const { return area.bottom - area.top; }
  COLORREF At(int x, int y) const { return pixels[size_t(y) * Width() + x]; }
  int Count(COLORREF colour, int top = 0, int bottom = -1) const {
    int n = 0;
    for (int y = top; y < (bottom < 0 ? Height() : bottom); ++y)
      for (int x = 0; x < Width(); ++x) n += At(x, y) == colour;
    return n;
  }
  int TopMost(COLORREF colour) const {
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < Width(); ++x)
        if (At(x, y) == colour) return y;
    return -1;
  }
  // The leftmost column holding the colour within the rows, -1 when absent.
  int LeftMost(COLORREF colour, int top, int bottom) const {
    for (int x = 0; x < Width(); ++x)
      for (int y = top; y < bottom; ++y)
        if (At(x, y) == colour) return x;
    return -1;
  }
};

Capture Grab(HWND window) {
  Capture c;
  GetWindowRect(window, &c.area);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, c.Width(), c.Height());
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, c.Width(), c.Height(), screen, c.area.left, c.area.top, SRCCOPY);
  c.pixels.reserve(size_t(c.Width()) * c.Height());
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) c.pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return c;
}

// Every visible pop-up menu window, the last opened first.
std::vector<HWND> OpenPopups() {
  std::vector<HWND> found;
  for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
       menu = FindWindowExA(nullptr, menu, "#32768", nullptr))
    if (IsWindowVisible(menu)) found.push_back(menu);
  return found;
}

HWND WaitForPopups(size_t count) {
  std::vector<HWND> popups;
  if (!WaitUntil([&] { return (popups = OpenPopups()).size() >= count; })) return nullptr;
  Sleep(300);  // drawn
  return OpenPopups().front();
}

HWND OpenMenu(const LinetallyApp& app, char letter) {
  SetForegroundWindow(app.Main());
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_KEYMENU, letter);
  return WaitForPopups(1);
}

void CloseMenus(const LinetallyApp& app) {
  PostMessageA(app.Main(), WM_CANCELMODE, 0, 0);
  for (HWND popup : OpenPopups()) PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  WaitUntil([] { return OpenPopups().empty(); });
}

void ClickScreen(int x, int y) {
  SetCursorPos(x, y);
  Sleep(100);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

TEST(MenuDecor, EveryMainMenuShowsItsPictures) {
  LinetallyApp app;
  app.Start();
  HWND file = OpenMenu(app, 'f');
  ASSERT_TRUE(file);
  Screenshot(nullptr, "menudecor-file-menu");
  Capture shot = Grab(file);
  EXPECT_GT(shot.Count(kPage), 3 * 40) << "New, Save As and Print";
  EXPECT_GT(shot.Count(kFolder), 20) << "Open";
  EXPECT_GT(shot.Count(kArrow), 15) << "Export: its green arrow";
  CloseMenus(app);

  HWND edit = OpenMenu(app, 'e');
  ASSERT_TRUE(edit);
  EXPECT_GT(Grab(edit).Count(kStroke), 20) << "Delete";
  EXPECT_GT(Grab(edit).Count(kChartBar), 20) << "Monthly Summary";
  PostMessageA(edit, WM_CHAR, 'p', 0);  // the owner-drawn sub-menu item opens by its letter
  HWND preferences = WaitForPopups(2);
  ASSERT_TRUE(preferences);
  Screenshot(nullptr, "menudecor-edit-preferences-menu");
  EXPECT_GT(Grab(preferences).Count(kLens), 10) << "Telecom Services";
  CloseMenus(app);

  HWND help = OpenMenu(app, 'h');
  ASSERT_TRUE(help);
  EXPECT_GT(Grab(help).Count(kQuestion), 20) << "Linetally Help";
  PostMessageA(help, WM_CHAR, 'w', 0);
  ASSERT_TRUE(WaitForPopups(2));
  Screenshot(nullptr, "menudecor-help-web-menu");
  CloseMenus(app);
}

TEST(MenuDecor, TheSelectedItemKeepsItsPictureCellAndHasABevel) {
  LinetallyApp app;
  app.Start();
  HWND file = OpenMenu(app, 'f');
  ASSERT_TRUE(file);
  PostMessageA(file, WM_KEYDOWN, VK_HOME, 0);  // "&New", the first item
  Sleep(300);
  Screenshot(file, "menudecor-file-menu-new-selected");
  const Capture shot = Grab(file);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT), menu = GetSysColor(COLOR_MENU);
  // The page's interior starts 4 pixels right of and 2 below the 16-pixel cell's corner.
  const int pageLeft = shot.LeftMost(kPage, 0, 30), pageTop = shot.TopMost(kPage);
  ASSERT_GT(pageLeft, 4);
  const int cellLeft = pageLeft - 4, middle = pageTop - 2 + 8;
  int highlighted = 0, highlightInCell = 0;
  for (int y = middle - 8; y < middle + 8; ++y) {
    for (int x = cellLeft - 2; x < cellLeft + 18; ++x) highlightInCell += shot.At(x, y) == highlight;
    for (int x = cellLeft + 20; x < shot.Width() - 4; ++x) highlighted += shot.At(x, y) == highlight;
  }
  EXPECT_GT(highlighted, 100) << "the caption side is highlighted";
  EXPECT_EQ(highlightInCell, 0) << "the picture cell keeps the menu colour";
  EXPECT_EQ(shot.At(cellLeft - 2, middle), GetSysColor(COLOR_BTNHIGHLIGHT)) << "raised bevel, left edge";
  EXPECT_EQ(shot.At(cellLeft + 17, middle), GetSysColor(COLOR_BTNSHADOW)) << "raised bevel, right edge";
  // "&Open...", not selected, has no bevel.
  EXPECT_EQ(shot.At(cellLeft - 2, middle + 20), menu);
  CloseMenus(app);
}

TEST(MenuDecor, CommandsWorkFromMouseLetterAndShortcut) {
  LinetallyApp app;
  app.Start();
  // Mouse: a click on "&New" with no records says so.
  HWND file = OpenMenu(app, 'f');
  ASSERT_TRUE(file);
  RECT area{};
  GetWindowRect(file, &area);
  ClickScreen(area.left + 60, area.top + 12);
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "New from the mouse";
  EXPECT_EQ(box->text, "Current database is already empty.");
  Answer(*box, IDOK);

  // Accelerator letter: "Save &As..." and, in a sub-menu, "&About Linetally".
  file = OpenMenu(app, 'f');
  ASSERT_TRUE(file);
  PostMessageA(file, WM_CHAR, 'a', 0);
  box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "Save As from its letter";
  EXPECT_EQ(box->text, "Current database does not contains any records.");
  Answer(*box, IDOK);
  HWND help = OpenMenu(app, 'h');
  ASSERT_TRUE(help);
  PostMessageA(help, WM_CHAR, 'a', 0);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    about = FindTopWindow(app.Program().Id(), "TfrmAbout");
    return about && Visible(about);
  })) << "About from its letter";
  PostMessageA(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(about); }));

  // Shortcut: Ctrl+O opens the load dialog (no records, so no question first).
  SetForegroundWindow(app.Main());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == app.Main(); }));
  PressWithControl('O');
  EXPECT_TRUE(ChooseFile(app.Program().Id(), "Load Database", "")) << "Open from Ctrl+O";
}

}  // namespace
}  // namespace e2e
