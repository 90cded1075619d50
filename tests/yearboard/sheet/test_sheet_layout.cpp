#include <gtest/gtest.h>

#include <algorithm>

#include "yearboard/sheet/sheet_layout.h"

namespace yb {
namespace {

// Every character 0.55 of the font's height wide.
class FixedPitch : public TextMeasure {
 public:
  int TextWidth(const std::string& text, int fontHeight) override {
    return static_cast<int>(text.size()) * fontHeight * 11 / 20;
  }
};

YearSheet SampleSheet(std::size_t categories) {
  YearSheet sheet;
  sheet.title = "2026 - sample.ics";
  const char* const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  for (int c = 0; c < kDayColumns; ++c) sheet.weekdays[c] = days[c % 7];
  for (int m = 0; m < kMonthRows; ++m) sheet.months[m] = m == 8 ? "September" : "May";
  for (std::size_t i = 0; i < categories; ++i)
    sheet.legend.push_back({"Category " + std::to_string(i + 1), static_cast<Color>(i)});
  sheet.footer = "Printed 12/8/2026";
  return sheet;
}

bool Inside(const DeviceBox& inner, const DeviceBox& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(SheetLayout, EveryPageSizeGetsAWholeReadableYear) {
  struct Page {
    int width, height;
  };
  // A4 landscape at 600 dots per inch, the same upright, the picture, US letter at 300, a
  // very small page.
  for (const Page page : {Page{6814, 4760}, Page{4760, 6814}, Page{1600, 1131}, Page{3300, 2550}, Page{400, 300}}) {
    SCOPED_TRACE(std::to_string(page.width) + " x " + std::to_string(page.height));
    FixedPitch measure;
    const YearSheet sheet = SampleSheet(6);
    const SheetLayout layout = LayoutSheet(sheet, page.width, page.height, measure);
    const DeviceBox whole{0, 0, page.width, page.height};
    const DeviceBox first = layout.cells[0][0], last = layout.cells[kMonthRows - 1][kDayColumns - 1];
    const int cellWidth = first.Width(), cellHeight = first.Height();
    ASSERT_GT(cellWidth, 0);
    ASSERT_GT(cellHeight, 0);
    // Square-ish: from one line to the next, neither side more than half as long again.
    const int pitchX = layout.cells[0][1].left - first.left, pitchY = layout.cells[1][0].top - first.top;
    EXPECT_LE(std::max(pitchX, pitchY) * 2, std::min(pitchX, pitchY) * 3);
    for (int m = 0; m < kMonthRows; ++m) {
      for (int c = 0; c < kDayColumns; ++c) {
        const DeviceBox& cell = layout.cells[m][c];
        EXPECT_EQ(cell.Width(), cellWidth);
        EXPECT_EQ(cell.Height(), cellHeight);
        if (c > 0) {
          EXPECT_EQ(cell.left, layout.cells[m][c - 1].right + layout.lineWidth);
        }
        if (m > 0) {
          EXPECT_EQ(cell.top, layout.cells[m - 1][c].bottom + layout.lineWidth);
        }
      }
      EXPECT_LE(layout.months[m].box.right, first.left);
      EXPECT_LE(measure.TextWidth(layout.months[m].text, layout.months[m].font), layout.months[m].box.Width());
    }
    EXPECT_TRUE(Inside(last, whole));
    // The year fills the page: in one direction at least, the grid takes most of it.
    const int gridWidth = last.right - first.left, gridHeight = last.bottom - first.top;
    EXPECT_TRUE(gridWidth * 10 >= page.width * 7 || gridHeight * 10 >= page.height * 5)
        << gridWidth << " x " << gridHeight;
    EXPECT_EQ(layout.lines.size(), static_cast<std::size_t>(kDayColumns + 1 + kMonthRows + 1));
    for (const DeviceBox& line : layout.lines) EXPECT_TRUE(Inside(line, whole));

    // Day numbers fit and keep to the top of the cell, clear of its middle.
    EXPECT_LE(measure.TextWidth("28", layout.dayFont), cellWidth - 2 * layout.dayPad);
    EXPECT_LT(layout.dayPad + layout.dayFont * 6 / 5, cellHeight / 2);
    for (int c = 0; c < kDayColumns; ++c) {
      const TextPlace& heading = layout.weekdays[c];
      EXPECT_LE(measure.TextWidth(heading.text, heading.font), heading.box.Width());
      EXPECT_LE(heading.box.bottom, first.top);
      EXPECT_GE(heading.box.top, layout.title.box.bottom);
    }
    EXPECT_LE(measure.TextWidth(layout.title.text, layout.title.font), layout.title.box.Width());
    EXPECT_TRUE(Inside(layout.title.box, whole));
    ASSERT_EQ(layout.legend.size(), 6u);
    for (const LegendPlace& entry : layout.legend) {
      EXPECT_GE(entry.swatchBox.top, last.bottom);
      EXPECT_LE(entry.name.box.bottom, layout.footer.box.top);
      EXPECT_TRUE(Inside(entry.name.box, whole));
      EXPECT_LE(entry.swatchBox.right, entry.name.box.left);
    }
    EXPECT_TRUE(Inside(layout.footer.box, whole));
  }
}

TEST(SheetLayout, ALegendTooLongForItsLinesEndsWithHowManyMore) {
  FixedPitch measure;
  for (const std::size_t count : {std::size_t{30}, std::size_t{200}}) {
    const YearSheet sheet = SampleSheet(count);
    const SheetLayout layout = LayoutSheet(sheet, 6814, 4760, measure);
    ASSERT_FALSE(layout.legend.empty());
    const LegendPlace& more = layout.legend.back();
    const int lineHeight = layout.legend.front().name.box.Height();
    const auto shown = static_cast<std::size_t>(
        std::count_if(layout.legend.begin(), layout.legend.end(), [](const LegendPlace& e) { return e.swatch; }));
    if (shown == count) {
      EXPECT_TRUE(more.swatch);
      continue;
    }
    EXPECT_FALSE(more.swatch);
    EXPECT_EQ(more.name.text, MoreCategoriesText(count - shown));
    EXPECT_EQ(more.name.box.top, layout.legend.front().name.box.top + (kMaxLegendLines - 1) * lineHeight);
    EXPECT_LE(more.name.box.left + measure.TextWidth(more.name.text, more.name.font), 6814);
    for (std::size_t i = 0; i + 1 < layout.legend.size(); ++i) {
      const LegendPlace& entry = layout.legend[i];
      if (entry.name.box.top != more.name.box.top) continue;
      EXPECT_LE(entry.name.box.left + measure.TextWidth(entry.name.text, entry.name.font), more.name.box.left);
    }
  }
}

TEST(SheetLayout, ALongTitleIsMadeSmallerToFit) {
  FixedPitch measure;
  YearSheet sheet = SampleSheet(0);
  const int usual = LayoutSheet(sheet, 1600, 1131, measure).title.font;
  sheet.title = "2026 - " + std::string(200, 'x') + ".ics";
  const SheetLayout layout = LayoutSheet(sheet, 1600, 1131, measure);
  EXPECT_LT(layout.title.font, usual);
  EXPECT_LE(measure.TextWidth(sheet.title, layout.title.font), layout.title.box.Width());
  EXPECT_TRUE(layout.legend.empty());
}

}  // namespace
}  // namespace yb
