#pragma once
// The page a report is printed on: text measuring and drawing in device units, pages, and
// the document around them. Failures of the printing layer throw PrintError with their text.
#include <stdexcept>
#include <string>
#include <string_view>

namespace lt {

class PrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TextSize {
  int width = 0, height = 0;
};

struct FontMetrics {
  int height = 0;            // character height of the font
  int averageCharWidth = 0;
};

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  virtual void BeginDocument(const std::string& title) = 0;  // and its first page
  virtual void EndDocument() = 0;                            // hands the job to the printer
  virtual void NewPage() = 0;
  // The typeface at the surface's default size.
  virtual void SelectFont(const std::string& typeface) = 0;
  virtual TextSize MeasureText(std::string_view text) = 0;
  virtual FontMetrics Metrics() = 0;
  virtual void DrawText(int x, int y, std::string_view text) = 0;
  virtual int PageWidth() = 0;   // of the printable area
  virtual int PageHeight() = 0;
};

}  // namespace lt
