#pragma once
// A fixed-pitch page for the line printer tests: every character 10 units wide, text 16
// high, the font's character height 17; what is done to it is kept as readable events.
#include <string>
#include <vector>

#include "linetally/report/print_surface.h"

namespace lt {

class FakeSurface : public PrintSurface {
 public:
  FakeSurface(int width, int height) : width(width), height(height) {}

  void BeginDocument(const std::string& title) override { events.push_back("begin " + title); }
  void EndDocument() override { events.push_back("end"); }
  void NewPage() override { events.push_back("page"); }
  void SelectFont(const std::string& typeface) override { events.push_back("font " + typeface); }
  TextSize MeasureText(std::string_view text) override { return {int(text.size()) * 10, 16}; }
  FontMetrics Metrics() override { return {17, 10}; }
  void DrawText(int x, int y, std::string_view text) override {
    if (text == failOn) throw PrintError("Printer is out of paper");
    events.push_back(std::to_string(x) + "," + std::to_string(y) + " " + std::string(text));
  }
  int PageWidth() override { return width; }
  int PageHeight() override { return height; }

  std::vector<std::string> events;
  std::string failOn = "\x01";  // a text whose drawing fails

 private:
  int width, height;
};

}  // namespace lt
