#include "yearboard/sheet/sheet_layout.h"

#include <algorithm>

namespace yb {

namespace {

constexpr int kFitSteps = 24;

int WidestText(TextMeasure& measure, const std::vector<std::string>& texts, int font) {
  int widest = 0;
  for (const std::string& text : texts) widest = std::max(widest, measure.TextWidth(text, font));
  return widest;
}

// The largest font up to `font` in which every text fits the width. Widths grow nearly in
// proportion to the font, so one scaling step gets close and a few small ones finish.
int FitFont(TextMeasure& measure, const std::vector<std::string>& texts, int font, int width) {
  font = std::max(font, 1);
  const int widest = WidestText(measure, texts, font);
  if (widest <= width) return font;
  font = std::max(1, static_cast<int>(static_cast<long long>(font) * std::max(width, 0) / widest));
  for (int step = 0; step < kFitSteps && font > 1 && WidestText(measure, texts, font) > width; ++step) --font;
  return font;
}

struct LegendMetrics {
  int font, lineHeight, swatch, swatchGap, entryGap;
};

// Entries in lines from the left, at most kMaxLegendLines; when they do not all fit, the last
// line ends with "and N more" in place of as many entries as that needs. Boxes are relative to
// the legend's top left.
std::vector<LegendPlace> FlowLegend(const std::vector<LegendEntry>& entries, int width, const LegendMetrics& metrics,
                                    TextMeasure& measure) {
  struct Flow {
    int x, line, width;
  };
  std::vector<Flow> flow;
  int x = 0, line = 0;
  for (const LegendEntry& entry : entries) {
    const int needed = metrics.swatch + metrics.swatchGap + measure.TextWidth(entry.name, metrics.font);
    if (x > 0 && x + needed > width) {
      x = 0;
      ++line;
    }
    flow.push_back({x, line, needed});
    x += needed + metrics.entryGap;
  }
  std::vector<LegendPlace> placed;
  const auto place = [&](const std::string& name, Color color, bool swatch, int left, int right, int row) {
    const int top = row * metrics.lineHeight;
    const int swatchTop = top + (metrics.lineHeight - metrics.swatch) / 2;
    const int textLeft = swatch ? left + metrics.swatch + metrics.swatchGap : left;
    placed.push_back({swatch, {left, swatchTop, left + metrics.swatch, swatchTop + metrics.swatch}, color,
                      {{textLeft, top, std::min(right, width), top + metrics.lineHeight}, metrics.font,
                       TextAlign::Left, name}});
  };
  std::size_t kept = entries.size();
  std::string more;
  int moreX = 0;
  if (!flow.empty() && flow.back().line >= kMaxLegendLines) {
    kept = static_cast<std::size_t>(std::count_if(flow.begin(), flow.end(),
                                                  [](const Flow& f) { return f.line < kMaxLegendLines; }));
    for (;; --kept) {
      more = MoreCategoriesText(entries.size() - kept);
      const bool onLastLine = kept > 0 && flow[kept - 1].line == kMaxLegendLines - 1;
      moreX = onLastLine ? flow[kept - 1].x + flow[kept - 1].width + metrics.entryGap : 0;
      if (!onLastLine || moreX + measure.TextWidth(more, metrics.font) <= width) break;
    }
  }
  for (std::size_t i = 0; i < kept; ++i)
    place(entries[i].name, entries[i].color, true, flow[i].x, flow[i].x + flow[i].width, flow[i].line);
  if (!more.empty()) place(more, 0, false, moreX, width, kMaxLegendLines - 1);
  return placed;
}

int LegendLines(const std::vector<LegendPlace>& legend, int lineHeight) {
  int lines = 0;
  for (const LegendPlace& entry : legend) lines = std::max(lines, entry.name.box.top / lineHeight + 1);
  return lines;
}

}  // namespace

std::string MoreCategoriesText(std::size_t count) { return "and " + std::to_string(count) + " more"; }

SheetLayout LayoutSheet(const YearSheet& sheet, int width, int height, TextMeasure& measure) {
  SheetLayout layout;
  const int margin = std::min(width, height) / 40;
  const int text = std::max(1, std::min(width / 80, height / 45));
  const int gap = std::max(1, text * 3 / 5);
  const int lineWidth = std::max(1, std::min(width, height) / 600);
  const DeviceBox content{margin, margin, width - margin, height - margin};
  layout.lineWidth = lineWidth;

  const std::vector<std::string> months(sheet.months.begin(), sheet.months.end());
  const int monthWidth = WidestText(measure, months, text) + text;
  int colWidth = std::max(1, (content.Width() - monthWidth - lineWidth) / kDayColumns);

  const LegendMetrics legendMetrics{text, text * 8 / 5, text, std::max(1, text / 2), text * 3 / 2};
  std::vector<LegendPlace> legend = FlowLegend(sheet.legend, content.Width(), legendMetrics, measure);
  const int legendHeight = LegendLines(legend, legendMetrics.lineHeight) * legendMetrics.lineHeight;

  const int titleFont = FitFont(measure, {sheet.title}, text * 2, content.Width());
  const int titleHeight = text * 2 * 7 / 5;
  const int headingHeight = text * 8 / 5;
  const int footerHeight = text * 7 / 5;
  const int rowsHeight = content.Height() - titleHeight - headingHeight - legendHeight - footerHeight - 3 * gap -
                         lineWidth;
  int rowHeight = std::max(1, rowsHeight / kMonthRows);
  rowHeight = std::max(1, std::min(rowHeight, colWidth * 3 / 2));
  colWidth = std::max(1, std::min(colWidth, rowHeight * 3 / 2));

  const int gridWidth = kDayColumns * colWidth + lineWidth;
  const int blockLeft = content.left + std::max(0, (content.Width() - monthWidth - gridWidth) / 2);
  const int gridLeft = blockLeft + monthWidth;
  layout.title = {{content.left, content.top, content.right, content.top + titleHeight}, titleFont,
                  TextAlign::Center, sheet.title};
  // Space the square-ish cells leave goes above and below the grid and its legend alike.
  const int spare = std::max(0, rowsHeight - kMonthRows * rowHeight);
  const int headingTop = content.top + titleHeight + gap + spare / 2;
  const int gridTop = headingTop + headingHeight;
  const auto x = [&](int c) { return gridLeft + c * colWidth; };
  const auto y = [&](int r) { return gridTop + r * rowHeight; };

  std::vector<std::string> weekdays(sheet.weekdays.begin(), sheet.weekdays.end());
  const int headingFont = FitFont(measure, weekdays, text, colWidth - lineWidth);
  for (int c = 0; c < kDayColumns; ++c) {
    layout.weekdays[c] = {{x(c) + lineWidth, headingTop, x(c + 1), gridTop}, headingFont, TextAlign::Center,
                          sheet.weekdays[c]};
  }
  for (int m = 0; m < kMonthRows; ++m) {
    layout.months[m] = {{blockLeft + text / 2, y(m), gridLeft - text / 2, y(m + 1)}, text, TextAlign::Left,
                        sheet.months[m]};
    for (int c = 0; c < kDayColumns; ++c) layout.cells[m][c] = {x(c) + lineWidth, y(m) + lineWidth, x(c + 1), y(m + 1)};
  }
  const int gridRight = x(kDayColumns) + lineWidth, gridBottom = y(kMonthRows) + lineWidth;
  for (int c = 0; c <= kDayColumns; ++c) layout.lines.push_back({x(c), gridTop, x(c) + lineWidth, gridBottom});
  for (int r = 0; r <= kMonthRows; ++r) layout.lines.push_back({gridLeft, y(r), gridRight, y(r) + lineWidth});

  // Day numbers stay in the top third of a cell, so its middle shows its colour.
  layout.dayPad = std::max(1, colWidth / 10);
  const int dayWidth = colWidth - lineWidth - 2 * layout.dayPad;
  layout.dayFont = FitFont(measure, {"28"}, std::min(text, rowHeight * 3 / 10), dayWidth);

  const int legendTop = gridBottom + gap;
  for (LegendPlace& entry : legend) {
    for (DeviceBox* box : {&entry.swatchBox, &entry.name.box}) {
      box->left += content.left;
      box->right += content.left;
      box->top += legendTop;
      box->bottom += legendTop;
    }
  }
  layout.legend = std::move(legend);
  layout.footer = {{content.left, content.bottom - footerHeight, content.right, content.bottom}, text,
                   TextAlign::Left, sheet.footer};
  return layout;
}

}  // namespace yb
