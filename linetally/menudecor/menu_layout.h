#pragma once
// Measuring a bound menu item and placing its picture and caption, over a text-metrics
// interface so the arithmetic is the same on any device.
#include <string>

#include "linetally/menudecor/menu_decor_types.h"

namespace lt {

struct TextExtent {
  int cx = 0, cy = 0;
};

// Text extents in the item's font (the adapter selects it, bold for the default item).
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual TextExtent Extent(const std::string& text) = 0;
};

struct MenuRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const MenuRect&) const = default;
};

// The eleven numbers an item keeps between measuring and drawing.
struct ItemLayout {
  int pictureLeft = 0, pictureTop = 0;
  int captionLeft = 0, captionTop = 0;
  int captionWidth = 0, captionHeight = 0;
  int cellSize = 0;        // s, the square picture cell
  int itemHeight = 0;
  int verticalWidth = 0;   // item width of the alTop / alBottom layouts
  int shortcutWidth = 0;
  int checkMarkWidth = 0;  // the platform's, read once
};

// Running results over the items of one pop-up, from one opening to the next.
struct PopupMeasure {
  int totalHeight = 0;
  int widestCaption = 0;
  int widestItem = 0;
  int widestShortcut = 0;
};

struct MeasureInput {
  std::string caption;
  std::string shortcut;
  bool separator = false;
  bool inPopup = true;      // false for the items of a form's menu bar
  bool hasSubItems = false;
  int barWidth = 0;         // the side bar's width when it exists and the item asks for it
};

struct MenuItemSize {
  int width = 0, height = 0;
};

MenuItemSize MeasureItem(const ItemStyle& style, int hSpace, int vSpace, const MeasureInput& input,
                     TextMetrics& metrics, ItemLayout& layout, PopupMeasure& popup);

// Picture and caption positions inside the item rectangle; barWidth is 0 without a bar.
void PlaceItem(const ItemStyle& style, int hSpace, int vSpace, const MenuRect& item, int barWidth,
               int widestCaption, bool separator, ItemLayout& layout);

// Left edge of the shortcut text: it ends before the check-mark column at the right.
int ShortcutLeft(const ItemLayout& layout, const MenuRect& item);

}  // namespace lt
