// Linetally killed in the middle of a debug session, with the Wine server of the test's prefix,
// after an earlier session whose save failed (the log held open by another program): the next
// start logs both sessions as the journal left them, tells the user once, and changes no other
// record. The driver runs twice: it asks the runner for the kill by exiting with 75.
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
    HWND button = app.Control(IDC_BUTTON1);
    Click(button);
    ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:02"; })) << app.Label1();
    const std::string log = app.Folder().File("Lnt.dat");
    HANDLE lock = CreateFileA(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Click(button);
    auto box = WaitForMessageBox(app.Program().Id());
    ASSERT_TRUE(box) << "no word of the failed save";
    Answer(*box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "RAS Idle"; })) << app.Label1();
    Click(button);
    ASSERT_TRUE(WaitUntil([&] { return LogLines(app.Folder().Read("Lnt.run").value_or("")).size() == 2; }))
        << "the session in progress kept after the unsaved one";
    ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:03"; })) << app.Label1();
    app.Folder().Write("expected.run", app.Folder().Read("Lnt.run").value_or(""));
    // Leaves the program running and its folder in place for the kill.
    std::exit(kKillThePrefix);
  }

  LinetallyApp app(false, kFolder);
  const std::string journal = app.Folder().Read("expected.run").value_or("");
  const auto lines = LogLines(journal);
  ASSERT_EQ(lines.size(), 2u) << journal;
  for (const auto& line : lines) {
    const std::vector<std::string> kept = LogFields(line);
    ASSERT_EQ(kept.size(), 6u) << journal;
    EXPECT_EQ(kept[3], "Debug Session");
    EXPECT_EQ(kept[5], "");
  }
  app.Start();
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "no word of the recovered sessions";
  EXPECT_EQ(box->title, "Linetally");
  EXPECT_EQ(box->text, "Linetally stopped before 2 sessions had reached its saved log. They have been added to the "
                       "log with the note \"Recovered after Linetally stopped unexpectedly\".");
  Screenshot(box->window, "linetally-recovered-session");
  Answer(*box, IDOK);
  EXPECT_FALSE(WaitForMessageBox(app.Program().Id(), 1000)) << "one box";

  std::string recovered = kOldLog;
  for (const auto& line : lines) recovered += line + "Recovered after Linetally stopped unexpectedly\r\n";
  EXPECT_EQ(app.WorkingFile(), recovered);
  EXPECT_FALSE(app.Folder().Exists("Lnt.run"));
  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[2][2], "Debug Session");
  EXPECT_EQ(rows[3][2], "Debug Session");
  EXPECT_NE(ListViewStateImage(app.Control(IDC_LISTVIEW1), 3), 0u) << "the note marker";
  EXPECT_EQ(ListViewStateImage(app.Control(IDC_LISTVIEW1), 1), 0u);
  Screenshot(app.Main(), "linetally-after-recovery");

  // Started again: nothing more to recover, nothing logged twice.
  PostCommand(app.Main(), IDM_EXIT1);
  EXPECT_EQ(app.Program().WaitForExit(5000), 0u);
  app.Start();
  EXPECT_FALSE(WaitForMessageBox(app.Program().Id(), 1500)) << "a second recovery";
  EXPECT_EQ(app.WorkingFile(), recovered);
}

}  // namespace
}  // namespace e2e
