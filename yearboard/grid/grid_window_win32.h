#pragma once
// The grid control: a window that paints a GridModel (twips through the screen's twips per
// pixel), scrolls it within the scroll bars the model allows, reports clicks and double-clicks
// to its parent as WM_COMMAND notifications (grid_messages.h) and answers the state messages.
#include <windows.h>

#include <map>

#include "yearboard/base/handles_win32.h"
#include "yearboard/grid/grid_messages.h"
#include "yearboard/grid/grid_model.h"

namespace yb {

// The screen's twips per pixel, horizontally and vertically (15 at 96 dots per inch).
int ScreenTwipsPerPixelX();
int ScreenTwipsPerPixelY();

class GridWindow {
 public:
  explicit GridWindow(GridModel& model);
  GridWindow(const GridWindow&) = delete;
  GridWindow& operator=(const GridWindow&) = delete;
  ~GridWindow();

  // Position and size in the parent's client pixels.
  void Create(HWND parent, int id, int x, int y, int width, int height);
  HWND Handle() const { return window.Get(); }

 private:
  struct Span {
    int index, from, to;  // pixels along the axis
  };

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnModelChanged(const CellSpan* span);
  void FlushPending(bool paintNow);
  void Paint();
  void PaintCell(HDC dc, int r, int c, const RECT& rect);
  void PaintStripes(HDC dc, const std::vector<Color>& colors, const RECT& rect);
  void PaintLines(HDC dc, const std::vector<Span>& rows, const std::vector<Span>& cols);
  void UpdateScrollBars();
  void OnScroll(int bar, int code);
  void Notify(unsigned code, LPARAM lParam);
  GridHit HitAt(LPARAM lParam) const;
  bool PixelRect(int r, int c, RECT& rect) const;
  HFONT FontFor(double points);
  std::vector<Span> RowSpans(int limit) const;
  std::vector<Span> ColSpans(int limit) const;

  GridModel& model;
  Window window;
  std::map<int, GdiObject<HFONT>> fonts;
  std::string fontFace;
  bool hShown = false;
  bool vShown = false;
  bool updatingBars = false;
  int tppX = 15;
  int tppY = 15;
  int logPixelsY = 96;
  HFONT selectedFont = nullptr;  // while painting
  unsigned long lastUpdate = 0;  // tick of the last immediate repaint
  RECT pending{};                // changed cells not yet invalidated
  bool timerSet = false;
};

}  // namespace yb
