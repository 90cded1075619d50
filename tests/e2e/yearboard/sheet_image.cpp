#include "sheet_image.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "harness.h"
#include "printouts.h"

namespace e2e {

namespace {

std::string TempUnix(const std::string& stem) {
  return "/tmp/yb-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + stem;
}

std::optional<Image> ReadPpm(const std::string& unixPath) {
  std::ifstream in(WindowsPath(unixPath), std::ios::binary);
  std::string magic;
  int maxValue = 0;
  Image image;
  in >> magic >> image.width >> image.height >> maxValue;
  in.get();
  if (!in || magic != "P6" || maxValue != 255 || image.width <= 0 || image.height <= 0) return std::nullopt;
  image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
  in.read(reinterpret_cast<char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
  if (!in) return std::nullopt;
  return image;
}

// Runs of indices whose count reaches half the largest count.
std::vector<Span> Runs(const std::vector<int>& counts) {
  const int most = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
  std::vector<Span> runs;
  for (int i = 0; i < static_cast<int>(counts.size()); ++i) {
    if (most == 0 || counts[i] * 2 < most) continue;
    if (!runs.empty() && runs.back().to == i - 1) {
      runs.back().to = i;
    } else {
      runs.push_back({i, i});
    }
  }
  return runs;
}

std::vector<Span> Between(const std::vector<Span>& lines) {
  std::vector<Span> inside;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) inside.push_back({lines[i].to + 1, lines[i + 1].from - 1});
  return inside;
}

}  // namespace

COLORREF Image::At(int x, int y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
  return RGB(rgb[at], rgb[at + 1], rgb[at + 2]);
}

std::optional<Image> RenderPdfPage(const std::string& pdfName, int dpi, const std::string& screenshot) {
  const std::string stem = TempUnix("page");
  RunUnix("/usr/bin/pdftoppm -r " + std::to_string(dpi) + " -aa no -aaVector no -f 1 -l 1 '" + PdfPath(pdfName) +
          "' " + stem);
  // pdftoppm numbers the page with as many digits as the document's page count has.
  std::optional<Image> image;
  for (const char* suffix : {"-1.ppm", "-01.ppm", "-001.ppm"}) {
    if (!image) image = ReadPpm(stem + suffix);
    DeleteFileA(WindowsPath(stem + suffix).c_str());
  }
  const char* folder = std::getenv("LT_SCREENSHOT_DIR");
  if (image && folder && !screenshot.empty()) {
    const std::string copy = stem + ".ppm";
    std::ofstream out(WindowsPath(copy), std::ios::binary);
    out << "P6\n" << image->width << " " << image->height << "\n255\n";
    out.write(reinterpret_cast<const char*>(image->rgb.data()), static_cast<std::streamsize>(image->rgb.size()));
    out.close();
    RunUnix("/usr/bin/convert " + copy + " " + std::string(folder) + "/" + screenshot + ".png");
    DeleteFileA(WindowsPath(copy).c_str());
  }
  return image;
}

std::optional<Image> DecodePicture(const std::string& unixPath) {
  const std::string out = TempUnix("picture.ppm");
  RunUnix("/usr/bin/convert '" + unixPath + "' ppm:" + out);
  auto image = ReadPpm(out);
  DeleteFileA(WindowsPath(out).c_str());
  return image;
}

std::optional<SheetGrid> FindSheetGrid(const Image& image, COLORREF lineColor) {
  std::vector<int> byColumn(static_cast<std::size_t>(image.width)), byRow(static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!Near(image.At(x, y), lineColor, 8)) continue;
      ++byColumn[static_cast<std::size_t>(x)];
      ++byRow[static_cast<std::size_t>(y)];
    }
  }
  const std::vector<Span> vertical = Runs(byColumn), horizontal = Runs(byRow);
  if (vertical.size() != 38 || horizontal.size() != 13) return std::nullopt;
  return SheetGrid{Between(vertical), Between(horizontal)};
}

COLORREF Drawn(yb::Color color) {
  return (color & yb::kSystemColorFlag) ? GetSysColor(yb::SystemColorIndex(color)) : static_cast<COLORREF>(color);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string ColorText(COLORREF color) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d, %d, %d)", GetRValue(color), GetGValue(color), GetBValue(color));
  return text;
}

}  // namespace e2e
