// Times Linetally's whole paths on a log of years: start with a 100,000-record log until the
// window lists it and shows its total (the size warning answered at once), open the monthly
// summary, log a debug session, delete one row, open a 100,000-record copy. Run under Wine by hand:
//   scripts/wine-run.sh build/win32/bin/linetally_log_timing.exe [records]
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "linetally_app.h"

namespace {

using e2e::LinetallyApp;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(counter.QuadPart) / double(frequency.QuadPart);
}

// Polls every millisecond until `done` holds, answering the boxes that come (the size warning
// with OK, questions with Yes); the milliseconds taken, or -1 after 60 s.
double TimeUntil(LinetallyApp& app, double from, const std::function<bool()>& done) {
  while (Now() - from < 60000) {
    if (auto box = e2e::FindMessageBox(app.Program().Id())) {
      bool question = false;
      for (const auto& button : box->buttons) question |= button.first == IDYES;
      e2e::Answer(*box, question ? IDYES : IDOK);
    }
    if (done()) return Now() - from;
    ::Sleep(1);
  }
  return -1;
}

unsigned long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (unsigned long long)data.nFileSizeHigh << 32 | data.nFileSizeLow;
}

void Report(const char* what, double ms) { std::printf("%-62s %9.1f ms\n", what, ms); }

}  // namespace

int main(int argc, char** argv) {
  const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
  const e2e::LongLog log = e2e::MakeLongLog(records, "Office link");
  const e2e::LongLog copy = e2e::MakeLongLog(records, "Home");
  LinetallyApp app;
  app.Folder().Write("Lnt.dat", log.Text());
  app.Folder().Write("copy.ltb", copy.Text());
  const std::string working = app.Folder().File("Lnt.dat");
  std::printf("Linetally with a %d-record log (%llu bytes)\n", records, FileSize(working));
  std::fflush(stdout);

  double from = Now();
  std::printf("t0 %.1f\n", from);
  app.Program().Start(app.ExePath(), app.Folder().Path());
  HWND list = nullptr;
  const double started = TimeUntil(app, from, [&] {
    HWND main = e2e::FindTopWindow(app.Program().Id(), "TfrmMain");
    if (!main) return false;
    list = e2e::Child(main, IDC_LISTVIEW1);
    HWND status = e2e::Child(main, IDC_STATUSBAR1);
    return list && status && e2e::ListViewCount(list) == records &&
           e2e::StatusBarText(status, 2) == e2e::TotalPanel(log.totalCents);
  });
  Report("start to the listed log and its total", started);
  if (started < 0) return 1;
  HWND main = e2e::FindTopWindow(app.Program().Id(), "TfrmMain");
  if (records > 0 && e2e::ListViewText(list, records - 1, 2) != "Office link") return 1;

  // The monthly summary, opened from the kept period totals: the first time the window is made.
  for (const char* what : {"open the monthly summary, the first time (filled, painted)",
                           "open the monthly summary again (filled, painted)"}) {
    from = Now();
    SendMessageA(main, WM_COMMAND, IDM_SUMMARY1, 0);  // returns once it is filled and shown
    HWND summary = e2e::FindTopWindow(app.Program().Id(), "TfrmSummary");
    RedrawWindow(summary, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Report(what, Now() - from);
    std::printf("  (%d periods listed)\n", e2e::ListViewCount(e2e::Child(summary, IDC_SUMMARYLIST)));
    e2e::Screenshot(summary, "monthly-summary-long-log");
    SendMessageA(summary, WM_COMMAND, IDC_BTNCLOSESUMMARY, 0);
  }

  from = Now();
  SendMessageA(list, WM_KEYDOWN, VK_END, 0);
  SendMessageA(list, WM_KEYUP, VK_END, 0);
  SendMessageA(list, WM_KEYDOWN, VK_HOME, 0);
  SendMessageA(list, WM_KEYUP, VK_HOME, 0);
  Report("End, then Home in the list (focus and scroll)", Now() - from);

  HWND button = e2e::Child(main, IDC_BUTTON1), status = e2e::Child(main, IDC_STATUSBAR1);
  e2e::TypeChars(list, "ltdbg");
  e2e::WaitUntil([&] { return e2e::Visible(button); });
  e2e::Click(button);
  e2e::WaitUntil([&] { return e2e::Text(e2e::Child(main, IDC_LABEL1)) == "Debugging for " + e2e::DurationOf(1); });
  const unsigned long long before = FileSize(working);
  from = Now();
  e2e::Click(button);
  Report("log a debug session (row shown, file rewritten)", TimeUntil(app, from, [&] {
           return e2e::ListViewCount(list) == records + 1 && FileSize(working) > before;
         }));

  const int middle = records / 2;
  e2e::ListViewSelect(list, {middle});
  const unsigned long long grown = FileSize(working);
  e2e::PostCommand(main, IDM_DELETE1);
  auto question = e2e::WaitForMessageBox(app.Program().Id());
  if (!question) return 1;
  from = Now();
  e2e::Answer(*question, IDYES);
  const long long remaining = log.totalCents - (1 + middle % 500);
  Report("delete one row after Yes (list, file, total)", TimeUntil(app, from, [&] {
           return e2e::ListViewCount(list) == records && FileSize(working) < grown &&
                  e2e::StatusBarText(status, 2) == e2e::TotalPanel(remaining);
         }));

  e2e::PostCommand(main, IDM_OPEN1);
  if (auto box = e2e::WaitForMessageBox(app.Program().Id())) e2e::Answer(*box, IDYES);
  if (!e2e::ChooseFile(app.Program().Id(), "Load Database", app.Folder().File("copy.ltb"))) return 1;
  from = Now();
  Report("open a copy after OK (listed, total, working file)", TimeUntil(app, from, [&] {
           return e2e::StatusBarText(status, 2) == e2e::TotalPanel(copy.totalCents) && e2e::ListViewCount(list) == records &&
                  e2e::ListViewText(list, 0, 2) == "Home" && FileSize(working) == FileSize(app.Folder().File("copy.ltb"));
         }));
  app.Kill();
  return 0;
}
