#include "yearboard/grid/grid_window_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "yearboard/grid/stripes.h"

namespace yb {
namespace {

const char kClassName[] = "YearboardGrid";
const COLORREF kGridLineColor = RGB(192, 192, 192);
const COLORREF kBackgroundColor = RGB(128, 128, 128);
constexpr DWORD kUpdateIntervalMs = 30;
constexpr UINT_PTR kFlushTimer = 1;

int ScreenLogPixels(int index) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, index);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

void RegisterGridClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  registered = true;
}

UINT AlignmentFlags(Alignment alignment) {
  switch (alignment) {
    case Alignment::LeftTop: return DT_LEFT | DT_TOP;
    case Alignment::LeftCenter: return DT_LEFT | DT_VCENTER;
    case Alignment::LeftBottom: return DT_LEFT | DT_BOTTOM;
    case Alignment::CenterTop: return DT_CENTER | DT_TOP;
    case Alignment::CenterCenter: return DT_CENTER | DT_VCENTER;
    case Alignment::CenterBottom: return DT_CENTER | DT_BOTTOM;
    case Alignment::RightTop: return DT_RIGHT | DT_TOP;
    case Alignment::RightCenter: return DT_RIGHT | DT_VCENTER;
    case Alignment::RightBottom: return DT_RIGHT | DT_BOTTOM;
  }
  return DT_LEFT | DT_VCENTER;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// Answers a text query into the caller's buffer of kGridTextCapacity characters.
LRESULT CopyText(const std::string& text, LPARAM buffer) {
  const std::size_t length = std::min(text.size(), kGridTextCapacity - 1);
  char* out = reinterpret_cast<char*>(buffer);
  std::memcpy(out, text.data(), length);
  out[length] = '\0';
  return static_cast<LRESULT>(length);
}

}  // namespace

int ScreenTwipsPerPixelX() { return 1440 / ScreenLogPixels(LOGPIXELSX); }
int ScreenTwipsPerPixelY() { return 1440 / ScreenLogPixels(LOGPIXELSY); }

GridWindow::GridWindow(GridModel& model) : model(model) {
  model.SetListener([this](const CellSpan* span) { OnModelChanged(span); });
}

GridWindow::~GridWindow() {
  model.SetListener(nullptr);
  if (window.Get()) SetWindowLongPtrA(window.Get(), GWLP_USERDATA, 0);
}

void GridWindow::Create(HWND parent, int id, int x, int y, int width, int height) {
  RegisterGridClass();
  tppX = ScreenTwipsPerPixelX();
  tppY = ScreenTwipsPerPixelY();
  logPixelsY = ScreenLogPixels(LOGPIXELSY);
  // No border of its own: the planner frames its grids with labels.
  HWND hwnd = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                              WS_CLIPSIBLINGS, x, y, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  window.Reset(hwnd);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GridWindow::Proc));
  UpdateScrollBars();
}

LRESULT CALLBACK GridWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<GridWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return self->OnMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    MessageBoxA(hwnd, error.what(), "Yearboard", MB_OK | MB_ICONSTOP);
  } catch (...) {
    MessageBoxA(hwnd, "Unexpected error", "Yearboard", MB_OK | MB_ICONSTOP);
  }
  return 0;
}

void GridWindow::OnModelChanged(const CellSpan* span) {
  HWND hwnd = window.Get();
  if (!hwnd) return;
  RECT first{}, last{};
  if (span && PixelRect(span->row0, span->col0, first) && PixelRect(span->row1, span->col1, last)) {
    const RECT area{first.left, first.top, last.right + 1, last.bottom + 1};
    UnionRect(&pending, &pending, &area);
    // Cell changes show soon, so a year visibly fills in while it loads, but a burst of them
    // is painted together rather than cell by cell; the timer paints the rest of a burst.
    if (GetTickCount() - lastUpdate >= kUpdateIntervalMs) {
      FlushPending(true);
    } else if (!timerSet) {
      timerSet = SetTimer(hwnd, kFlushTimer, kUpdateIntervalMs, nullptr) != 0;
    }
    return;
  }
  FlushPending(false);
  UpdateScrollBars();
  InvalidateRect(hwnd, nullptr, FALSE);
}

void GridWindow::FlushPending(bool paintNow) {
  HWND hwnd = window.Get();
  if (timerSet) {
    KillTimer(hwnd, kFlushTimer);
    timerSet = false;
  }
  if (IsRectEmpty(&pending)) return;
  InvalidateRect(hwnd, &pending, FALSE);
  SetRectEmpty(&pending);
  if (paintNow) {
    UpdateWindow(hwnd);
    lastUpdate = GetTickCount();
  }
}

