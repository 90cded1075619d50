#pragma once
// Where each part of a year sheet goes on a page of a given size in a device's units: the
// title, the weekday heading, the month names, the 12 x 37 day cells between their lines, the
// legend's swatches and names, and the footer, with font heights sized to the page. Cells are
// kept square-ish (neither side more than half as long again as the other); text is measured
// through the device, so names fit as they will be drawn.
#include <array>
#include <string>
#include <vector>

#include "yearboard/grid/stripes.h"
#include "yearboard/sheet/year_sheet.h"

namespace yb {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The advance width of the text in the sheet's font with characters fontHeight units tall.
  virtual int TextWidth(const std::string& text, int fontHeight) = 0;
};

constexpr Color kSheetLineColor = Rgb(112, 112, 112);
constexpr int kMaxLegendLines = 4;

enum class TextAlign { Left, Center };

// A line of text vertically centred in its box, clipped to it.
struct TextPlace {
  DeviceBox box;
  int font = 0;  // character height
  TextAlign align = TextAlign::Left;
  std::string text;
};

struct LegendPlace {
  bool swatch = true;  // false for the closing "and N more"
  DeviceBox swatchBox;
  Color color = 0;
  TextPlace name;
};

struct SheetLayout {
  TextPlace title;
  std::array<TextPlace, kDayColumns> weekdays;
  std::array<TextPlace, kMonthRows> months;
  // Each day slot's inside, between the lines; the day number goes dayPad from its top left.
  std::array<std::array<DeviceBox, kDayColumns>, kMonthRows> cells;
  int dayFont = 0;
  int dayPad = 0;
  std::vector<DeviceBox> lines;  // the grid's lines, in kSheetLineColor
  int lineWidth = 1;
  std::vector<LegendPlace> legend;
  TextPlace footer;
};

SheetLayout LayoutSheet(const YearSheet& sheet, int width, int height, TextMeasure& measure);

// "and 3 more", closing a legend that has no room for every category.
std::string MoreCategoriesText(std::size_t count);

}  // namespace yb
