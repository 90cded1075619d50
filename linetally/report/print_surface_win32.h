#pragma once
// The print surface on a printer device context (GDI), and the printer choice of the print
// and printer set-up dialogs, kept from one use to the next as the platform hands it over.
#include <windows.h>

#include <memory>
#include <optional>

#include "linetally/report/print_surface.h"

namespace lt {

// Owns a printer device context.
class PrinterDc {
 public:
  explicit PrinterDc(HDC dc) : dc(dc) {}
  ~PrinterDc() {
    if (dc) DeleteDC(dc);
  }
  PrinterDc(PrinterDc&& other) noexcept : dc(other.dc) { other.dc = nullptr; }
  PrinterDc(const PrinterDc&) = delete;
  PrinterDc& operator=(const PrinterDc&) = delete;
  PrinterDc& operator=(PrinterDc&&) = delete;
  HDC Get() const { return dc; }

 private:
  HDC dc;
};

// One document at a time in the process: a second BeginDocument while one is open fails
// with "Printing in progress". The font is 10 points at the printer's resolution.
class GdiPrintSurface : public PrintSurface {
 public:
  explicit GdiPrintSurface(HDC dc) : dc(dc) {}
  ~GdiPrintSurface() override;

  void BeginDocument(const std::string& title) override;
  void EndDocument() override;
  void NewPage() override;
  void SelectFont(const std::string& typeface) override;
  TextSize MeasureText(std::string_view text) override;
  FontMetrics Metrics() override;
  void DrawText(int x, int y, std::string_view text) override;
  int PageWidth() override { return GetDeviceCaps(dc, HORZRES); }
  int PageHeight() override { return GetDeviceCaps(dc, VERTRES); }

 private:
  HDC dc;
  HFONT font = nullptr, previousFont = nullptr;
  bool documentOpen = false;
};

// PrintDialog1 and PrinterSetupDialog1: both start from, and keep, the last choice.
class PrinterDialogs {
 public:
  PrinterDialogs() = default;
  ~PrinterDialogs();
  PrinterDialogs(const PrinterDialogs&) = delete;
  PrinterDialogs& operator=(const PrinterDialogs&) = delete;

  // The print dialog; the chosen printer's context, or nothing when cancelled. Throws
  // PrintError "There is no default printer currently selected" when there is no printer.
  std::optional<PrinterDc> Print(HWND owner);
  // The printer set-up dialog; prints nothing.
  void Setup(HWND owner);

 private:
  bool Show(HWND owner, DWORD flags, HDC* dc);
  HGLOBAL devMode = nullptr, devNames = nullptr;
};

}  // namespace lt
