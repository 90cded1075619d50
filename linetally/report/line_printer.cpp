#include "linetally/report/line_printer.h"

#include <algorithm>

namespace lt {
namespace {

constexpr int kTabColumns = 8;

// The longest prefix of `text` no wider than `room`; prefix widths grow with the length.
size_t FittingLength(PrintSurface& surface, std::string_view text, int room) {
  size_t low = 0, high = text.size();
  while (low < high) {
    const size_t mid = (low + high + 1) / 2;
    if (surface.MeasureText(text.substr(0, mid)).width <= room) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return low;
}

}  // namespace

LinePrinter::LinePrinter(PrintSurface& surface, const std::string& title) : surface(surface) {
  surface.BeginDocument(title);
  open = true;
  surface.SelectFont("Courier");
}

LinePrinter::~LinePrinter() {
  if (!open) return;
  try {
    surface.EndDocument();
  } catch (...) {
    // Already failing: the first error is the one reported.
  }
}

void LinePrinter::WriteLine(std::string_view line) {
  size_t start = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c != '\t' && c != '\f' && c != '\r') continue;
    Output(line.substr(start, i - start));
    start = i + 1;
    if (c == '\t') {
      const int step = kTabColumns * surface.Metrics().averageCharWidth;
      if (step > 0) x = (x / step + 1) * step;
    } else if (c == '\f') {
      pagePending = true;
      StartPendingPage();
    }
  }
  Output(line.substr(start));
  NewLine();
}

void LinePrinter::Close() {
  if (!open) return;
  open = false;  // a page break still pending is not printed: no empty last page
  surface.EndDocument();
}

void LinePrinter::StartPendingPage() {
  if (!pagePending) return;
  pagePending = false;
  surface.NewPage();
  x = y = 0;
  tallest = 0;
  drawn = false;
}

void LinePrinter::Output(std::string_view text) {
  while (!text.empty()) {
    StartPendingPage();
    const int room = surface.PageWidth() - x;
    size_t length = FittingLength(surface, text, room);
    if (length == 0 && x > 0) {  // nothing fits after a tab: go on at the left edge
      NewLine();
      continue;
    }
    if (length == 0) length = 1;  // a page narrower than one character still progresses
    const std::string_view piece = text.substr(0, length);
    const TextSize size = surface.MeasureText(piece);
    surface.DrawText(x, y, piece);
    x += size.width;
    tallest = std::max(tallest, size.height);
    drawn = true;
    text.remove_prefix(length);
    if (!text.empty()) NewLine();
  }
}

void LinePrinter::NewLine() {
  StartPendingPage();
  const int lineHeight = drawn ? tallest + 2 : surface.Metrics().height;
  x = 0;
  y += lineHeight;
  tallest = 0;
  drawn = false;
  if (y > surface.PageHeight() - 2 * lineHeight) {
    pagePending = true;
    y = 0;
  }
}

void PrintLines(PrintSurface& surface, const std::string& title, const std::vector<std::string>& lines) {
  LinePrinter printer(surface, title);
  for (const std::string& line : lines) printer.WriteLine(line);
  printer.Close();
}

}  // namespace lt
