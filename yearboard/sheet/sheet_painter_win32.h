#pragma once
// Draws a year sheet on any device context, a printer's page or a picture's bitmap alike, so
// the two cannot differ: the layout for the DC's area, measured with the DC's own fonts (the
// system's message font face, sized to the page), then filled, lined and lettered. System
// colour references are drawn in the user's current colours, as on screen.
#include <windows.h>

#include <map>
#include <string>

#include "yearboard/base/handles_win32.h"
#include "yearboard/sheet/sheet_layout.h"

namespace yb {

// The face of the system's message font.
std::string SystemFontFace();

// The sheet's fonts by character height, made once each for one DC.
class SheetFonts : public TextMeasure {
 public:
  SheetFonts(HDC dc, std::string face);
  ~SheetFonts() override;
  SheetFonts(const SheetFonts&) = delete;
  SheetFonts& operator=(const SheetFonts&) = delete;

  void Select(int height);
  int TextWidth(const std::string& text, int fontHeight) override;

 private:
  HDC dc;
  std::string face;
  std::map<int, GdiObject<HFONT>> fonts;
  HGDIOBJ original = nullptr;
};

// Draws the sheet in the area from (0, 0) of that size; the background is the caller's.
void DrawYearSheet(HDC dc, const YearSheet& sheet, int width, int height);

}  // namespace yb
