#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "linetally/menudecor/menu_layout.h"

namespace lt {
namespace {

// Every character 6 pixels wide; the font height is set per test.
class FixedMetrics : public TextMetrics {
 public:
  explicit FixedMetrics(int height) : height(height) {}
  TextExtent Extent(const std::string& text) override {
    ++calls;
    int n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
      ++n;
    }
    return {6 * n, height};
  }
  int height;
  int calls = 0;
};

ItemLayout FreshLayout(int checkMark = 12) {
  ItemLayout layout;
  layout.checkMarkWidth = checkMark;
  return layout;
}

TEST(MenuLayout, FixedImageSizeGivesTheSameHeightWhateverTheFont) {
  ItemStyle style;  // omFixedImgSize and CustomImgSize 16 by default
  for (int fontHeight : {8, 13, 30}) {
    FixedMetrics metrics(fontHeight);
    ItemLayout layout = FreshLayout();
    PopupMeasure popup;
    const MenuItemSize size = MeasureItem(style, 5, 2, {"&New", "", false, true, false, 0}, metrics,
                                      layout, popup);
    EXPECT_EQ(size.height, 20) << "font height " << fontHeight;
    EXPECT_EQ(layout.cellSize, 16);
  }
}

TEST(MenuLayout, WithoutFixedSizeTheCellFollowsTheCaptionHeight) {
  ItemStyle style;
  style.Options = {};
  FixedMetrics metrics(13);
  ItemLayout layout = FreshLayout();
  PopupMeasure popup;
  const MenuItemSize size = MeasureItem(style, 4, 3, {"Exit", "", false, true, false, 0}, metrics, layout, popup);
  EXPECT_EQ(layout.cellSize, 13);
  EXPECT_EQ(size.height, 13 + 6);
  EXPECT_EQ(size.width, 24 + 13 + 8);
}

TEST(MenuLayout, HorizontalSpacingOnlyInsidePopups) {
  ItemStyle style;
  FixedMetrics metrics(13);
  ItemLayout layout = FreshLayout();
  PopupMeasure popup;
  EXPECT_EQ(MeasureItem(style, 4, 2, {"File", "", false, false, false, 0}, metrics, layout, popup).width,
            24 + 16);
  EXPECT_EQ(MeasureItem(style, 4, 2, {"File", "", false, true, false, 0}, metrics, layout, popup).width,
            24 + 16 + 8);
}

TEST(MenuLayout, VerticalLayoutsStackPictureAndCaption) {
  ItemStyle style;
  style.TextAlign = TTextAlign::alTop;
  FixedMetrics metrics(13);
  ItemLayout layout = FreshLayout(12);
  PopupMeasure popup;
  const MenuItemSize size = MeasureItem(style, 5, 2, {"Print", "", false, true, false, 0}, metrics, layout, popup);
  EXPECT_EQ(size.height, 2 * 16 + 3 * 2);
  EXPECT_EQ(size.width, 30 + 12);
  EXPECT_EQ(layout.verticalWidth, 30 + 12 + 12);
}

TEST(MenuLayout, BarSubmenuAndSeparatorAdjustments) {
  ItemStyle style;
  FixedMetrics metrics(13);
  ItemLayout layout = FreshLayout(12);
  PopupMeasure popup;
  const int plain = MeasureItem(style, 4, 2, {"Web", "", false, true, false, 0}, metrics, layout, popup).width;
  EXPECT_EQ(MeasureItem(style, 4, 2, {"Web", "", false, true, true, 20}, metrics, layout, popup).width,
            plain + 20 + 12);
  const MenuItemSize separator = MeasureItem(style, 4, 2, {"-", "", true, true, false, 0}, metrics, layout, popup);
  EXPECT_EQ(separator.height, 13);
}

TEST(MenuLayout, ShortcutsLineUpInOneColumn) {
  ItemStyle style;
  FixedMetrics metrics(13);
  const std::vector<MeasureInput> items = {
      {"&New", "Ctrl+N", false, true, false, 0},
      {"&Open...", "Ctrl+O", false, true, false, 0},
      {"Print Set&up...", "", false, true, false, 0},
      {"&Delete", "Ctrl+Del", false, true, false, 0},
  };
  PopupMeasure popup;
  std::vector<ItemLayout> layouts(items.size(), FreshLayout());
  // The first pass measures the whole pop-up; every item is then answered again.
  for (size_t i = 0; i < items.size(); ++i) MeasureItem(style, 4, 2, items[i], metrics, layouts[i], popup);
  const int widestItem = 14 * 6 + 16 + 8;  // "Print Setup..." without its ampersand
  const int widestShortcut = 8 * 6;
  EXPECT_EQ(popup.widestItem, widestItem);
  EXPECT_EQ(popup.widestShortcut, widestShortcut);
  int popupWidth = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuItemSize size = MeasureItem(style, 4, 2, items[i], metrics, layouts[i], popup);
    popupWidth = std::max(popupWidth, size.width);
    if (!items[i].shortcut.empty()) {
      EXPECT_EQ(size.width, widestItem + widestShortcut + 4) << items[i].caption;
    }
  }
  EXPECT_EQ(popupWidth, widestItem + widestShortcut + 4);
  // The shortcut texts all end at the same column before the check-mark space.
  const MenuRect row{0, 0, popupWidth, 20};
  EXPECT_EQ(ShortcutLeft(layouts[0], row) + layouts[0].shortcutWidth,
            ShortcutLeft(layouts[3], row) + layouts[3].shortcutWidth);
}

