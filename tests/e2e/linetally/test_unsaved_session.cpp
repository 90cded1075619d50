// Sessions whose log cannot be saved ("Lnt.dat" held open without sharing by another program)
// are not lost when Linetally then ends: the journal "Lnt.run" keeps each record as logged, one
// line each (the second session no longer replaces the first), and the next start logs them
// once, with one box for both.
#include <gtest/gtest.h>

#include "linetally_app.h"

namespace e2e {
namespace {

const std::string kOldLog = "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n";

TEST(UnsavedSession, SessionsTheLogCouldNotTakeAreLoggedOnceAtTheNextStart) {
  LinetallyApp app;
  app.Folder().Write("Lnt.dat", kOldLog);
  const std::string log = app.Folder().File("Lnt.dat");
  app.Start();
  app.ShowDebugButton();
  HWND button = app.Control(IDC_BUTTON1);
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:03"; })) << app.Label1();
  HANDLE lock = CreateFileA(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  Click(button);
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "no word of the failed save";
  EXPECT_EQ(box->text.rfind("The session log \"" + log + "\" could not be saved: ", 0), 0u) << box->text;
  EXPECT_NE(box->text.find(". The file on disk is unchanged."), std::string::npos) << box->text;
  EXPECT_EQ(box->text.find(".."), std::string::npos) << box->text;
  Screenshot(box->window, "linetally-session-not-saved");
  Answer(*box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "RAS Idle"; })) << app.Label1();
  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][2], "Debug Session");

  // The checkpoint holds the record as logged, not as last kept a few seconds before.
  ASSERT_TRUE(app.Folder().Exists("Lnt.run")) << "the session lives only in memory";
  const std::vector<std::string> kept = LogFields(LogLines(app.Folder().Read("Lnt.run").value_or("")).at(0));
  ASSERT_EQ(kept.size(), 6u);
  EXPECT_EQ(kept[3], "Debug Session");
  EXPECT_EQ(DurationOf(std::stoi(kept[2])), rows[1][3]);
  EXPECT_GE(std::stoi(kept[2]), 3);

  // A second session, the log still held: its failed save keeps the first one too.
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:02"; })) << app.Label1();
  Click(button);
  box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "no word of the second failed save";
  EXPECT_EQ(box->text.rfind("The session log \"" + log + "\" could not be saved: ", 0), 0u) << box->text;
  Answer(*box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 3; }));
  const auto journal = LogLines(app.Folder().Read("Lnt.run").value_or(""));
  ASSERT_EQ(journal.size(), 2u) << "one line per session not saved";
  EXPECT_EQ(LogFields(journal[0]), kept);

  PostCommand(app.Main(), IDM_EXIT1);
  EXPECT_EQ(app.Program().WaitForExit(5000), 0u);
  ASSERT_TRUE(app.Folder().Exists("Lnt.run")) << "the sessions are lost";
  CloseHandle(lock);
  EXPECT_EQ(app.WorkingFile(), kOldLog);

  app.Start();
  box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "no word of the recovered sessions";
  EXPECT_EQ(box->text, "Linetally stopped before 2 sessions had reached its saved log. They have been added to the "
                       "log with the note \"Recovered after Linetally stopped unexpectedly\".");
  Screenshot(box->window, "linetally-unsaved-sessions-recovered-box");
  Answer(*box, IDOK);
  EXPECT_FALSE(WaitForMessageBox(app.Program().Id(), 1000)) << "one box for both";
  std::string recovered = kOldLog;
  for (const std::string& line : journal) {
    const auto fields = LogFields(line);
    for (size_t i = 0; i < 5; ++i) recovered += fields[i] + ",";
    recovered += "Recovered after Linetally stopped unexpectedly\r\n";
  }
  EXPECT_EQ(app.WorkingFile(), recovered);
  EXPECT_FALSE(app.Folder().Exists("Lnt.run")) << "logged once: the next start would log them again";
  EXPECT_EQ(app.Rows().size(), 3u);
  Screenshot(app.Main(), "linetally-unsaved-session-recovered");
}

}  // namespace
}  // namespace e2e
