// The connection monitor and the session log, as a user meets them in Linetally's main window.
#include <gtest/gtest.h>

#include "linetally_app.h"

namespace e2e {
namespace {

TEST(SessionLog, FirstStartCreatesAnEmptyLogAndShowsIdle) {
  LinetallyApp app;
  ASSERT_FALSE(app.Folder().Exists("Lnt.dat"));
  app.Start();
  EXPECT_EQ(Text(app.Main()), "Linetally");
  EXPECT_EQ(app.WorkingFile(), "");
  EXPECT_TRUE(app.Rows().empty());
  EXPECT_FALSE(Visible(app.Control(IDC_BUTTON1)));
  EXPECT_EQ(app.Label2(), "No call cost defined");
  EXPECT_EQ(app.Panel(1), "Current \xA3" "0.000");
  EXPECT_EQ(app.Panel(2), "Total \xA3" "0.000");
  Screenshot(app.Main(), "linetally-first-start");
}

TEST(SessionLog, DebugSessionIsLoggedAsOneLineAndOneRow) {
  LinetallyApp app;
  app.Start();
  app.ShowDebugButton();
  EXPECT_EQ(Text(app.Control(IDC_BUTTON1)), "&Debug");
  Screenshot(app.Main(), "linetally-debug-button");
  app.RunDebugSession(5);

  const auto lines = LogLines(app.WorkingFile());
  ASSERT_EQ(lines.size(), 1u);
  const auto fields = LogFields(lines[0]);
  ASSERT_EQ(fields.size(), 6u) << lines[0];
  EXPECT_EQ(fields[2], "5") << "seconds counted must match what the window showed";
  EXPECT_EQ(fields[3], "Debug Session");
  EXPECT_EQ(fields[4], "0");
  EXPECT_EQ(fields[5], "");
  // dd/mm/yyyy hh:mm:ss with the system's separators
  ASSERT_EQ(fields[0].size(), 19u) << fields[0];
  EXPECT_EQ(fields[0][2], '/');
  EXPECT_EQ(fields[0][5], '/');
  EXPECT_EQ(fields[0][13], ':');

  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], fields[0].substr(0, 10));
  EXPECT_EQ(rows[0][1], fields[0].substr(11, 5));
  EXPECT_EQ(rows[0][2], "Debug Session");
  EXPECT_EQ(rows[0][3], "000:00:05");
  EXPECT_EQ(rows[0][4], "0.00");
  EXPECT_EQ(Text(app.Control(IDC_BUTTON1)), "&Debug");
  Screenshot(app.Main(), "linetally-after-debug-session");
}

TEST(SessionLog, TypingTheSequenceAgainHidesTheDebugButton) {
  LinetallyApp app;
  app.Start();
  app.ShowDebugButton();
  TypeChars(app.Control(IDC_LISTVIEW1), "ltdbg");
  EXPECT_TRUE(WaitUntil([&] { return !Visible(app.Control(IDC_BUTTON1)); }));
}

TEST(SessionLog, ExistingLogIsListedAtStart) {
  LinetallyApp app;
  app.Folder().Write("Lnt.dat",
                     "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n"
                     "13/12/2026 23:59:59,14/12/2026 00:00:10,11,A-B,0.01499,\r\n");
  app.Start();
  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"07/12/2026", "09:15", "Office link", "000:32:38", "1.25"}));
  EXPECT_EQ(rows[1], (std::vector<std::string>{"13/12/2026", "23:59", "A-B", "000:00:11", "0.01"}))
      << "one rounding from the stored text";
  // The total adds the costs as read: 0.01499 reads 0.0149, its dropped digits marked in the last
  // one so that it shows 0.01 wherever it is shown with two decimals.
  EXPECT_EQ(app.Panel(2), "Total \xA3" "1.266");
}

// A cost that does not read counts nothing in the totals, shows as stored in its row, and is
// told once: not again on every refresh (each logged session refreshes the totals).
TEST(SessionLog, ACostThatDoesNotReadIsToldOnceAndCountsNothing) {
  LinetallyApp app;
  app.Folder().Write("Lnt.dat", "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2.5,\r\n"
                                "07/12/2026 10:00:00,07/12/2026 10:00:45,45,Home,0.045,\r\n");
  app.Start();
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "'1.2.5' is not a valid floating point value");
  Answer(*box, IDOK);
  EXPECT_EQ(app.Rows()[0][4], "1.2.5");
  EXPECT_EQ(app.Panel(2), "Total \xA3" "0.045");

  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:01"; }));
  Click(app.Control(IDC_BUTTON1));
  EXPECT_TRUE(WaitUntil([&] { return LogLines(app.WorkingFile()).size() == 3; }));
  Sleep(1000);
  box = FindMessageBox(app.Program().Id());
  EXPECT_FALSE(box) << "the same failure shown again: " << box->text;
  if (box) Answer(*box, IDOK);
}

}  // namespace
}  // namespace e2e
