// Measuring bound items when the platform asks, fonts and text metrics.
#include <algorithm>

#include "linetally/menudecor/decor_internal_win32.h"
#include "linetally/menudecor/menu_decor_win32.h"

namespace lt {

using namespace gdi;

FontSpec SystemMenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const LOGFONTA& lf = metrics.lfMenuFont;
  FontSpec font;
  font.Name = lf.lfFaceName;
  font.Height = lf.lfHeight;
  font.Bold = lf.lfWeight >= FW_BOLD;
  font.Italic = lf.lfItalic != 0;
  font.Underline = lf.lfUnderline != 0;
  font.StrikeOut = lf.lfStrikeOut != 0;
  font.Color = kClMenuText;
  return font;
}

GdiFont CreateItemFont(const FontSpec& font, bool bold) {
  LOGFONTA lf{};
  lf.lfHeight = font.Height;
  lf.lfWeight = (font.Bold || bold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.Italic;
  lf.lfUnderline = font.Underline;
  lf.lfStrikeOut = font.StrikeOut;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
  return GdiFont(CreateFontIndirectA(&lf));
}

TextExtent DcMetrics::Extent(const std::string& text) {
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_LEFT | DT_TOP);
  return {r.right - r.left, r.bottom - r.top};
}

int TMenuDecor::BarWidthFor(const TMenuDecorItem& item) const {
  return (barImage && item.Options.Has(TMenuOption::omDrawBarIfNeeded)) ? barSize.cx : 0;
}

MenuItemSize TMenuDecor::MeasureOne(TMenuDecorItem& item, const MenuLocation& where, PopupMeasure& popup) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_SUBMENU;
  GetMenuItemInfoA(where.parent, UINT(where.position), TRUE, &info);
  ScreenDc screen;
  GdiFont font = CreateItemFont(item.Font, (info.fState & MFS_DEFAULT) != 0);
  Selection keep(screen.Get(), font.Get());
  DcMetrics metrics(screen.Get());
  MeasureInput input;
  input.caption = item.caption;
  input.shortcut = item.shortcut;
  input.separator = item.caption == "-";
  input.inPopup = where.parent != GetMenu(owner);
  input.hasSubItems = info.hSubMenu != nullptr;
  input.barWidth = BarWidthFor(item);
  item.layout.checkMarkWidth = checkMarkWidth;
  return lt::MeasureItem(item, hSpace, vSpace, input, metrics, item.layout, popup);
}

// The first request after a pop-up opened measures all its bound items: their total height
// sizes the side bar, and the widest caption and shortcut line the columns up.
void TMenuDecor::MeasureItem(TMenuDecorItem& item, MEASUREITEMSTRUCT& mis) {
  const auto where = item.Locate();
  if (!where) return;
  auto popup = measured.find(where->parent);
  if (popup == measured.end()) {
    PopupMeasure sums;
    bool wantsBar = false;
    for (auto& other : items) {
      const auto at = other->Locate();
      if (!at || at->parent != where->parent) continue;
      sums.totalHeight += MeasureOne(*other, *at, sums).height;
      wantsBar = wantsBar || other->Options.Has(TMenuOption::omDrawBarIfNeeded);
    }
    if (OnMeasure) OnMeasure(where->parent, sums.totalHeight);
    if (showBar && wantsBar) BuildBar(sums.totalHeight);
    popup = measured.emplace(where->parent, sums).first;
  }
  MenuItemSize size = MeasureOne(item, *where, popup->second);
  // A bar taller than the items lengthens the lowest item that carries it.
  if (BarWidthFor(item) > 0 && barSize.cy > popup->second.totalHeight) {
    int lowest = -1;
    for (auto& other : items) {
      const auto at = other->Locate();
      if (at && at->parent == where->parent && other->Options.Has(TMenuOption::omDrawBarIfNeeded))
        lowest = std::max(lowest, at->position);
    }
    if (lowest == where->position) size.height += barSize.cy - popup->second.totalHeight;
  }
  mis.itemWidth = UINT(size.width);
  mis.itemHeight = UINT(size.height);
}

}  // namespace lt