std::vector<GridWindow::Span> GridWindow::RowSpans(int limit) const {
  std::vector<Span> spans;
  int twips = 0;
  int y = 0;
  for (int r = 0; r < model.Rows() && y < limit; ++r) {
    if (r >= model.FixedRows() && r < model.TopRow()) continue;
    twips += model.RowHeight(r);
    const int next = (twips + tppY / 2) / tppY;
    spans.push_back({r, y, next});
    y = next;
  }
  return spans;
}

std::vector<GridWindow::Span> GridWindow::ColSpans(int limit) const {
  std::vector<Span> spans;
  int twips = 0;
  int x = 0;
  for (int c = 0; c < model.Cols() && x < limit; ++c) {
    if (c >= model.FixedCols() && c < model.LeftCol()) continue;
    twips += model.ColWidth(c);
    const int next = (twips + tppX / 2) / tppX;
    spans.push_back({c, x, next});
    x = next;
  }
  return spans;
}

bool GridWindow::PixelRect(int r, int c, RECT& rect) const {
  if (r < 0 || r >= model.Rows() || c < 0 || c >= model.Cols()) return false;
  const auto twips = model.CellRect(r, c);
  if (!twips) return false;
  rect.left = (twips->left + tppX / 2) / tppX;
  rect.top = (twips->top + tppY / 2) / tppY;
  rect.right = (twips->right + tppX / 2) / tppX;
  rect.bottom = (twips->bottom + tppY / 2) / tppY;
  return true;
}

HFONT GridWindow::FontFor(double points) {
  if (fontFace != model.FontName()) {
    fonts.clear();
    fontFace = model.FontName();
  }
  const int height = -static_cast<int>(std::lround(points * logPixelsY / 72.0));
  auto found = fonts.find(height);
  if (found == fonts.end()) {
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, fontFace.c_str());
    found = fonts.emplace(height, GdiObject<HFONT>(font)).first;
  }
  return found->second.Get();
}

