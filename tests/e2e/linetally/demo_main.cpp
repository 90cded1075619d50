// linetally_demo PATH\Linetally.exe PATH\dial.txt: what the run command shows on a virtual
// display. Starts Linetally in its folder, dials "Office link" through the prefix's
// remote-access stand-in (by writing its script), takes a screenshot while on line and one
// after the session is logged, and leaves the program running. A first run in a new prefix is
// slow, so every wait is long; a step that does not come says what the window showed.
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "harness.h"
#include "linetally/resources/resource.h"

namespace {

// The line dials, authenticates, is on line for ten seconds and then disconnects.
constexpr char kDial[] =
    "0     0x1001 2      Office link\n"
    "1500  0x1001 4      Office link\n"
    "3000  0x1001 0x2000 Office link\n"
    "13000 0x1001 0x2001 Office link\n"
    "13500 none\n";

void Expect(bool reached, const std::string& what, HWND label) {
  if (!reached) throw std::runtime_error("waited in vain for " + what + "; the status reads \"" + e2e::Text(label) + "\"");
}

int Demo(const std::string& exe, const std::string& script) {
  std::ofstream(script, std::ios::binary | std::ios::trunc);  // no connection yet
  e2e::Process program;
  program.Start(exe, exe.substr(0, exe.find_last_of('\\') + 1));
  HWND main = e2e::WaitForTopWindow(program.Id(), "TfrmMain", 60000);
  if (!main) throw std::runtime_error("Linetally's main window did not appear");
  // The window can show before its controls are made: look them up until the status is there.
  HWND list = nullptr, label = nullptr;
  Expect(e2e::WaitUntil([&] {
           list = e2e::Child(main, IDC_LISTVIEW1), label = e2e::Child(main, IDC_LABEL1);
           return e2e::Text(label) == "RAS Idle";
         }, 60000),
         "\"RAS Idle\"", label);
  const int rows = e2e::ListViewCount(list);

  std::ofstream(script, std::ios::binary | std::ios::trunc) << kDial;
  Expect(e2e::WaitUntil([&] { return e2e::Text(label) == "On-line for 000:00:08"; }, 30000),
         "\"On-line for 000:00:08\"", label);
  e2e::Screenshot(nullptr, "linetally-online");
  Expect(e2e::WaitUntil([&] { return e2e::ListViewCount(list) == rows + 1; }, 30000), "the logged session", label);
  e2e::Sleep(500);  // the new row and the totals painted
  e2e::Screenshot(nullptr, "linetally-logged");
  std::printf("Logged: %s, %s, cost %s\n", e2e::ListViewText(list, rows, 2).c_str(),
              e2e::ListViewText(list, rows, 3).c_str(), e2e::ListViewText(list, rows, 4).c_str());
  std::fflush(stdout);
  program.Detach();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: linetally_demo PATH\\Linetally.exe PATH\\dial.txt\n");
    return 2;
  }
  try {
    return Demo(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "linetally_demo: %s\n", e.what());
    return 1;
  }
}
