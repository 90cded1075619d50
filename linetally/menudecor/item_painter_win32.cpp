#include "linetally/menudecor/item_painter_win32.h"

#include <algorithm>
#include <stdexcept>

#include "linetally/menudecor/decor_internal_win32.h"

namespace lt {

using namespace gdi;

namespace {

// Brush where the one-bit source is black, destination where it is white.
constexpr DWORD kRopBrushThroughMask = 0x00B8074A;

class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc(dc), id(SaveDC(dc)) {}
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;
  ~SavedDc() { RestoreDC(dc, id); }

 private:
  HDC dc;
  int id;
};

void Line(HDC dc, int x1, int y1, int x2, int y2, Colour colour) {
  GdiPen pen(CreatePen(PS_SOLID, 1, ToRgb(colour)));
  Selection keep(dc, pen.Get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

}  // namespace

ItemPainter::ItemPainter(TMenuDecor& decor, TMenuDecorItem& item, const DRAWITEMSTRUCT& dis)
    : decor(decor), item(item), dis(dis), dc(dis.hDC),
      rect{dis.rcItem.left, dis.rcItem.top, dis.rcItem.right, dis.rcItem.bottom} {
  state.selected = (dis.itemState & ODS_SELECTED) != 0;
  state.disabled = (dis.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  state.checked = (dis.itemState & ODS_CHECKED) != 0;
  state.separator = item.caption == "-";
  isDefault = (dis.itemState & ODS_DEFAULT) != 0;
  state.hasPicture = !item.picture.Empty() || (state.disabled && !item.disabledPicture.Empty());
  if (const auto where = item.Locate()) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(where->parent, UINT(where->position), TRUE, &info);
    radio = (info.fType & MFT_RADIOCHECK) != 0;
  }
  barWidth = decor.BarWidthFor(item);
}

void ItemPainter::Paint() {
  GdiFont font = CreateItemFont(item.Font, isDefault);
  SavedDc restore(dc);  // font and colours go back whatever happens below
  SelectObject(dc, font.Get());
  const HMENU popup = HMENU(dis.hwndItem);
  const auto measuredPopup = decor.measured.find(popup);
  const int widestCaption = measuredPopup != decor.measured.end() ? measuredPopup->second.widestCaption : 0;
  PlaceItem(item, decor.hSpace, decor.vSpace, rect, barWidth, widestCaption, state.separator, item.layout);
  drawnSelected = DrawnSelected(item.Options, state);
  fill = PlanFill(item, state, item.layout, rect, barWidth);
  if (drawnSelected) PaintSelectedBackground();
  else PaintNormalBackground();
  PaintBevel();
  if (!state.separator) PaintCaption();
  else PaintSeparator();
  PaintBarSlice();
  PaintPicture();
}

void ItemPainter::PaintSelectedBackground() {
  brush = item.SelColor;
  captionColour = item.SelTextColor;
  bool painted = false;
  const bool paintWallpaper = item.Options.Has(TMenuOption::omPaintWallpaper) && !decor.wallpaper.Empty();
  if (paintWallpaper && !item.Options.Has(TMenuOption::omTileWallpaper)) {
    PaintWallpaper(decor.wallpaper, false, true);
    if (item.SelTextColor == kClHighlightText) captionColour = 0xFFFFFF - ToRgb(item.Font.Color);
    painted = true;
  }
  if (item.Options.Has(TMenuOption::omPaintSelWallpaper) && !decor.selWallpaper.Empty()) {
    PaintWallpaper(decor.selWallpaper, item.Options.Has(TMenuOption::omTileSelWallpaper), false);
    painted = true;
  }
  if (!painted) Fill(brush);
}

void ItemPainter::PaintNormalBackground() {
  brush = item.NormColor;
  if (item.Options.Has(TMenuOption::omPaintWallpaper) && !decor.wallpaper.Empty())
    PaintWallpaper(decor.wallpaper, item.Options.Has(TMenuOption::omTileWallpaper), false);
  else
    Fill(brush);
  if (item.Options.Has(TMenuOption::omAlwaysDefFontColor)) item.Font.Color = kClMenuText;
  keepDcColour = item.Options.Has(TMenuOption::omAlwaysDefFont);
  captionColour = item.Font.Color;
  if (state.selected && item.Options.Has(TMenuOption::omNoHighlightEnabledButDoText)) {
    captionColour = item.SelTextColor;
    keepDcColour = false;
  }
}

void ItemPainter::Fill(Colour colour) {
  if (fill.preFillNormal)
    FillColour(dc, RECT{rect.left + barWidth, rect.top, rect.right, rect.bottom + 1}, item.NormColor);
  FillColour(dc, RECT{fill.left, rect.top, rect.right, rect.bottom + 1}, colour);
}

// Tiled from the item's top-left corner, or the wallpaper's own part at the item's place.
void ItemPainter::PaintWallpaper(const TPicture& picture, bool tiled, bool inverted) {
  const SIZE size = picture.Size();
  if (!picture.Bitmap() || size.cx <= 0 || size.cy <= 0) return;
  MemoryDc source(dc);
  Selection keep(source.Get(), picture.Bitmap());
  const int left = rect.left + barWidth;
  const DWORD rop = inverted ? NOTSRCCOPY : SRCCOPY;
  if (!tiled) {
    BitBlt(dc, left, rect.top, rect.right - left, rect.bottom - rect.top, source.Get(), left, rect.top, rop);
    return;
  }
  for (int y = rect.top; y < rect.bottom; y += size.cy)
    for (int x = left; x < rect.right; x += size.cx)
      BitBlt(dc, x, y, std::min<int>(size.cx, rect.right - x), std::min<int>(size.cy, rect.bottom - y),
             source.Get(), 0, 0, rop);
}

void ItemPainter::PaintBevel() {
  if (!BevelShown(item, state, drawnSelected)) return;
  const MenuRect bevel = BevelRect(item, state, item.layout, rect, barWidth, decor.hSpace, decor.vSpace);
  if (item.BevelType == TBevelType::btRectangle) {
    UINT edge = 0;
    if (item.BevelInner == TBevelCut::bvRaised) edge |= BDR_RAISEDINNER;
    if (item.BevelInner == TBevelCut::bvLowered) edge |= BDR_SUNKENINNER;
    if (item.BevelOuter == TBevelCut::bvRaised) edge |= BDR_RAISEDOUTER;
    if (item.BevelOuter == TBevelCut::bvLowered) edge |= BDR_SUNKENOUTER;
    RECT r = ToRect(bevel);
    if (edge) DrawEdge(dc, &r, edge, BF_RECT);
    return;
  }
  const Colour fillColour = (state.selected && item.Options.Has(TMenuOption::omNoHighlightEnabledButDoRoundRect))
                                ? item.SelColor
                                : brush;
  GdiBrush fillBrush(CreateSolidBrush(ToRgb(fillColour)));
  Selection keepBrush(dc, fillBrush.Get());
  const RoundedBevel plan = PlanRoundedBevel(item, bevel);
  for (const RoundOutline& outline : {plan.inner, plan.outer, RoundOutline{plan.fill.rect, fillColour}}) {
    if (outline.pen == kClNone) continue;
    GdiPen pen(CreatePen(PS_SOLID, 1, ToRgb(outline.pen)));
    Selection keepPen(dc, pen.Get());
    RoundRect(dc, outline.rect.left, outline.rect.top, outline.rect.right, outline.rect.bottom, 18, 18);
  }
}

void ItemPainter::PaintCaption() {
  SetBkMode(dc, TRANSPARENT);
  if (state.disabled && !item.Options.Has(TMenuOption::omNoHighlightDisabled)) {
    captionColour = kClBtnShadow;
    keepDcColour = false;
  }
  const ItemLayout& l = item.layout;
  WriteText(item.caption, l.captionLeft, l.captionTop, l.captionWidth);
  if (!item.shortcut.empty())
    WriteText(item.shortcut, ShortcutLeft(l, rect), l.captionTop, l.shortcutWidth);
}

void ItemPainter::WriteText(const std::string& text, int left, int top, int width) {
  auto write = [&](int x, int y, Colour colour, bool setColour) {
    if (setColour) SetTextColor(dc, ToRgb(colour));
    RECT r{x, y, x + width, y + item.layout.cellSize};
    DrawTextA(dc, text.c_str(), int(text.size()), &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
  };
  if (!state.disabled) {
    const ShadowPlacement shadow = PlanShadow(item.Shadow, drawnSelected);
    if (shadow.drawn) write(left + shadow.shadow.dx, top + shadow.shadow.dy, shadow.colour, true);
    write(left + shadow.caption.dx, top + shadow.caption.dy, captionColour, !keepDcColour);
  } else if (drawnSelected) {
    write(left, top, captionColour, !keepDcColour);
  } else {
    DrawStateA(dc, nullptr, nullptr, LPARAM(text.c_str()), WPARAM(text.size()), left, top, width,
               item.layout.cellSize, DST_PREFIXTEXT | DSS_DISABLED);
  }
}

void ItemPainter::PaintSeparator() {
  const int y = rect.top + item.layout.itemHeight / 2;
  Line(dc, rect.left + barWidth, y, rect.right, y, kClGrey);
  Line(dc, rect.left + barWidth, y + 1, rect.right, y + 1, kClBtnHighlight);
  if (item.SeparatorText.empty()) return;
  LOGFONTA lf{};
  lf.lfHeight = 10;
  lf.lfWidth = 10;
  lf.lfWeight = FW_NORMAL;
  lstrcpyA(lf.lfFaceName, "MS Serif");
  GdiFont font(CreateFontIndirectA(&lf));
  Selection keep(dc, font.Get());
  const bool menuText = item.Options.Has(TMenuOption::omAlwaysDefFont) ||
                        item.Options.Has(TMenuOption::omAlwaysDefFontColor);
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, ToRgb(item.NormColor));
  SetTextColor(dc, ToRgb(menuText ? kClMenuText : item.Font.Color));
  TextOutA(dc, item.layout.captionLeft, item.layout.captionTop, item.SeparatorText.c_str(),
           int(item.SeparatorText.size()));
}

// Each item shows its rows of one tall bar image.
void ItemPainter::PaintBarSlice() {
  if (barWidth <= 0 || !decor.barImage) return;
  FillColour(dc, RECT{rect.left, rect.top, rect.left + barWidth, rect.bottom}, item.barColour);
  MemoryDc bar(dc);
  Selection keep(bar.Get(), decor.barImage.Get());
  const int bottom = std::min<int>(rect.bottom, decor.barSize.cy);
  if (bottom > rect.top)
    BitBlt(dc, rect.left, rect.top, barWidth, bottom - rect.top, bar.Get(), 0, rect.top, SRCCOPY);
}

RECT ItemPainter::Cell() const {
  const ItemLayout& l = item.layout;
  return RECT{l.pictureLeft, l.pictureTop, l.pictureLeft + l.cellSize, l.pictureTop + l.cellSize};
}

// The colour under the picture: the normal colour where the highlight leaves the cell out.
Colour ItemPainter::CellBackground() const {
  return fill.left > item.layout.pictureLeft ? item.NormColor : brush;
}

void ItemPainter::PaintPicture() {
  if (state.separator) return;
  const HBITMAP checkMark = (radio ? decor.radioImage : decor.checkImage).Get();
  const RECT cell = Cell();
  if (!state.disabled) {
    if (state.checked) DrawBitmapCell(dc, checkMark, cell, kClDarkRed);
    else item.picture.Draw(dc, cell, item.TrColor, CellBackground());
    return;
  }
  if (!item.disabledPicture.Empty()) {
    item.disabledPicture.Draw(dc, cell, item.TrColor, CellBackground());
    return;
  }
  if (state.checked) {
    PaintDisabledImage(TPicture::CopyOfBitmap(checkMark), kClDarkRed);
  } else if (!item.picture.Empty()) {
    if (item.picture.GetKind() == TPicture::Kind::Metafile)
      throw std::runtime_error("Metafile can't be attached to disabled menu item");
    PaintDisabledImage(item.picture, item.TrColor);
  }
}

// The picture's one-bit mask, embossed: a highlight copy one pixel down-right, then the
// shadow colour at its place.
void ItemPainter::PaintDisabledImage(const TPicture& source, Colour transparent) {
  const int s = item.layout.cellSize;
  const RECT cell = Cell();
  const bool plainCase = !drawnSelected || item.Options.Has(TMenuOption::omNoHighlightDisabled) ||
                         item.Options.Has(TMenuOption::omNoHighlightImage);
  const Colour maskColour =
      transparent != kClNone ? transparent : (source.GetKind() == TPicture::Kind::Icon ? kClWhite : kClNone);

  MemoryDc work(dc);
  GdiBitmap workBitmap(CreateCompatibleBitmap(dc, s, s));
  Selection keepWork(work.Get(), workBitmap.Get());
  const RECT whole{0, 0, s, s};
  FillColour(work.Get(), whole, maskColour == kClNone ? kClWhite : maskColour);
  source.Draw(work.Get(), whole, kClNone, maskColour == kClNone ? kClWhite : maskColour);

  MemoryDc mask(dc);
  GdiBitmap maskBitmap(CreateBitmap(s, s, 1, 1, nullptr));
  Selection keepMask(mask.Get(), maskBitmap.Get());
  if (maskColour == kClNone) {
    PatBlt(mask.Get(), 0, 0, s, s, BLACKNESS);
  } else {
    SetBkColor(work.Get(), ToRgb(maskColour));
    BitBlt(mask.Get(), 0, 0, s, s, work.Get(), 0, 0, SRCCOPY);
  }

  FillColour(dc, cell, plainCase ? item.NormColor : brush);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  auto stamp = [&](int dx, Colour colour) {
    GdiBrush stampBrush(CreateSolidBrush(ToRgb(colour)));
    Selection keep(dc, stampBrush.Get());
    BitBlt(dc, cell.left + dx, cell.top + dx, s, s, mask.Get(), 0, 0, kRopBrushThroughMask);
  };
  if (!drawnSelected) stamp(1, kClBtnHighlight);
  stamp(0, plainCase ? kClBtnShadow : kClGrey);
}

}  // namespace lt
