// Printing without any printer: the printing layer's message in the standard error box.
#include <gtest/gtest.h>

#include "linetally_app.h"

namespace e2e {
namespace {

// Wine's spooler lists the CUPS queues again in the first program of a session that loads it;
// loading it here first keeps the printers removed for the program started later.
void RemoveAllPrinters() {
  ASSERT_NE(LoadLibraryA("winspool.drv"), nullptr);
  DeleteRegistryTree(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Printers");
  HKEY windows;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", 0, KEY_SET_VALUE,
                    &windows) == ERROR_SUCCESS) {
    RegDeleteValueA(windows, "Device");
    RegCloseKey(windows);
  }
}

TEST(ReportWithoutPrinter, PrintAndPrintSetupSayThereIsNoDefaultPrinter) {
  RemoveAllPrinters();
  LinetallyApp app;
  app.Start();
  for (int command : {IDM_PRINT1, IDM_PRINTSETUP1}) {
    PostCommand(app.Main(), command);
    auto box = WaitForMessageBox(app.Program().Id(), 10000);
    ASSERT_TRUE(box.has_value()) << command;
    EXPECT_EQ(box->title, "Linetally");
    EXPECT_EQ(box->text, "There is no default printer currently selected");
    if (command == IDM_PRINT1) Screenshot(box->window, "linetally-print-no-printer");
    Answer(*box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !FindMessageBox(app.Program().Id()); }));
  }
}

}  // namespace
}  // namespace e2e
