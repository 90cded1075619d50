// linetally_demo PATH\Linetally.exe: what the run command shows on a virtual display. Starts
// Linetally in its folder, logs a five-second debug session through the window and leaves the
// program running with the new row in its list.
#include <cstdio>

#include "harness.h"
#include "linetally/resources/resource.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: linetally_demo PATH\\Linetally.exe\n");
    return 2;
  }
  const std::string exe = argv[1];
  e2e::Process program;
  program.Start(exe, exe.substr(0, exe.find_last_of('\\') + 1));
  HWND main = e2e::WaitForTopWindow(program.Id(), "TfrmMain");
  if (!main) return 1;
  HWND list = e2e::Child(main, IDC_LISTVIEW1), button = e2e::Child(main, IDC_BUTTON1);
  HWND label = e2e::Child(main, IDC_LABEL1);
  e2e::WaitUntil([&] { return e2e::Text(label) == "RAS Idle"; });
  if (!e2e::Visible(button)) e2e::TypeChars(list, "ltdbg");
  e2e::WaitUntil([&] { return e2e::Visible(button); });
  e2e::Click(button);
  e2e::WaitUntil([&] { return e2e::Text(label) == "Debugging for 000:00:05"; }, 15000);
  const int rows = e2e::ListViewCount(list);
  e2e::Click(button);
  e2e::WaitUntil([&] { return e2e::ListViewCount(list) == rows + 1; });
  std::printf("Logged a debug session: %s\n", e2e::ListViewText(list, rows, 3).c_str());
  std::fflush(stdout);
  program.Detach();
  return 0;
}
