// A real pop-up menu opened on the test window: the platform measures and draws the bound
// items through the hooked window procedure.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/linetally/menudecor/decor_fixture_win32.h"

namespace lt::testing {
namespace {

// Writes the screen area as NAME.bmp into the run's screenshot folder, for a person to look at.
void SaveScreen(const RECT& r, const std::string& name) {
  const char* dir = std::getenv("LT_SCREENSHOT_DIR");
  if (!dir) return;
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(dc, old);
  BITMAPINFOHEADER info{sizeof info, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const int row = ((w * 3 + 3) / 4) * 4;
  std::vector<char> pixels(size_t(row) * h);
  GetDIBits(dc, bitmap, 0, UINT(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()), 0, 0,
                        DWORD(sizeof(BITMAPFILEHEADER) + sizeof info)};
  const std::string path = std::string(dir) + "\\" + name + ".bmp";
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
  }
}

struct Seen {
  RECT popup{};
  int ink = 0, selected = 0;
  bool found = false;
};
Seen* seen = nullptr;

// Runs inside the menu's own loop: look at the open pop-up, then close it.
void CALLBACK LookAtPopup(HWND window, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(window, timer);
  seen->found = true;
  GetWindowRect(popup, &seen->popup);
  HDC screen = GetDC(nullptr);
  for (int y = seen->popup.top; y < seen->popup.bottom; ++y)
    for (int x = seen->popup.left; x < seen->popup.right; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      seen->ink += c == kPictureInk;
      seen->selected += c == kSel;
    }
  ReleaseDC(nullptr, screen);
  SaveScreen(seen->popup, "menudecor_popup");
  EndMenu();
}

TEST(MenuPopup, ThePlatformDrawsBoundItemsThroughTheDecoration) {
  DecorFixture f;
  ShowWindow(f.window, SW_SHOW);
  f.BindPictureItem(kIdNew);
  TMenuDecorItem& open = f.BindPictureItem(kIdOpen);
  open.BevelType = TBevelType::btRoundedRect;
  TMenuDecorItem& separator = f.decor->AddItem();
  separator.Bind(f.menuBar, kIdSeparator);
  separator.SeparatorText = "Setup";
  f.decor->AddItem().Bind(f.menuBar, kIdExit);
  Seen result;
  seen = &result;
  SetTimer(f.window, 1, 100, LookAtPopup);
  SetForegroundWindow(f.window);
  // Selecting "Open" from the start shows the highlight and the rounded bevel.
  PostMessageA(f.window, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(f.window, WM_KEYDOWN, VK_DOWN, 0);
  TrackPopupMenu(f.file, TPM_LEFTALIGN | TPM_TOPALIGN, 100, 100, 0, f.window, nullptr);
  seen = nullptr;
  ASSERT_TRUE(result.found);
  EXPECT_GE(result.ink, 2 * 12 * 12) << "both pictures are on the screen";
  EXPECT_GT(result.selected, 100) << "the selected item's highlight";
  EXPECT_GE(result.popup.right - result.popup.left, 100);
}

}  // namespace
}  // namespace lt::testing
