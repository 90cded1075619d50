// Yearboard over many year steps, as weeks on a second screen leave it: the year stepped up and
// down, the calendar file changed and read again with F5, category colours chosen. Handles and
// memory are read from inside the program before, after the warm-up and every tenth of the
// run; after the warm-up no handle count may grow. Exit code 0 when flat. Run under Wine:
//   scripts/wine-run.sh build/win64/bin/yearboard_soak.exe [steps]    (1000 unless given)
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "resource_probe.h"
#include "yearboard_app.h"

namespace {

using namespace e2e;
using App = YearboardApp;

constexpr int kRedEdit = 706;  // the colour dialog's red edit

// A few hundred appointments a year around the current one in three categories, with weekly
// series; `version` moves one of them so that F5 finds a changed file.
std::string Calendar(int year, int version) {
  const char* const categories[] = {"Holiday", "Travel", "Work"};
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
  for (int y = year - 3; y <= year + 3; ++y)
    for (int i = 0; i < 120; ++i) {
      const int month = i % 12 + 1, day = (i * 7 + version) % 28 + 1;
      text += "BEGIN:VEVENT\r\nUID:" + std::to_string(y) + "-" + std::to_string(i) + "\r\n";
      text += "DTSTART:" + DateTime(y, month, day, 9 + i % 8) + "\r\nDURATION:PT1H\r\n";
      text += "SUMMARY:Appointment " + std::to_string(i) + "\r\nCATEGORIES:" + categories[i % 3] + "\r\n";
      if (i % 40 == 0) text += "RRULE:FREQ=WEEKLY;COUNT=10\r\n";
      text += "END:VEVENT\r\n";
    }
  return text + "END:VCALENDAR\r\n";
}

// Chooses a colour for the category in row `row` through the colour dialog.
bool ChooseColour(App& app, int row, int red) {
  App::DoubleClickCell(app.Categories(), row, 0);
  const auto dialog = WaitForMessageBox(app.Program().Id(), 10000);
  if (!dialog) return false;
  SendMessageA(Child(dialog->window, kRedEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_string(red).c_str()));
  Answer(*dialog, IDOK);
  return WaitUntil([&] { return (App::CellColor(app.Categories(), row, 1) & 0xFF) == yb::Color(red); }, 10000);
}

}  // namespace

int main(int argc, char** argv) {
  const int steps = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int every = steps >= 100 ? steps / 10 : 10;
  // The warm-up covers each kind of step: years, F5 and the colour dialog.
  const int warmUp = std::max(30, every);
  const int year = CurrentYear();
  App app;
  app.Folder().Write("calendar.ics", Calendar(year, 0));
  WriteRegistryString(HKEY_CURRENT_USER, "Software\\Yearboard\\Calendar", "File", app.Folder().File("calendar.ics"));
  app.Start();
  ResourceProbe probe(app.Main(), std::string(E2E_BIN_DIR) + "/e2e_probe.dll");
  SoakReadings readings("year steps", warmUp);
  const auto read = [&](int step) {
    auto counts = probe.Read();
    if (counts) readings.Add(step, *counts, "year " + app.Year());
    return counts.has_value();
  };
  if (!read(0)) return 1;
  int shown = year;
  const DWORD started = GetTickCount();
  for (int step = 1; step <= steps; ++step) {
    // Three years up, three down, around the current one.
    const bool up = (step - 1) % 6 < 3;
    shown += up ? 1 : -1;
    Click(app.BandControl(up ? IDC_CMDUP : IDC_CMDDOWN));
    if (!WaitUntil([&] { return app.Year() == std::to_string(shown); }, 10000)) {
      std::printf("step %d: the year shown is %s, not %d\n", step, app.Year().c_str(), shown);
      return 1;
    }
    app.Settle();
    if (step % 10 == 0) {
      app.Folder().Write("calendar.ics", Calendar(year, step / 10));
      PressKey(app.Planner(), VK_F5);
      app.Settle();
    }
    if (step % 25 == 0 && !ChooseColour(app, 1 + step / 25 % 3, step % 256)) {
      std::printf("step %d: the colour was not chosen\n", step);
      return 1;
    }
    if (step % every == 0 && !read(step)) return 1;
  }
  std::printf("%d year steps in %.0f s\n", steps, (GetTickCount() - started) / 1000.0);
  Screenshot(app.Main(), "yearboard-soak");
  const std::string growth = readings.Growth();
  std::printf("%s\n", growth.empty() ? "handles flat after the warm-up" : growth.c_str());
  app.Close();
  return growth.empty() ? 0 : 1;
}
