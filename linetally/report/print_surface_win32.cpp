#include "linetally/report/print_surface_win32.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

namespace lt {
namespace {

constexpr int kFontPoints = 10;
constexpr const char* kNoPrinter = "There is no default printer currently selected";

bool documentInProgress = false;  // the process's one print job

[[noreturn]] void FailWithSystemText(const char* what) {
  const DWORD code = GetLastError();
  char* text = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = what;
  if (length && text) {
    std::string detail(text, length);
    while (!detail.empty() && (detail.back() == '\n' || detail.back() == '\r' || detail.back() == ' '))
      detail.pop_back();
    message += ": " + detail;
  }
  if (text) LocalFree(text);
  throw PrintError(message);
}

bool HasDefaultPrinter() {
  DWORD size = 0;
  GetDefaultPrinterA(nullptr, &size);
  return size > 0;
}

}  // namespace

GdiPrintSurface::~GdiPrintSurface() {
  if (documentOpen) {
    AbortDoc(dc);
    documentInProgress = false;
  }
  if (previousFont) SelectObject(dc, previousFont);
  if (font) DeleteObject(font);
}

void GdiPrintSurface::BeginDocument(const std::string& title) {
  if (documentInProgress) throw PrintError("Printing in progress");
  DOCINFOA info{};
  info.cbSize = sizeof info;
  info.lpszDocName = title.c_str();
  if (StartDocA(dc, &info) <= 0) FailWithSystemText("Printing could not start");
  documentOpen = documentInProgress = true;
  if (StartPage(dc) <= 0) FailWithSystemText("Printer error");
}

void GdiPrintSurface::EndDocument() {
  if (!documentOpen) return;
  documentOpen = documentInProgress = false;
  const bool pageEnded = EndPage(dc) > 0;
  if (EndDoc(dc) <= 0 || !pageEnded) FailWithSystemText("Printer error");
}

void GdiPrintSurface::NewPage() {
  if (EndPage(dc) <= 0 || StartPage(dc) <= 0) FailWithSystemText("Printer error");
  // Some drivers reset the context at a new page: keep the report's font.
  if (font) SelectObject(dc, font);
}

void GdiPrintSurface::SelectFont(const std::string& typeface) {
  const int height = -MulDiv(kFontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  HFONT created = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, typeface.c_str());
  if (!created) FailWithSystemText("The printer font could not be made");
  HGDIOBJ old = SelectObject(dc, created);
  if (!previousFont) previousFont = static_cast<HFONT>(old);
  if (font) DeleteObject(font);
  font = created;
}

TextSize GdiPrintSurface::MeasureText(std::string_view text) {
  SIZE size{};
  if (!GetTextExtentPoint32A(dc, text.data(), int(text.size()), &size)) FailWithSystemText("Printer error");
  return {int(size.cx), int(size.cy)};
}

FontMetrics GdiPrintSurface::Metrics() {
  TEXTMETRICA metrics{};
  if (!GetTextMetricsA(dc, &metrics)) FailWithSystemText("Printer error");
  return {int(metrics.tmHeight), int(metrics.tmAveCharWidth)};
}

void GdiPrintSurface::DrawText(int x, int y, std::string_view text) {
  if (!TextOutA(dc, x, y, text.data(), int(text.size()))) FailWithSystemText("Printer error");
}

PrinterDialogs::~PrinterDialogs() {
  if (devMode) GlobalFree(devMode);
  if (devNames) GlobalFree(devNames);
}

bool PrinterDialogs::Show(HWND owner, DWORD flags, HDC* dc) {
  if (!devNames && !HasDefaultPrinter()) throw PrintError(kNoPrinter);
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = devMode;
  dialog.hDevNames = devNames;
  dialog.Flags = flags;
  dialog.nCopies = 1;
  const BOOL confirmed = PrintDlgA(&dialog);
  // The dialog may hand back new blocks for the choice; they are ours from now on.
  devMode = dialog.hDevMode;
  devNames = dialog.hDevNames;
  if (dc) *dc = dialog.hDC;
  if (confirmed) return true;
  const DWORD error = CommDlgExtendedError();
  if (error == 0) return false;  // cancelled
  if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) throw PrintError(kNoPrinter);
  throw PrintError("The printer dialog failed (error " + std::to_string(error) + ")");
}

std::optional<PrinterDc> PrinterDialogs::Print(HWND owner) {
  HDC dc = nullptr;
  const bool confirmed = Show(owner, PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE, &dc);
  PrinterDc owned(dc);
  if (!confirmed) return std::nullopt;
  if (!dc) throw PrintError(kNoPrinter);
  return owned;
}

void PrinterDialogs::Setup(HWND owner) { Show(owner, PD_PRINTSETUP, nullptr); }

}  // namespace lt
