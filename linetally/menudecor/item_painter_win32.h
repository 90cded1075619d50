#pragma once
// Paints one bound menu item when the platform asks: background or wallpaper, highlight,
// bevel, caption with its shadow, shortcut, separator, side bar slice and picture.
#include <windows.h>

#include "linetally/menudecor/draw_plan.h"
#include "linetally/menudecor/menu_decor_win32.h"

namespace lt {

class ItemPainter {
 public:
  ItemPainter(TMenuDecor& decor, TMenuDecorItem& item, const DRAWITEMSTRUCT& dis);
  void Paint();

 private:
  void PaintSelectedBackground();
  void PaintNormalBackground();
  void Fill(Colour brush);
  void PaintWallpaper(const TPicture& picture, bool tiled, bool inverted);
  void PaintBevel();
  void PaintCaption();
  void WriteText(const std::string& text, int left, int top, int width);
  void PaintSeparator();
  void PaintBarSlice();
  void PaintPicture();
  void PaintDisabledImage(const TPicture& source, Colour transparent);
  RECT Cell() const;
  Colour CellBackground() const;

  TMenuDecor& decor;
  TMenuDecorItem& item;
  const DRAWITEMSTRUCT& dis;
  HDC dc;
  MenuRect rect;
  MenuItemState state;
  bool radio = false;
  bool isDefault = false;
  bool drawnSelected = false;
  int barWidth = 0;
  FillPlan fill;
  Colour brush = kClMenu;
  Colour captionColour = kClMenuText;
  bool keepDcColour = false;  // the caption colour stays as the platform prepared the DC
};

}  // namespace lt
