#pragma once
// A line printer device over a print surface: text lines written one below the other in
// Courier from the top left of the first page, long lines wrapped, pages broken near the
// bottom. Tab, form feed and carriage return act as on a text printer.
#include <string>
#include <string_view>
#include <vector>

#include "linetally/report/print_surface.h"

namespace lt {

class LinePrinter {
 public:
  // Begins the document and selects Courier.
  LinePrinter(PrintSurface& surface, const std::string& title);
  // A document left open (after a failure) is ended; errors from that are swallowed.
  ~LinePrinter();
  LinePrinter(const LinePrinter&) = delete;
  LinePrinter& operator=(const LinePrinter&) = delete;

  void WriteLine(std::string_view line);
  void Close();  // ends the document

 private:
  void Output(std::string_view text);  // draws at the current position, wrapping
  void NewLine();
  void StartPendingPage();

  PrintSurface& surface;
  bool open = false;
  int x = 0, y = 0;
  int tallest = 0;       // of the text drawn on the current line
  bool drawn = false;    // anything drawn on the current line
  bool pagePending = false;  // the next output goes on a new page
};

// Writes the lines through a LinePrinter; a failing line stops the report, the document is
// ended and the PrintError goes on to the caller.
void PrintLines(PrintSurface& surface, const std::string& title, const std::vector<std::string>& lines);

}  // namespace lt
