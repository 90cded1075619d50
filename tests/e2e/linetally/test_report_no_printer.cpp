// Printing without any printer: the printing layer's message in the standard error box.
#include <gtest/gtest.h>

#include "linetally_app.h"
#include "printouts.h"

namespace e2e {
namespace {

TEST(ReportWithoutPrinter, PrintAndPrintSetupSayThereIsNoDefaultPrinter) {
  ASSERT_TRUE(RemoveAllPrinters());
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
