#include "yearboard/ui/year_printer.h"

#include <cderr.h>
#include <commdlg.h>

#include <stdexcept>

#include "yearboard/sheet/sheet_painter_win32.h"

namespace yb {

namespace {

constexpr const char* kNoPrinter = "There is no default printer currently selected";

// The system's text for the last error, after ours.
std::string WithSystemText(const std::string& what) {
  const DWORD code = GetLastError();
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
      0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = what;
  if (length && text) {
    std::string detail(text, length);
    while (!detail.empty() && (detail.back() == '\n' || detail.back() == '\r' || detail.back() == ' ' ||
                               detail.back() == '.'))
      detail.pop_back();
    message += ": " + detail;
  }
  if (text) LocalFree(text);
  return message + ".";
}

}  // namespace

std::string SpoolYearSheet(HDC dc, const YearSheet& sheet) {
  DOCINFOA info{};
  info.cbSize = sizeof info;
  info.lpszDocName = sheet.title.c_str();
  if (StartDocA(dc, &info) <= 0) return WithSystemText("Printing could not start");
  if (StartPage(dc) <= 0) {
    const std::string failure = WithSystemText("The printer failed");
    AbortDoc(dc);
    return failure;
  }
  DrawYearSheet(dc, sheet, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
  if (EndPage(dc) <= 0) {
    const std::string failure = WithSystemText("The printer failed");
    AbortDoc(dc);
    return failure;
  }
  if (EndDoc(dc) <= 0) return WithSystemText("The printer failed");
  return "";
}

YearPrinter::~YearPrinter() {
  if (worker.joinable()) worker.join();
  if (devMode) GlobalFree(devMode);
  if (devNames) GlobalFree(devNames);
}

// The default printer's settings turned to landscape, before the dialog first shows them.
void YearPrinter::PresetLandscape() {
  PRINTDLGA defaults{};
  defaults.lStructSize = sizeof defaults;
  defaults.hwndOwner = owner;
  defaults.Flags = PD_RETURNDEFAULT | PD_NOWARNING;  // the dialog itself warns, once
  if (!PrintDlgA(&defaults)) return;  // no printer: the dialog itself says so
  devMode = defaults.hDevMode;
  devNames = defaults.hDevNames;
  if (auto* mode = static_cast<DEVMODEA*>(GlobalLock(devMode))) {
    mode->dmFields |= DM_ORIENTATION;
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    GlobalUnlock(devMode);
  }
}

bool YearPrinter::Print(YearSheet sheet) {
  if (Busy()) throw std::runtime_error("The year is still being printed.");
  if (!devMode) PresetLandscape();
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = devMode;
  dialog.hDevNames = devNames;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  dialog.nCopies = 1;
  const BOOL confirmed = PrintDlgA(&dialog);
  // The dialog may hand back new blocks for the choice; they are ours from now on.
  devMode = dialog.hDevMode;
  devNames = dialog.hDevNames;
  if (!confirmed) {
    if (dialog.hDC) DeleteDC(dialog.hDC);
    const DWORD error = CommDlgExtendedError();
    // Cancelled, or no printer: the dialog has said so in the platform's own words.
    if (error == 0 || error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) return false;
    throw std::runtime_error("The Print dialog failed (error " + std::to_string(error) + ").");
  }
  if (!dialog.hDC) throw std::runtime_error(kNoPrinter);
  HDC dc = dialog.hDC;
  HWND notify = owner;
  worker = std::thread([this, dc, notify, sheet = std::move(sheet)] {
    failure = SpoolYearSheet(dc, sheet);
    DeleteDC(dc);
    PostMessageA(notify, kPrintFinished, 0, 0);
  });
  return true;
}

std::string YearPrinter::Finish() {
  if (worker.joinable()) worker.join();
  return std::exchange(failure, std::string());
}

}  // namespace yb
