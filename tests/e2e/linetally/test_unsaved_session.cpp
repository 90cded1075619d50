// A session whose log cannot be saved ("Lnt.dat" held open without sharing by another program)
// is not lost when Linetally then ends: its checkpoint keeps the record as logged, and the next
// start logs it once.
#include <gtest/gtest.h>

#include "linetally_app.h"

namespace e2e {
namespace {

const std::string kOldLog = "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n";

TEST(UnsavedSession, ASessionTheLogCouldNotTakeIsLoggedOnceAtTheNextStart) {
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

  PostCommand(app.Main(), IDM_EXIT1);
  EXPECT_EQ(app.Program().WaitForExit(5000), 0u);
  ASSERT_TRUE(app.Folder().Exists("Lnt.run")) << "the session is lost";
  CloseHandle(lock);
  EXPECT_EQ(app.WorkingFile(), kOldLog);

  app.Start();
  box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "no word of the recovered session";
  EXPECT_NE(box->text.find("has been added to the log"), std::string::npos) << box->text;
  Answer(*box, IDOK);
  std::string recovered = kOldLog;
  for (size_t i = 0; i < 5; ++i) recovered += kept[i] + ",";
  recovered += "Recovered after Linetally stopped unexpectedly\r\n";
  EXPECT_EQ(app.WorkingFile(), recovered);
  EXPECT_FALSE(app.Folder().Exists("Lnt.run")) << "logged once: the next start would log it again";
  EXPECT_EQ(app.Rows().size(), 2u);
  Screenshot(app.Main(), "linetally-unsaved-session-recovered");
}

}  // namespace
}  // namespace e2e
