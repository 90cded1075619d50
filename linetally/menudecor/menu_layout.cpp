#include "linetally/menudecor/menu_layout.h"

#include <algorithm>

namespace lt {

namespace {
bool Vertical(TTextAlign a) { return a == TTextAlign::alTop || a == TTextAlign::alBottom; }
}  // namespace

MenuItemSize MeasureItem(const ItemStyle& style, int hSpace, int vSpace, const MeasureInput& input,
                     TextMetrics& metrics, ItemLayout& layout, PopupMeasure& popup) {
  const TextExtent text = metrics.Extent(input.caption);
  layout.captionWidth = text.cx;
  layout.captionHeight = text.cy;
  popup.widestCaption = std::max(popup.widestCaption, text.cx);

  const int s = style.Options.Has(TMenuOption::omFixedImgSize) ? style.CustomImgSize : text.cy;
  layout.cellSize = s;

  MenuItemSize size;
  if (Vertical(style.TextAlign)) {
    size.height = 2 * s + 3 * vSpace;
    size.width = text.cx + layout.checkMarkWidth;
    layout.verticalWidth = size.width + layout.checkMarkWidth;
  } else {
    size.height = s + 2 * vSpace;
    size.width = text.cx + s + (input.inPopup ? 2 * hSpace : 0);
  }
  size.width += input.barWidth;
  if (input.hasSubItems) size.width += layout.checkMarkWidth;
  if (input.separator) size.height = metrics.Extent("-").cy;

  popup.widestItem = std::max(popup.widestItem, size.width);
  layout.shortcutWidth = 0;
  if (!input.shortcut.empty()) {
    layout.shortcutWidth = metrics.Extent(input.shortcut).cx;
    popup.widestShortcut = std::max(popup.widestShortcut, layout.shortcutWidth);
    size.width = popup.widestItem + popup.widestShortcut + hSpace;
  }
  layout.itemHeight = size.height;
  return size;
}

void PlaceItem(const ItemStyle& style, int hSpace, int vSpace, const MenuRect& item, int barWidth,
               int widestCaption, bool separator, ItemLayout& layout) {
  const int s = layout.cellSize;
  const int l = item.left, t = item.top, w = barWidth;
  auto centredTop = [&](int pictureTop) {
    if (style.Options.Has(TMenuOption::omFixedImgSize) && !separator)
      return t + layout.itemHeight / 2 - layout.captionHeight / 2 - 1;
    return pictureTop;
  };
  switch (style.TextAlign) {
    case TTextAlign::alRight:
      layout.pictureLeft = l + hSpace + w;
      layout.pictureTop = t + vSpace;
      layout.captionLeft = layout.pictureLeft + s + hSpace;
      layout.captionTop = centredTop(layout.pictureTop);
      break;
    case TTextAlign::alLeft:
      layout.captionLeft = l + hSpace + w;
      layout.pictureTop = t + vSpace;
      layout.captionTop = centredTop(layout.pictureTop);
      layout.pictureLeft = layout.captionLeft + widestCaption + hSpace;
      break;
    case TTextAlign::alBottom:
      layout.pictureLeft = l + w + layout.verticalWidth / 2 - s / 2;
      layout.pictureTop = t + vSpace;
      layout.captionLeft = l + w + layout.verticalWidth / 2 - layout.captionWidth / 2;
      layout.captionTop = layout.pictureTop + s + vSpace;
      break;
    case TTextAlign::alTop:
      layout.captionLeft = l + w + layout.verticalWidth / 2 - layout.captionWidth / 2;
      layout.captionTop = t + vSpace;
      layout.pictureLeft = l + w + layout.verticalWidth / 2 - s / 2;
      layout.pictureTop = layout.captionTop + s + vSpace;
      break;
  }
}

int ShortcutLeft(const ItemLayout& layout, const MenuRect& item) {
  return item.right - layout.shortcutWidth - layout.checkMarkWidth;
}

}  // namespace lt