struct Placed {
  int pictureLeft, pictureTop, captionLeft, captionTop;
};

Placed PlaceWith(TTextAlign align, int barWidth, bool fixed) {
  ItemStyle style;
  style.TextAlign = align;
  if (!fixed) style.Options = {};
  FixedMetrics metrics(13);
  ItemLayout layout = FreshLayout(12);
  PopupMeasure popup;
  MeasureItem(style, 4, 2, {"Open", "", false, true, false, barWidth}, metrics, layout, popup);
  popup.widestCaption = 60;
  PlaceItem(style, 4, 2, MenuRect{10, 100, 200, 100 + layout.itemHeight}, barWidth, popup.widestCaption,
            false, layout);
  return {layout.pictureLeft, layout.pictureTop, layout.captionLeft, layout.captionTop};
}

TEST(MenuLayout, FourTextPositions) {
  // alRight: picture after spacing and bar, caption after the picture, centred vertically.
  Placed p = PlaceWith(TTextAlign::alRight, 20, true);
  EXPECT_EQ(p.pictureLeft, 10 + 4 + 20);
  EXPECT_EQ(p.pictureTop, 102);
  EXPECT_EQ(p.captionLeft, 34 + 16 + 4);
  EXPECT_EQ(p.captionTop, 100 + 20 / 2 - 13 / 2 - 1);
  // Without a fixed size the caption top is the picture top.
  EXPECT_EQ(PlaceWith(TTextAlign::alRight, 0, false).captionTop, 102);
  // alLeft: caption first, picture after the pop-up's widest caption.
  p = PlaceWith(TTextAlign::alLeft, 20, true);
  EXPECT_EQ(p.captionLeft, 34);
  EXPECT_EQ(p.pictureLeft, 34 + 60 + 4);
  EXPECT_EQ(p.pictureTop, 102);
  // Vertical layouts centre on the vertical-layout width (24 + 12 + 12 = 48).
  p = PlaceWith(TTextAlign::alBottom, 0, true);
  EXPECT_EQ(p.pictureLeft, 10 + 24 - 8);
  EXPECT_EQ(p.pictureTop, 102);
  EXPECT_EQ(p.captionLeft, 10 + 24 - 12);
  EXPECT_EQ(p.captionTop, 102 + 16 + 2);
  p = PlaceWith(TTextAlign::alTop, 0, true);
  EXPECT_EQ(p.captionLeft, 10 + 24 - 12);
  EXPECT_EQ(p.captionTop, 102);
  EXPECT_EQ(p.pictureLeft, 10 + 24 - 8);
  EXPECT_EQ(p.pictureTop, 102 + 16 + 2);
}

}  // namespace
}  // namespace lt
