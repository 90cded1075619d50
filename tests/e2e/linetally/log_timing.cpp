// Times Linetally's whole paths on a log of years, as a user meets them: start with a
// 100,000-record log until the window lists it and shows its total, scroll it, move the
// selection, open the monthly summary, log a debug session, delete one row, open a
// 100,000-record copy, export it as CSV, and start with a damaged log or an unreadable cost;
// and reads the memory the log adds (committed private bytes, and the resident set). Message boxes (the size warning above 900 records,
// the questions) are answered as soon as they show; their time is counted. Run under Wine by hand:
//   scripts/wine-run.sh build/win64/bin/linetally_log_timing.exe [records]   (or build/win32)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "linetally_app.h"
#include "resource_probe.h"

#include <commctrl.h>

namespace {

using e2e::LinetallyApp;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(counter.QuadPart) / double(frequency.QuadPart);
}

// Polls every millisecond until `done` holds, answering the boxes that come (questions with
// Yes, the rest with OK) and noting when each showed; the milliseconds taken, or -1 after 60 s.
double TimeUntil(LinetallyApp& app, double from, const std::function<bool()>& done,
                 std::vector<std::pair<double, std::string>>* boxes = nullptr) {
  while (Now() - from < 60000) {
    if (auto box = e2e::FindMessageBox(app.Program().Id())) {
      if (boxes) boxes->push_back({Now() - from, box->text});
      bool question = false;
      for (const auto& button : box->buttons) question |= button.first == IDYES;
      e2e::Answer(*box, question ? IDYES : IDOK);
      ::Sleep(1);
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

void Report(const std::string& what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-66s", what.c_str());
  if (times.empty() || times.front() < 0) {
    std::printf(" did not finish\n");
  } else {
    std::printf(" median %7.1f ms, best %7.1f ms (%zu runs)\n", times[times.size() / 2], times.front(), times.size());
  }
  std::fflush(stdout);
}

HWND Main(LinetallyApp& app) { return e2e::FindTopWindow(app.Program().Id(), "TfrmMain"); }
HWND Control(LinetallyApp& app, int id) { return e2e::Child(Main(app), id); }

// Starts the program in the app's folder; the milliseconds until the list holds `rows` rows
// and status panel 2 reads `total`.
double TimeStart(LinetallyApp& app, int rows, const std::string& total,
                 std::vector<std::pair<double, std::string>>* boxes = nullptr) {
  const double from = Now();
  app.Program().Start(app.ExePath(), app.Folder().Path());
  return TimeUntil(
      app, from,
      [&] {
        HWND main = Main(app);
        HWND list = main ? e2e::Child(main, IDC_LISTVIEW1) : nullptr;
        HWND status = main ? e2e::Child(main, IDC_STATUSBAR1) : nullptr;
        return list && status && e2e::ListViewCount(list) == rows && e2e::StatusBarText(status, 2) == total;
      },
      boxes);
}

}  // namespace

int main(int argc, char** argv) {
  const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
  const e2e::LongLog log = e2e::MakeLongLog(records, "Office link");
  const e2e::LongLog copy = e2e::MakeLongLog(records, "Home");
  std::printf("Linetally with a %d-record log (%zu bytes)\n", records, log.Text().size());

  // Memory once the log is listed, read from inside the program (resource_probe.h).
  const auto memory = [](LinetallyApp& app) {
    e2e::ResourceProbe probe(Main(app), std::string(E2E_BIN_DIR) + "/e2e_probe.dll");
    return probe.Read().value_or(e2e::ResourceCounts{});
  };
  std::vector<double> empty, full, addedPrivate, addedResident;
  for (int run = 0; run < 3; ++run) {
    e2e::ResourceCounts without;
    {
      LinetallyApp none;
      empty.push_back(TimeStart(none, 0, e2e::TotalPanel(0)));
      without = memory(none);
    }
    LinetallyApp app;
    app.Folder().Write("Lnt.dat", log.Text());
    full.push_back(TimeStart(app, records, e2e::TotalPanel(log.totalCents)));
    const e2e::ResourceCounts with = memory(app);
    addedPrivate.push_back((double(with.privateBytes) - double(without.privateBytes)) / 1e6);
    addedResident.push_back((double(with.residentBytes) - double(without.residentBytes)) / 1e6);
  }
  Report("start with an empty log until the window shows its total", empty);
  Report("start until the whole log is listed with its total", full);
  for (auto [what, added] : {std::pair{"private bytes", &addedPrivate}, std::pair{"resident set", &addedResident}}) {
    std::sort(added->begin(), added->end());
    std::printf("%s the log adds: median %.1f MB (%.1f times the file)\n", what, (*added)[1],
                (*added)[1] * 1e6 / double(log.Text().size()));
  }

  LinetallyApp app;
  app.Folder().Write("Lnt.dat", log.Text());
  app.Folder().Write("copy.ltb", copy.Text());
  const std::string working = app.Folder().File("Lnt.dat");
  if (TimeStart(app, records, e2e::TotalPanel(log.totalCents)) < 0) return 1;
  double from = 0;
  HWND main = Main(app), list = Control(app, IDC_LISTVIEW1), status = Control(app, IDC_STATUSBAR1);
  HWND button = Control(app, IDC_BUTTON1), label = Control(app, IDC_LABEL1);

  std::vector<double> pages, drags, moves;
  for (int run = 0; run < 5; ++run) {
    from = Now();
    for (int page = 0; page < 10; ++page) {
      SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
      RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW);
    }
    pages.push_back((Now() - from) / 10);
    from = Now();
    SendMessageA(list, LVM_ENSUREVISIBLE, WPARAM(records * (run + 1) / 6), FALSE);
    RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW);
    drags.push_back(Now() - from);
    from = Now();
    SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(list, WM_KEYUP, VK_DOWN, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW);
    moves.push_back(Now() - from);
  }
  Report("scroll one page down (painted)", pages);
  Report("jump to another place in the log (painted)", drags);
  Report("move the selection one row with the Down key (painted)", moves);

  // The monthly summary, opened from the kept period totals: the first time the window is made.
  for (const char* what : {"open the monthly summary, the first time (filled, painted)",
                           "open the monthly summary again (filled, painted)"}) {
    from = Now();
    SendMessageA(main, WM_COMMAND, IDM_SUMMARY1, 0);  // returns once it is filled and shown
    HWND summary = e2e::FindTopWindow(app.Program().Id(), "TfrmSummary");
    RedrawWindow(summary, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Report(what, {Now() - from});
    std::printf("  (%d periods listed)\n", e2e::ListViewCount(e2e::Child(summary, IDC_SUMMARYLIST)));
    e2e::Screenshot(summary, "monthly-summary-long-log");
    SendMessageA(summary, WM_COMMAND, IDC_BTNCLOSESUMMARY, 0);
  }

  // The program notices the end of a session on its 250 ms tick. Stop is pressed 200 ms after
  // a tick that counted a second (the status line changes on it), so the session ends on the
  // next tick, 250 ms after that one: the time from that tick is the logging itself.
  e2e::TypeChars(list, "ltdbg");
  e2e::WaitUntil([&] { return e2e::Visible(button); });
  std::vector<double> logged, fromStop;
  for (int run = 0; run < 5; ++run) {
    const int rows = e2e::ListViewCount(list);
    e2e::Click(button);
    e2e::WaitUntil([&] { return e2e::Text(label) == "Debugging for " + e2e::DurationOf(1); });
    const std::string two = "Debugging for " + e2e::DurationOf(2);
    while (e2e::Text(label) != two) ::Sleep(1);
    const double tick = Now();
    ::Sleep(200);
    const unsigned long long before = FileSize(working);
    const double stop = Now();
    e2e::Click(button);
    const double done = TimeUntil(app, stop, [&] {
      return e2e::ListViewCount(list) == rows + 1 && FileSize(working) > before;
    });
    fromStop.push_back(done);
    logged.push_back(done < 0 ? done : stop + done - (tick + 250));
  }
  Report("log a debug session from Stop (includes waiting for the tick)", fromStop);
  Report("log a debug session from the tick (row, file rewritten, warning)", logged);

  std::vector<double> deleted;
  for (int run = 0; run < 3; ++run) {
    const int rows = e2e::ListViewCount(list), row = rows / 2;
    const unsigned long long before = FileSize(working);
    e2e::ListViewSelect(list, {row});
    e2e::PostCommand(main, IDM_DELETE1);
    auto question = e2e::WaitForMessageBox(app.Program().Id());
    if (!question) return 1;
    from = Now();
    e2e::Answer(*question, IDYES);
    deleted.push_back(TimeUntil(app, from, [&] {
      return e2e::ListViewCount(list) == rows - 1 && FileSize(working) < before;
    }));
  }
  Report("delete one row from Yes (list, file rewritten, warning)", deleted);

  e2e::PostCommand(main, IDM_OPEN1);
  if (auto box = e2e::WaitForMessageBox(app.Program().Id())) e2e::Answer(*box, IDYES);
  if (!e2e::ChooseFile(app.Program().Id(), "Load Database", app.Folder().File("copy.ltb"))) return 1;
  from = Now();
  Report("open a copy from the dialog's OK (listed, total, file rewritten)", {TimeUntil(app, from, [&] {
           return e2e::StatusBarText(status, 2) == e2e::TotalPanel(copy.totalCents) &&
                  e2e::ListViewCount(list) == records && e2e::ListViewText(list, 0, 2) == "Home" &&
                  FileSize(working) == FileSize(app.Folder().File("copy.ltb"));
         })});

  // Export of the whole log: from the Save dialog's OK until the file is closed, which is when
  // it takes its name (it is written aside first).
  std::vector<double> exported;
  const std::string exportTitle = "Export Sessions";
  for (int run = 0; run < 3; ++run) {
    const std::string name = "export" + std::to_string(run) + ".csv";
    e2e::PostCommand(main, IDM_EXPORT1);
    e2e::WaitUntil([&] { return e2e::Visible(e2e::FindTopWindow(app.Program().Id(), "#32770", &exportTitle)); });
    from = Now();
    if (!e2e::ChooseFile(app.Program().Id(), exportTitle, app.Folder().File(name))) return 1;
    exported.push_back(TimeUntil(app, from, [&] { return app.Folder().Exists(name); }));
  }
  Report("export the whole log as CSV from the dialog's OK (file closed)", exported);
  std::printf("  (%llu bytes)\n", FileSize(app.Folder().File("export0.csv")));
  app.Kill();

  // Bad input at size: the recovery's message and the unreadable total's message.
  const auto answered = [](const std::vector<std::pair<double, std::string>>& boxes, const std::string& part) {
    for (const auto& box : boxes)
      if (box.second.find(part) != std::string::npos) return true;
    return false;
  };
  e2e::LongLog damaged = log;
  damaged.lines[records - 10].resize(25);
  LinetallyApp broken;
  broken.Folder().Write("Lnt.dat", damaged.Text());
  std::vector<std::pair<double, std::string>> boxes;
  from = Now();
  broken.Program().Start(broken.ExePath(), broken.Folder().Path());
  const double recovered = TimeUntil(
      broken, from,
      [&] { return answered(boxes, "Lnt.dat.damaged") && broken.Folder().Exists("Lnt.dat.damaged"); }, &boxes);
  for (const auto& box : boxes) std::printf("  box at %7.1f ms: %.60s\n", box.first, box.second.c_str());
  Report("start with a line damaged near the end until the log is kept aside", {recovered});
  broken.Kill();

  e2e::LongLog unreadable = log;
  std::string& middle = unreadable.lines[records / 2];
  middle = middle.substr(0, middle.rfind(',', middle.size() - 2) + 1) + "1.2.5,";
  LinetallyApp costly;
  costly.Folder().Write("Lnt.dat", unreadable.Text());
  boxes.clear();
  from = Now();
  costly.Program().Start(costly.ExePath(), costly.Folder().Path());
  const double listed = TimeUntil(
      costly, from,
      [&] {
        HWND list = Control(costly, IDC_LISTVIEW1);
        return answered(boxes, "not a valid floating point value") && list && e2e::ListViewCount(list) == records;
      },
      &boxes);
  for (const auto& box : boxes) std::printf("  box at %7.1f ms: %.60s\n", box.first, box.second.c_str());
  Report("start with an unreadable cost in the middle until all is listed", {listed});
  costly.Kill();
  return 0;
}
