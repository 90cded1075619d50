#pragma once
// Print Year: the platform's Print dialog, the page landscape unless the user turns it (the
// choice is kept for the next print), then the page drawn and spooled on a worker thread, so
// the window stays usable; the window is sent kPrintFinished when the job is in the queue or
// has failed, and calls Finish for the outcome. One job at a time.
#include <windows.h>

#include <string>
#include <thread>

#include "yearboard/sheet/year_sheet.h"

namespace yb {

constexpr UINT kPrintFinished = WM_APP + 24;

// The job of one page with the sheet on the printer's DC: the failure's message, or "" once
// the job is in the queue.
std::string SpoolYearSheet(HDC dc, const YearSheet& sheet);

class YearPrinter {
 public:
  explicit YearPrinter(HWND owner) : owner(owner) {}
  ~YearPrinter();  // waits for a job still spooling
  YearPrinter(const YearPrinter&) = delete;
  YearPrinter& operator=(const YearPrinter&) = delete;

  // The dialog, then the job started; false when cancelled or when there is no printer (the
  // dialog says so itself). Throws std::runtime_error with the message to show when the dialog
  // fails otherwise.
  bool Print(YearSheet sheet);
  bool Busy() const { return worker.joinable(); }
  // After kPrintFinished: the failure to show, or "" when the job is in the queue.
  std::string Finish();

 private:
  void PresetLandscape();

  HWND owner;
  HGLOBAL devMode = nullptr, devNames = nullptr;
  std::thread worker;
  std::string failure;  // written by the worker, read after it has been joined
};

}  // namespace yb