void GridWindow::PaintCell(HDC dc, int r, int c, const RECT& rect) {
  const bool fixed = r < model.FixedRows() || c < model.FixedCols();
  FillSolid(dc, rect, ToColorRef(model.CellBackColor(r, c)));
  PaintStripes(dc, model.CellStripes(r, c), rect);
  const std::string& text = model.Text(r, c);
  if (!text.empty()) {
    // Fonts are switched only when a cell needs another one.
    HFONT font = FontFor(model.CellFontSize(r, c));
    if (font != selectedFont) {
      SelectObject(dc, font);
      selectedFont = font;
    }
    SetTextColor(dc, GetSysColor(fixed ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
    RECT inner{rect.left + 2, rect.top + 1, rect.right - 2, rect.bottom - 1};
    const Alignment alignment = model.CellAlignment(r, c);
    if (alignment == Alignment::LeftTop) {
      // Most cells (the day numbers): no measuring needed.
      ExtTextOutA(dc, inner.left, inner.top, ETO_CLIPPED, &inner, text.c_str(),
                  static_cast<UINT>(text.size()), nullptr);
    } else {
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inner,
                AlignmentFlags(alignment) | DT_SINGLELINE | DT_NOPREFIX);
    }
  }
  // The current cell keeps its mark without the focus, so a selected category shows.
  if (!fixed && r == model.Row() && c == model.Col()) {
    RECT focus{rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom - 2};
    DrawFocusRect(dc, &focus);
  }
}

// The bands end one pixel short of the cell's right and bottom edges, where its lines go.
void GridWindow::PaintStripes(HDC dc, const std::vector<Color>& colors, const RECT& rect) {
  if (colors.empty()) return;
  const DeviceBox cell{rect.left, rect.top, rect.right - 1, rect.bottom - 1};
  for (const Stripe& stripe : SplitStripes(cell, colors)) {
    const RECT band{stripe.box.left, stripe.box.top, stripe.box.right, stripe.box.bottom};
    if (stripe.color) {
      FillSolid(dc, band, ToColorRef(*stripe.color));
      continue;
    }
    FillSolid(dc, band, GetSysColor(COLOR_WINDOW));
    for (const DeviceBox& bar : PlusBars(stripe.box))
      FillSolid(dc, RECT{bar.left, bar.top, bar.right, bar.bottom}, GetSysColor(COLOR_WINDOWTEXT));
  }
}

// The lines are drawn once per row and column rather than per cell: fixed cells look raised
// (light top and left edges, shadowed right and bottom), the others are divided by light lines.
void GridWindow::PaintLines(HDC dc, const std::vector<Span>& rows, const std::vector<Span>& cols) {
  if (rows.empty() || cols.empty()) return;
  const int left = cols.front().from, right = cols.back().to;
  const int top = rows.front().from, bottom = rows.back().to;
  int fixedBottom = top, fixedRight = left;
  for (const Span& row : rows) {
    if (row.index < model.FixedRows()) fixedBottom = row.to;
  }
  for (const Span& col : cols) {
    if (col.index < model.FixedCols()) fixedRight = col.to;
  }
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  for (const Span& row : rows) {
    if (row.index < model.FixedRows()) {
      FillSolid(dc, RECT{left, row.from, right, row.from + 1}, highlight);
      FillSolid(dc, RECT{left, row.to - 1, right, row.to}, shadow);
    } else {
      FillSolid(dc, RECT{left, row.from, fixedRight, row.from + 1}, highlight);
      FillSolid(dc, RECT{left, row.to - 1, fixedRight, row.to}, shadow);
      FillSolid(dc, RECT{fixedRight, row.to - 1, right, row.to}, kGridLineColor);
    }
  }
  for (const Span& col : cols) {
    if (col.index < model.FixedCols()) {
      FillSolid(dc, RECT{col.from, top, col.from + 1, bottom}, highlight);
      FillSolid(dc, RECT{col.to - 1, top, col.to, bottom}, shadow);
    } else {
      FillSolid(dc, RECT{col.from, top, col.from + 1, fixedBottom}, highlight);
      FillSolid(dc, RECT{col.to - 1, top, col.to, fixedBottom}, shadow);
      FillSolid(dc, RECT{col.to - 1, fixedBottom, col.to, bottom - 1}, kGridLineColor);
    }
  }
}

void GridWindow::Paint() {
  HWND hwnd = window.Get();
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd, &ps);
  const RECT& area = ps.rcPaint;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width > 0 && height > 0) {
    MemoryDc memory(target, width, height);
    HDC dc = memory.Get();
    SetViewportOrgEx(dc, -area.left, -area.top, nullptr);
    FillSolid(dc, area, kBackgroundColor);
    const std::vector<Span> rows = RowSpans(area.bottom);
    const std::vector<Span> cols = ColSpans(area.right);
    HGDIOBJ originalFont = GetCurrentObject(dc, OBJ_FONT);
    selectedFont = nullptr;
    SetBkMode(dc, TRANSPARENT);
    for (const Span& row : rows) {
      if (row.to <= area.top) continue;
      for (const Span& col : cols) {
        if (col.to <= area.left) continue;
        PaintCell(dc, row.index, col.index, RECT{col.from, row.from, col.to, row.to});
      }
    }
    SetBkMode(dc, OPAQUE);
    SelectObject(dc, originalFont);
    PaintLines(dc, rows, cols);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    BitBlt(target, area.left, area.top, width, height, dc, 0, 0, SRCCOPY);
  }
  EndPaint(hwnd, &ps);
}

void GridWindow::UpdateScrollBars() {
  HWND hwnd = window.Get();
  if (!hwnd || updatingBars) return;
  updatingBars = true;
  RECT client;
  GetClientRect(hwnd, &client);
  const int barX = GetSystemMetrics(SM_CXVSCROLL);
  const int barY = GetSystemMetrics(SM_CYHSCROLL);
  const int fullWidth = client.right + (vShown ? barX : 0);
  const int fullHeight = client.bottom + (hShown ? barY : 0);
  const VisibleBars bars = model.BarsFor(fullWidth * tppX, fullHeight * tppY, barY * tppY);
  if (bars.horizontal != hShown) ShowScrollBar(hwnd, SB_HORZ, bars.horizontal);
  if (bars.vertical != vShown) ShowScrollBar(hwnd, SB_VERT, bars.vertical);
  hShown = bars.horizontal;
  vShown = bars.vertical;
  GetClientRect(hwnd, &client);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 1, 0, 0};
  if (hShown) {
    info.nMax = std::max(model.MaxLeftCol(client.right * tppX) - model.FixedCols(), 0);
    info.nPos = model.LeftCol() - model.FixedCols();
    SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
  }
  if (vShown) {
    info.nMax = std::max(model.MaxTopRow(client.bottom * tppY) - model.FixedRows(), 0);
    info.nPos = model.TopRow() - model.FixedRows();
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
  }
  updatingBars = false;
}

