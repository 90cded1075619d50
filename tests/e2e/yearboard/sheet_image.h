#pragma once
// The year as it came out on paper or in a picture, read back as pixels: a PDF page rendered
// by pdftoppm, a picture decoded by ImageMagick, and the day grid found by its lines, so each
// day's colour can be compared with what the planner's grid reports.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "yearboard/base/color.h"

namespace e2e {

struct Image {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
  COLORREF At(int x, int y) const;
};

// Page 1 of a PDF in ~/PDF at that many dots per inch, without smoothing; empty on failure.
// The page also goes to the screenshots as NAME.png when a name is given.
std::optional<Image> RenderPdfPage(const std::string& pdfName, int dpi, const std::string& screenshot = "");
// Any picture file ImageMagick reads (a Unix path).
std::optional<Image> DecodePicture(const std::string& unixPath);

// The day grid: from one line to the next, the inside of each column and row.
struct Span {
  int from = 0, to = 0;  // inclusive
  int Middle() const { return (from + to) / 2; }
};
struct SheetGrid {
  std::vector<Span> columns;  // 37
  std::vector<Span> rows;     // 12
};
// Found from the runs of pixels in the line colour that cross most of the grid.
std::optional<SheetGrid> FindSheetGrid(const Image& image, COLORREF lineColor);

// A colour value as drawn: system colour references in this prefix's colours.
COLORREF Drawn(yb::Color color);
bool Near(COLORREF a, COLORREF b, int tolerance = 4);
std::string ColorText(COLORREF color);

}  // namespace e2e
