// A dial-up session that ends while a question or a file dialog of the main window is up is
// logged as it ends and never lost by the command that then goes on: after Open it follows the
// opened records, after New it is the one record left (the user agreed to lose the records of
// before the question, not a session that ended after it).
#include <gtest/gtest.h>

#include "dial_script.h"
#include "linetally_app.h"

namespace e2e {
namespace {

const std::string kOldLog =
    "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n"
    "07/12/2026 10:00:00,07/12/2026 10:00:45,45,Home,0.045,\r\n";
const std::string kCopy =
    "01/12/2026 08:00:00,01/12/2026 08:01:00,60,Copy one,0.06,\r\n"
    "02/12/2026 08:00:00,02/12/2026 08:01:00,60,Copy two,0.06,\r\n";

class SessionDuringDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    app.Folder().Write("Lnt.dat", kOldLog);
    app.Folder().Write("copy.ltb", kCopy);
    app.Start();
    dial.Write("0 0x1001 0x2000 Dial link\n");
    ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "On-line for 000:00:02"; }, 8000)) << app.Label1();
  }
  // Hangs up and waits until the session is in the working file, saved behind the dialog.
  void HangUpBehindTheDialog() {
    dial.Write("0 none\n");
    ASSERT_TRUE(WaitUntil([&] { return LogLines(app.WorkingFile()).size() == 3; }, 8000)) << app.WorkingFile();
    EXPECT_NE(LogLines(app.WorkingFile()).back().find(",Dial link,"), std::string::npos);
  }

  LinetallyApp app;
  DialScript dial{app.Folder()};
};

TEST_F(SessionDuringDialogs, ASessionEndingDuringOpensDialogFollowsTheOpenedRecords) {
  PostCommand(app.Main(), IDM_OPEN1);
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "You will lose all current database records. Continue?");
  Answer(*box, IDYES);
  const std::string title = "Load Database";
  ASSERT_TRUE(WaitUntil([&] { return FindTopWindow(app.Program().Id(), "#32770", &title) != nullptr; }));
  HangUpBehindTheDialog();
  Screenshot(FindTopWindow(app.Program().Id(), "#32770", &title), "linetally-session-ended-during-open");
  ASSERT_TRUE(ChooseFile(app.Program().Id(), title, app.Folder().File("copy.ltb")));

  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 3; })) << app.Rows().size();
  const auto lines = LogLines(app.WorkingFile());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0] + "\r\n" + lines[1] + "\r\n", kCopy);
  EXPECT_EQ(LogFields(lines[2])[3], "Dial link");
  EXPECT_EQ(app.Rows()[2][2], "Dial link");
  EXPECT_FALSE(app.Folder().Exists("Lnt.run"));
  Screenshot(app.Main(), "linetally-opened-with-the-session");
}

TEST_F(SessionDuringDialogs, ASessionEndingDuringNewsQuestionIsKept) {
  PostCommand(app.Main(), IDM_NEW1);
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "You will lose all current database records. Continue?");
  HangUpBehindTheDialog();
  Answer(*box, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 1; })) << app.Rows().size();
  const auto lines = LogLines(app.WorkingFile());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(LogFields(lines[0])[3], "Dial link");
  EXPECT_FALSE(app.Folder().Exists("Lnt.run"));
}

}  // namespace
}  // namespace e2e
