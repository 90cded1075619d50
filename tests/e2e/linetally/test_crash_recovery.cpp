// Linetally killed in the middle of a debug session, with the Wine server of the test's prefix:
// the next start logs the session as its checkpoint left it, tells the user once, and changes
// no other record. The driver runs twice: it asks the runner for the kill by exiting with 75.
#include <gtest/gtest.h>

#include <cstdlib>

#include "linetally_app.h"

namespace e2e {
namespace {

constexpr const char* kFolder = "crash-recovery";
constexpr int kKillThePrefix = 75;
const std::string kOldLog =
    "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n"
    "07/12/2026 10:00:00,07/12/2026 10:00:45,45,Home,0.045,\r\n";

TEST(CrashRecovery, AKilledSessionIsLoggedAtTheNextStart) {
  if (!std::getenv("LT_WINE_RESTARTED")) {
    LinetallyApp app(true, kFolder);
    app.Folder().Write("Lnt.dat", kOldLog);
    app.Start();
    app.ShowDebugButton();
    Click(app.Control(IDC_BUTTON1));
    ASSERT_TRUE(WaitUntil([&] { return app.Folder().Exists("Lnt.run"); })) << "no checkpoint";
    ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:03"; })) << app.Label1();
    app.Folder().Write("expected.run", app.Folder().Read("Lnt.run").value_or(""));
    // Leaves the program running and its folder in place for the kill.
    std::exit(kKillThePrefix);
  }

  LinetallyApp app(false, kFolder);
  const std::string checkpoint = app.Folder().Read("expected.run").value_or("");
  const std::vector<std::string> kept = LogFields(LogLines(checkpoint).at(0));
  ASSERT_EQ(kept.size(), 6u) << checkpoint;
  EXPECT_EQ(kept[3], "Debug Session");
  EXPECT_EQ(kept[5], "");
  app.Start();
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "no word of the recovered session";
  EXPECT_EQ(box->title, "Linetally");
  EXPECT_EQ(box->text, "Linetally stopped unexpectedly while a session was in progress. The session, " +
                           DurationOf(std::stoi(kept[2])) +
                           " on line when it was last kept, has been added to the log with the note \"Recovered "
                           "after Linetally stopped unexpectedly\".");
  Screenshot(box->window, "linetally-recovered-session");
  Answer(*box, IDOK);
  EXPECT_FALSE(WaitForMessageBox(app.Program().Id(), 1000)) << "one box";

  const std::string recovered = checkpoint.substr(0, checkpoint.size() - 2) + "Recovered after Linetally stopped unexpectedly\r\n";
  EXPECT_EQ(app.WorkingFile(), kOldLog + recovered);
  EXPECT_FALSE(app.Folder().Exists("Lnt.run"));
  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2][2], "Debug Session");
  EXPECT_NE(ListViewStateImage(app.Control(IDC_LISTVIEW1), 2), 0u) << "the note marker";
  EXPECT_EQ(ListViewStateImage(app.Control(IDC_LISTVIEW1), 1), 0u);
  Screenshot(app.Main(), "linetally-after-recovery");
}

}  // namespace
}  // namespace e2e
