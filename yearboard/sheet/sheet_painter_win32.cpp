#include "yearboard/sheet/sheet_painter_win32.h"

namespace yb {

namespace {

RECT ToRect(const DeviceBox& box) { return RECT{box.left, box.top, box.right, box.bottom}; }

void Fill(HDC dc, const DeviceBox& box, COLORREF color) {
  const RECT rect = ToRect(box);
  SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void DrawPlace(HDC dc, SheetFonts& fonts, const TextPlace& place) {
  if (place.text.empty()) return;
  fonts.Select(place.font);
  RECT rect = ToRect(place.box);
  const UINT align = place.align == TextAlign::Center ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, place.text.c_str(), static_cast<int>(place.text.size()), &rect,
            align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void DrawDay(HDC dc, SheetFonts& fonts, const SheetDay& day, const DeviceBox& cell, const SheetLayout& layout) {
  Fill(dc, cell, ToColorRef(day.color));
  for (const Stripe& stripe : SplitStripes(cell, day.stripes)) {
    if (stripe.color) {
      Fill(dc, stripe.box, ToColorRef(*stripe.color));
      continue;
    }
    Fill(dc, stripe.box, GetSysColor(COLOR_WINDOW));
    for (const DeviceBox& bar : PlusBars(stripe.box)) Fill(dc, bar, GetSysColor(COLOR_WINDOWTEXT));
  }
  if (day.number == 0) return;
  fonts.Select(layout.dayFont);
  const std::string number = std::to_string(day.number);
  RECT rect = ToRect(cell);
  ExtTextOutA(dc, cell.left + layout.dayPad, cell.top + layout.dayPad, ETO_CLIPPED, &rect, number.c_str(),
              static_cast<UINT>(number.size()), nullptr);
}

}  // namespace

std::string SystemFontFace() {
  NONCLIENTMETRICSA metrics{};
  // The size of the structure before Vista's addition, which older systems insist on.
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) &&
      metrics.lfMessageFont.lfFaceName[0])
    return metrics.lfMessageFont.lfFaceName;
  return "Tahoma";
}

SheetFonts::SheetFonts(HDC dc, std::string face) : dc(dc), face(std::move(face)) {}

SheetFonts::~SheetFonts() {
  if (original) SelectObject(dc, original);
}

void SheetFonts::Select(int height) {
  auto found = fonts.find(height);
  if (found == fonts.end()) {
    HFONT font = CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
    found = fonts.emplace(height, GdiObject<HFONT>(font)).first;
  }
  HGDIOBJ previous = SelectObject(dc, found->second.Get());
  if (!original) original = previous;
}

int SheetFonts::TextWidth(const std::string& text, int fontHeight) {
  Select(fontHeight);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void DrawYearSheet(HDC dc, const YearSheet& sheet, int width, int height) {
  SheetFonts fonts(dc, SystemFontFace());
  const SheetLayout layout = LayoutSheet(sheet, width, height, fonts);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  for (int m = 0; m < kMonthRows; ++m) {
    for (int c = 0; c < kDayColumns; ++c) DrawDay(dc, fonts, sheet.days[m][c], layout.cells[m][c], layout);
  }
  for (const DeviceBox& line : layout.lines) Fill(dc, line, ToColorRef(kSheetLineColor));
  DrawPlace(dc, fonts, layout.title);
  for (const TextPlace& place : layout.weekdays) DrawPlace(dc, fonts, place);
  for (const TextPlace& place : layout.months) DrawPlace(dc, fonts, place);
  for (const LegendPlace& entry : layout.legend) {
    if (entry.swatch) {
      const DeviceBox& box = entry.swatchBox;
      const int edge = layout.lineWidth;
      Fill(dc, box, ToColorRef(kSheetLineColor));
      Fill(dc, {box.left + edge, box.top + edge, box.right - edge, box.bottom - edge}, ToColorRef(entry.color));
    }
    DrawPlace(dc, fonts, entry.name);
  }
  DrawPlace(dc, fonts, layout.footer);
  SetTextColor(dc, oldText);
  SetBkMode(dc, oldMode);
}

}  // namespace yb
