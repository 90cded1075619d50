// Linetally over many dial-up sessions, as months of running leave it: sessions through the
// remote-access stand-in with the tray animating (a minimum charge runs the gauge), the monthly
// summary open, the list scrolled now and then. Handles and memory are read from inside the
// program before, after the warm-up and every tenth of the run; after the warm-up no handle
// count may grow. Exit code 0 when flat. Run under Wine:
//   scripts/wine-run.sh build/win64/bin/linetally_soak.exe [sessions]    (1000 unless given)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "dial_script.h"
#include "resource_probe.h"
#include "service_registry.h"

#include <commctrl.h>

namespace {

using namespace e2e;

// Waits for `done`, answering the size warning and any other box with OK.
bool WaitAnswering(LinetallyApp& app, const std::function<bool()>& done, int timeoutMs) {
  return WaitUntil(
      [&] {
        if (auto box = FindMessageBox(app.Program().Id())) Answer(*box, IDOK);
        return done();
      },
      timeoutMs);
}

unsigned long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (unsigned long long)data.nFileSizeHigh << 32 | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
  const int sessions = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int every = sessions >= 100 ? sessions / 10 : 10;
  // The warm-up covers what is made once, such as the list's scroll bar.
  const int warmUp = std::max(20, every);
  // 0.10 a second against a minimum charge of 0.30: the gauge and the tray run through their
  // frames in three seconds.
  WriteService("Metered", Service{.cost = "6", .minOn = true, .minCharge = "0.300"});
  LinetallyApp app;
  DialScript dial(app.Folder());
  // Two pages of earlier sessions, so the list scrolls from the start.
  const int earlier = 40;
  app.Folder().Write("Lnt.dat", MakeLongLog(earlier, "Office link").Text());
  app.Start();
  HWND list = app.Control(IDC_LISTVIEW1);
  SendMessageA(app.Main(), WM_COMMAND, IDM_SUMMARY1, 0);
  if (!WaitForTopWindow(app.Program().Id(), "TfrmSummary")) {
    std::printf("the monthly summary did not open\n");
    return 1;
  }
  ResourceProbe probe(app.Main(), std::string(E2E_BIN_DIR) + "/e2e_probe.dll");
  SoakReadings readings("sessions", warmUp);
  const auto read = [&](int step) {
    auto counts = probe.Read();
    if (!counts) return false;
    readings.Add(step, *counts, "log " + std::to_string(FileSize(app.Folder().File("Lnt.dat"))) + " bytes");
    return true;
  };
  if (!read(0)) return 1;
  const DWORD started = GetTickCount();
  for (int session = 1; session <= sessions; ++session) {
    dial.Write("0 0x1001 0x2000 Office link\n");
    // Every tenth session stays on line for two counted seconds, so the tray shows frames.
    const std::string online = session % 10 == 0 ? "On-line for " + DurationOf(2) : "On-line for ";
    if (!WaitAnswering(app, [&] { return app.Label1().rfind(online, 0) == 0; }, 10000)) {
      std::printf("session %d did not come on line: %s\n", session, app.Label1().c_str());
      return 1;
    }
    dial.Write("0 none\n");
    if (!WaitAnswering(app, [&] { return ListViewCount(list) == earlier + session; }, 10000)) {
      std::printf("session %d was not logged\n", session);
      return 1;
    }
    if (session % 7 == 0) SendMessageA(list, WM_VSCROLL, session % 2 ? SB_TOP : SB_PAGEDOWN, 0);
    if (session % every == 0 && !read(session)) return 1;
  }
  std::printf("%d sessions in %.0f s\n", sessions, (GetTickCount() - started) / 1000.0);
  Screenshot(app.Main(), "linetally-soak");
  const std::string growth = readings.Growth();
  std::printf("%s\n", growth.empty() ? "handles flat after the warm-up" : growth.c_str());
  return growth.empty() ? 0 : 1;
}
