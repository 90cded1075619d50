#pragma once
// A real window with a File and an Edit menu, a decoration hooked on it, and helpers that
// send the measuring and drawing messages with a memory DC whose pixels the tests read.
#include <windows.h>

#include <memory>
#include <string>

#include "linetally/menudecor/menu_decor_win32.h"

namespace lt::testing {

constexpr UINT kIdNew = 1001, kIdOpen = 1002, kIdSeparator = 1003, kIdPrintSetup = 1004;
constexpr UINT kIdExit = 1006, kIdDelete = 1101, kIdApplication = 1103;
constexpr UINT kPingMessage = WM_APP + 7;  // answered by the window's own procedure

constexpr COLORREF kNorm = RGB(250, 240, 200);
constexpr COLORREF kSel = RGB(0, 60, 130);
constexpr COLORREF kPictureInk = RGB(0, 0, 255);

class DecorFixture {
 public:
  DecorFixture();
  ~DecorFixture();

  HWND window = nullptr;
  HMENU menuBar = nullptr, file = nullptr, edit = nullptr, preferences = nullptr;
  std::unique_ptr<TMenuDecor> decor;

  // The first group of Linetally's main menu: picture, fixed size, no highlight on the
  // picture, raised bevel around it while selected.
  TMenuDecorItem& BindPictureItem(UINT id, HMENU menu = nullptr);
  static TPicture RingPicture();  // 16 x 16: white ring (transparent) around blue

  // Sends WM_MEASUREITEM for the bound item and returns the answer.
  SIZE Measure(TMenuDecorItem& item);
  // Draws the item `width` pixels wide at its measured height into a fresh bitmap.
  struct Drawn {
    int width = 0, height = 0;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    int Count(COLORREF colour) const;  // pixels of that colour
    ~Drawn();
  };
  std::unique_ptr<Drawn> Draw(TMenuDecorItem& item, UINT state, int width = 160);
};

}  // namespace lt::testing
