// Print Year without any printer: the platform's message says so, once, and the window goes on.
#include <gtest/gtest.h>

#include "printouts.h"
#include "yearboard_app.h"

namespace e2e {
namespace {

TEST(YearOutputWithoutPrinter, PrintYearSaysThereIsNoPrinterAndTheWindowGoesOn) {
  ASSERT_TRUE(RemoveAllPrinters());
  YearboardApp app;
  app.Start();
  PostMessageA(app.Main(), WM_SYSCOMMAND, IDM_PRINTYEAR, 0);
  auto box = WaitForMessageBox(app.Program().Id(), 10000);
  ASSERT_TRUE(box.has_value()) << "no message";
  Screenshot(box->window, "yearboard_print_no_printer");
  EXPECT_NE(box->text.find("install a printer"), std::string::npos) << box->title << ": " << box->text;
  Answer(*box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !FindMessageBox(app.Program().Id()); }));
  // No message of ours follows (under Wine an empty dialog may flash up as the dialog gives up).
  Sleep(2000);
  const auto second = FindMessageBox(app.Program().Id());
  EXPECT_FALSE(second.has_value()) << "a second message: " << second->title << ": " << second->text;
  // Still answering: the year buttons step on.
  const std::string year = app.Year();
  Click(app.BandControl(IDC_CMDUP));
  EXPECT_TRUE(WaitUntil([&] { return app.Year() == std::to_string(std::stoi(year) + 1); }, 10000));
  app.Close();
}

}  // namespace
}  // namespace e2e