void GridWindow::OnScroll(int bar, int code) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window.Get(), bar, &info);
  int pos = info.nPos;
  switch (code) {
    case SB_LINEUP: case SB_PAGEUP: --pos; break;
    case SB_LINEDOWN: case SB_PAGEDOWN: ++pos; break;
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = info.nMax; break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    default: return;
  }
  pos = std::clamp(pos, info.nMin, info.nMax);
  if (pos == info.nPos) return;
  if (bar == SB_VERT) model.SetTopRow(model.FixedRows() + pos);
  else model.SetLeftCol(model.FixedCols() + pos);
}

GridHit GridWindow::HitAt(LPARAM lParam) const {
  return model.CellAt(GET_X_LPARAM(lParam) * tppX, GET_Y_LPARAM(lParam) * tppY);
}

void GridWindow::Notify(unsigned code, LPARAM lParam) {
  const GridHit hit = HitAt(lParam);
  if (hit.row < 0) return;  // the empty area beyond the cells
  model.SetMouseCell(hit);
  HWND hwnd = window.Get();
  SendMessageA(GetParent(hwnd), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

LRESULT GridWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = window.Get();
  const auto cell = static_cast<std::uint32_t>(wParam);
  const auto validCell = [&] {
    return CellRow(cell) < model.Rows() && CellCol(cell) < model.Cols();
  };
  switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: UpdateScrollBars(); return 0;
    case WM_TIMER:
      if (wParam == kFlushTimer) FlushPending(false);
      return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL:
      if (vShown) {
        for (int i = 0; i < 3; ++i) OnScroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
      }
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      Notify(kGridClick, lParam);
      return 0;
    case WM_LBUTTONDBLCLK: Notify(kGridDblClick, lParam); return 0;
    case kGridGetRows: return model.Rows();
    case kGridGetCols: return model.Cols();
    case kGridGetFixed: return static_cast<LRESULT>(PackCell(model.FixedRows(), model.FixedCols()));
    case kGridGetCellText:
      if (!validCell() || !lParam) return -1;
      return CopyText(model.Text(CellRow(cell), CellCol(cell)), lParam);
    case kGridGetFontName: {
      if (!lParam) return -1;
      LOGFONTA font{};
      GetObjectA(FontFor(model.FontSize()), sizeof font, &font);
      return CopyText(font.lfFaceName, lParam);
    }
    case kGridGetCellColor:
      return validCell() ? static_cast<LRESULT>(model.CellBackColor(CellRow(cell), CellCol(cell))) : 0;
    case kGridGetCellRect: {
      RECT rect{};
      if (!validCell() || !lParam || !PixelRect(CellRow(cell), CellCol(cell), rect)) return 0;
      *reinterpret_cast<RECT*>(lParam) = rect;
      return 1;
    }
    case kGridGetCurrent: return static_cast<LRESULT>(PackCell(model.Row(), model.Col()));
    case kGridGetFirstVisible: return static_cast<LRESULT>(PackCell(model.TopRow(), model.LeftCol()));
    case kGridGetScrollBars:
      return static_cast<LRESULT>(model.AllowedScrollBars()) | (hShown ? 0x100 : 0) | (vShown ? 0x200 : 0);
    case kGridGetRowHeight:
      return static_cast<int>(wParam) < model.Rows() ? model.RowHeight(static_cast<int>(wParam)) : -1;
    case kGridGetColWidth:
      return static_cast<int>(wParam) < model.Cols() ? model.ColWidth(static_cast<int>(wParam)) : -1;
    case kGridGetCellFontSize:
      return validCell() ? std::lround(model.CellFontSize(CellRow(cell), CellCol(cell)) * 100) : 0;
    case kGridGetCellAlignment:
      return validCell() ? static_cast<LRESULT>(model.CellAlignment(CellRow(cell), CellCol(cell))) : -1;
    case kGridGetRedraw: return model.Redraw() ? 1 : 0;
    case kGridGetCellStripes: {
      if (!validCell() || !lParam) return -1;
      const std::vector<Color>& colors = model.CellStripes(CellRow(cell), CellCol(cell));
      std::copy_n(colors.begin(), std::min(colors.size(), kGridStripeCapacity), reinterpret_cast<Color*>(lParam));
      return static_cast<LRESULT>(colors.size());
    }
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace yb
