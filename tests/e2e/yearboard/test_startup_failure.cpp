// Without a calendar client the planner offers a calendar file; declined, it shows the
// automation error in its stop box and ends before its window appears. (Its own driver: it
// unregisters the client in its prefix.) Also the program file's manifest.
#include <gtest/gtest.h>

#include "yearboard_app.h"

namespace e2e {
namespace {

TEST(StartUp, AMissingCalendarClientDeclinedEndsTheProgramAtStartUp) {
  YearboardApp app;
  YearboardApp::RemoveCalendarClient();
  app.Launch();
  const auto offer = WaitForMessageBox(app.Program().Id(), 20000);
  ASSERT_TRUE(offer.has_value());
  EXPECT_NE(offer->text.find("Do you want to open an iCalendar file instead?"), std::string::npos)
      << offer->text;
  Screenshot(offer->window, "yearboard_offer_calendar_file");
  Answer(*offer, IDNO);
  ASSERT_TRUE(WaitUntil([&] {
    const auto box = FindMessageBox(app.Program().Id());
    return box && box->window != offer->window;
  }, 10000));
  const auto box = FindMessageBox(app.Program().Id());
  EXPECT_EQ(box->title, "Yearboard");
  EXPECT_FALSE(box->text.empty());
  EXPECT_EQ(FindTopWindow(app.Program().Id(), YEARBOARD_WINDOW_CLASS), nullptr);
  Screenshot(box->window, "yearboard_no_calendar_client");
  Answer(*box, IDOK);
  EXPECT_EQ(app.Program().WaitForExit(10000), std::optional<DWORD>(1));
}

// Runs as the invoking user, with the classic controls (no common-controls dependency).
TEST(StartUp, TheManifestAsksForNoElevation) {
  const std::string manifest = ManifestOf(std::string(E2E_BIN_DIR) + "/Yearboard.exe");
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos) << manifest;
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
}

}  // namespace
}  // namespace e2e
