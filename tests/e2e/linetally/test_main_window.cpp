// Linetally's main window as a user works it: the list, the File and Edit commands, hiding,
// Exit and the end of the Windows session, the preferences written at first start.
#include <gtest/gtest.h>

#include "linetally_app.h"

#include <commctrl.h>

namespace e2e {
namespace {

const std::string kFive =
    "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n"
    "07/12/2026 12:00:00,07/12/2026 12:10:00,600,Office link,0.1,\r\n"
    "07/12/2026 18:30:00,07/12/2026 18:31:00,60,Home,0.045,\r\n"
    "08/12/2026 08:00:00,08/12/2026 08:00:30,30,Home,0.035,\r\n"
    "09/12/2026 10:00:00,09/12/2026 11:00:00,3600,Home,2.37,\r\n";

class MainWindow : public ::testing::Test {
 protected:
  void StartWith(const std::string& log) {
    app.Folder().Write("Lnt.dat", log);
    app.Start();
  }
  std::optional<MessageBox> Box() { return WaitForMessageBox(app.Program().Id()); }
  LinetallyApp app;
};

TEST_F(MainWindow, ListsTheLogWithTheDateOnlyWhereItChanges) {
  StartWith(kFive);
  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0][0], "07/12/2026");
  EXPECT_EQ(rows[1][0], "");
  EXPECT_EQ(rows[2][0], "");
  EXPECT_EQ(rows[3][0], "08/12/2026");
  EXPECT_EQ(rows[4][0], "09/12/2026");
  EXPECT_EQ(rows[0][4], "1.25");
  EXPECT_EQ(rows[2][4], "0.04") << "halves to even";
  EXPECT_EQ(rows[3][4], "0.04");
  EXPECT_EQ(rows[2][1], "18:30");
  EXPECT_EQ(app.Panel(2), "Total \xA3" "3.802");
  EXPECT_EQ(ListViewStateImage(app.Control(IDC_LISTVIEW1), 0), 0u);
  EXPECT_TRUE(GetWindowLongA(app.Control(IDC_LISTVIEW1), GWL_STYLE) & LVS_SHAREIMAGELISTS)
      << "the list would destroy the toolbar's images, which the window destroys again";
  Screenshot(app.Main(), "linetally-main-window");
}

TEST_F(MainWindow, DeletingRowsTwoAndFourKeepsTheOthersInOrder) {
  StartWith(kFive);
  const auto lines = LogLines(kFive);
  ListViewSelect(app.Control(IDC_LISTVIEW1), {1, 3});
  PostCommand(app.Main(), IDM_DELETE1);
  auto box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Delete selected records?");
  Answer(*box, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 3; }));
  EXPECT_EQ(LogLines(app.WorkingFile()), (std::vector<std::string>{lines[0], lines[2], lines[4]}));
  EXPECT_EQ(app.Rows()[1][0], "") << "record 3 is on the day of record 1";

  ListViewSelect(app.Control(IDC_LISTVIEW1), {0});
  PostCommand(app.Main(), IDM_DELETE1);
  box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Delete selected record?");
  Answer(*box, IDNO);
  EXPECT_EQ(app.Rows().size(), 3u);
  EXPECT_EQ(app.Rows()[0][0], "07/12/2026");
}

TEST_F(MainWindow, NewAsksThenEmptiesTheLog) {
  StartWith(kFive);
  PostCommand(app.Main(), IDM_NEW1);
  auto box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "You will lose all current database records. Continue?");
  Answer(*box, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().empty(); }));
  EXPECT_EQ(app.WorkingFile(), "");
  EXPECT_EQ(app.Panel(2), "Total \xA3" "0.000");
  PostCommand(app.Main(), IDM_NEW1);
  box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Current database is already empty.");
  Answer(*box, IDOK);
  PostCommand(app.Main(), IDM_SAVEAS1);
  box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Current database does not contains any records.");
  Answer(*box, IDOK);
}

TEST_F(MainWindow, SaveAsNewOpenRestoresTheSameLines) {
  StartWith(kFive);
  const std::string copy = app.Folder().File("copy.ltb");
  PostCommand(app.Main(), IDM_SAVEAS1);
  ASSERT_TRUE(ChooseFile(app.Program().Id(), "Save Database", app.Folder().File("copy")));
  ASSERT_TRUE(WaitUntil([&] { return app.Folder().Exists("copy.ltb"); })) << "default extension ltb";
  EXPECT_EQ(app.Folder().Read("copy.ltb"), kFive);

  PostCommand(app.Main(), IDM_NEW1);
  Answer(*Box(), IDYES);
  ASSERT_TRUE(WaitUntil([&] { return app.WorkingFile().empty(); }));

  PostCommand(app.Main(), IDM_OPEN1);
  ASSERT_TRUE(ChooseFile(app.Program().Id(), "Load Database", copy));
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 5; }));
  EXPECT_EQ(app.WorkingFile(), kFive);
}

TEST_F(MainWindow, ADamagedCopyIsRejectedAndTheWorkingRecordsComeBack) {
  StartWith(kFive);
  app.Folder().Write("bad.ltb", "07/12/2026 09:15:02,x,1,A,0,\r\n32/12/2026 09:15:02,x,1,A,0,\r\n");
  PostCommand(app.Main(), IDM_OPEN1);
  Answer(*Box(), IDYES);
  ASSERT_TRUE(ChooseFile(app.Program().Id(), "Load Database", app.Folder().File("bad.ltb")));
  auto box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Database damaged or format not recognised.");
  Answer(*box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 5; }));
  EXPECT_EQ(app.WorkingFile(), kFive);
}

// A cost that does not read, in a copy opened during a session: the copy is taken, the cost
// counts nothing and is told once; the program and its session go on.
TEST_F(MainWindow, AnUnreadableCostInAnOpenedCopyIsToldOnceAndTheSessionGoesOn) {
  StartWith(kFive);
  app.Folder().Write("cost.ltb", "07/12/2026 09:15:02,07/12/2026 09:16:02,60,Copy,abc,\r\n"
                                 "07/12/2026 10:15:02,07/12/2026 10:16:02,60,Copy,0.5,\r\n");
  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:02"; }));
  PostCommand(app.Main(), IDM_OPEN1);
  Answer(*Box(), IDYES);
  ASSERT_TRUE(ChooseFile(app.Program().Id(), "Load Database", app.Folder().File("cost.ltb")));
  auto box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "'abc' is not a valid floating point value");
  Answer(*box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 2; }));
  EXPECT_EQ(app.Rows()[0][4], "abc");
  EXPECT_TRUE(WaitUntil([&] { return app.Panel(2).rfind("Total \xA3" "0.5", 0) == 0; })) << app.Panel(2);
  EXPECT_TRUE(app.Program().Running());
  Click(app.Control(IDC_BUTTON1));  // the session ends and is logged after the copy's records
  ASSERT_TRUE(WaitUntil([&] { return LogLines(app.WorkingFile()).size() == 3; }));
  EXPECT_NE(LogLines(app.WorkingFile()).back().find(",Debug Session,"), std::string::npos);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "told once";
  EXPECT_FALSE(app.Folder().Exists("Lnt.run"));
}

TEST_F(MainWindow, ADamagedCheckpointIsKeptAsideAndLogsNothing) {
  app.Folder().Write("Lnt.run", "not a session\r\n");
  StartWith(kFive);
  auto box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text.rfind("The record of the session in progress when Linetally last stopped could not be read. "
                            "It has been kept as \"", 0), 0u) << box->text;
  EXPECT_NE(box->text.find("Lnt.run.damaged\"."), std::string::npos) << box->text;
  Screenshot(box->window, "linetally-damaged-checkpoint");
  Answer(*box, IDOK);
  EXPECT_FALSE(WaitForMessageBox(app.Program().Id(), 1000)) << "one box";
  EXPECT_EQ(app.Folder().Read("Lnt.run.damaged"), "not a session\r\n");
  EXPECT_FALSE(app.Folder().Exists("Lnt.run"));
  EXPECT_EQ(app.WorkingFile(), kFive);
  EXPECT_EQ(app.Rows().size(), 5u);
}

TEST_F(MainWindow, ADamagedWorkingFileIsKeptAside) {
  StartWith("not a record\r\n");
  auto box = Box();
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find("Lnt.dat.damaged"), std::string::npos) << box->text;
  Answer(*box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return app.WorkingFile().empty(); }));
  EXPECT_EQ(app.Folder().Read("Lnt.dat.damaged"), "not a record\r\n");
}

TEST_F(MainWindow, ASecondStartEndsAtOnceAndTheFirstRunsOn) {
  app.Start();
  Process second;
  second.Start(app.ExePath(), app.Folder().Path());
  EXPECT_EQ(second.WaitForExit(10000), 0u);
  EXPECT_TRUE(app.Program().Running());
  EXPECT_TRUE(IsWindow(app.Main()));
}

TEST_F(MainWindow, CloseHidesTheWindowAndTheSessionGoesOn) {
  app.Start();
  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:01"; }));
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(app.Main()); }));
  EXPECT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:03"; })) << app.Label1();
  PostCommand(app.Main(), IDM_EXIT1);
  auto box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "A connection is active. Save Linetally data?");
  Answer(*box, IDYES);
  EXPECT_EQ(app.Program().WaitForExit(5000), 0u);
  const auto lines = LogLines(app.WorkingFile());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(",Debug Session,0,"), std::string::npos) << lines[0];
  EXPECT_FALSE(app.Folder().Exists("Lnt.run")) << "logged, so no longer kept";
}

TEST_F(MainWindow, ExitWithoutSavingDropsTheSession) {
  app.Start();
  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:02"; }));
  EXPECT_TRUE(app.Folder().Exists("Lnt.run")) << "the session is kept against a crash";
  PostCommand(app.Main(), IDM_EXIT1);
  Answer(*Box(), IDNO);
  EXPECT_EQ(app.Program().WaitForExit(5000), 0u);
  EXPECT_EQ(app.WorkingFile(), "");
  EXPECT_FALSE(app.Folder().Exists("Lnt.run")) << "nor kept for the next start";
}

TEST_F(MainWindow, EndOfTheWindowsSessionAsksTheSame) {
  app.Start();
  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:02"; }));
  PostMessageA(app.Main(), WM_QUERYENDSESSION, 0, 0);
  auto box = Box();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "A connection is active. Save Linetally data?");
  Answer(*box, IDYES);
  EXPECT_EQ(app.Program().WaitForExit(5000), 0u);
  EXPECT_EQ(LogLines(app.WorkingFile()).size(), 1u);
}

TEST_F(MainWindow, ExitWithNoSessionAsksNothing) {
  app.Start();
  PostCommand(app.Main(), IDM_EXIT1);
  EXPECT_EQ(app.Program().WaitForExit(5000), 0u);
}

TEST_F(MainWindow, FirstStartWritesTheFivePreferenceDefaults) {
  app.Start();
  auto flag = [](const char* name) { return ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, name); };
  for (auto [name, value] : {std::pair{"checkStartMin", 0}, {"checkStartEvery", 0}, {"checkConfirmDeletes", 1},
                             {"checkExtraInfo", 0}}) {
    auto v = flag(name);
    ASSERT_TRUE(v) << name;
    EXPECT_EQ(v->type, DWORD(REG_DWORD)) << name;
    EXPECT_EQ(v->data, (std::vector<uint8_t>{uint8_t(value), 0, 0, 0})) << name;
  }
  auto currency = flag("editCurrency");
  ASSERT_TRUE(currency);
  EXPECT_EQ(currency->type, DWORD(REG_SZ));
  // The program passes the one character without a NUL; the system itself may count the NUL
  // that follows it in memory, as Windows NT does.
  EXPECT_EQ(currency->AsString(), "\xA3");
}

TEST_F(MainWindow, ConfirmDeletesOffDeletesWithoutAsking) {
  WriteRegistry(HKEY_CURRENT_USER, kLinetallyKey, "checkConfirmDeletes", REG_DWORD, {0, 0, 0, 0});
  StartWith(kFive);
  ListViewSelect(app.Control(IDC_LISTVIEW1), {0});
  PostCommand(app.Main(), IDM_DELETE1);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 4; }));
  EXPECT_FALSE(FindMessageBox(app.Program().Id()));
}

TEST_F(MainWindow, AStatusBarClickSwitchesTheTotalBetweenMoneyAndTime) {
  StartWith(kFive);
  EXPECT_EQ(app.Panel(1), "Current \xA3" "0.000");
  HWND bar = app.Control(IDC_STATUSBAR1);
  ClickAt(bar, 420, 8);
  ASSERT_TRUE(WaitUntil([&] { return app.Panel(2) == "Total 001:44:08"; })) << app.Panel(2);
  ClickAt(bar, 420, 8);
  EXPECT_TRUE(WaitUntil([&] { return app.Panel(2) == "Total \xA3" "3.802"; })) << app.Panel(2);
}

TEST_F(MainWindow, MenusAndPopupsForAPerson) {
  StartWith(kFive);
  SetForegroundWindow(app.Main());
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
  HWND popup = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (popup = OpenPopupMenu()) != nullptr; }));
  Sleep(300);
  Screenshot(nullptr, "linetally-file-menu");
  PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil([&] { return OpenPopupMenu() == nullptr; }));

  HWND list = app.Control(IDC_LISTVIEW1);
  ListViewSelect(list, {0, 1});
  ClickAt(list, 40, 24);  // the click that updates the popup's captions
  ListViewSelect(list, {0, 1});
  POINT at{60, 40};
  ClientToScreen(list, &at);
  PostMessageA(app.Main(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
  ASSERT_TRUE(WaitUntil([&] { return (popup = OpenPopupMenu()) != nullptr; }));
  Sleep(300);
  Screenshot(nullptr, "linetally-list-popup");
  PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

TEST(MainWindowStartUp, AnUnreadablePreferenceIsNamedAndTheWindowOpensWithItsLog) {
  LinetallyApp app;
  const std::string log = "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n";
  app.Folder().Write("Lnt.dat", log);
  WriteRegistryString(HKEY_CURRENT_USER, kLinetallyKey, "checkStartEvery", "yes");
  app.Program().Start(app.ExePath(), app.Folder().Path());
  auto box = WaitForMessageBox(app.Program().Id(), 10000);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "The stored application preferences have unreadable values: Every time you start Windows. "
                       "Their defaults are used until you confirm Application Preferences.");
  Answer(*box, IDOK);
  HWND main = WaitForTopWindow(app.Program().Id(), "TfrmMain");
  ASSERT_TRUE(main);
  EXPECT_TRUE(WaitUntil([&] { return Visible(main); })) << "the start-up stopped";
  Sleep(500);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "named once";

  HWND list = Child(main, IDC_LISTVIEW1), button = Child(main, IDC_BUTTON1), label = Child(main, IDC_LABEL1);
  EXPECT_EQ(ListViewRows(list, 5).size(), 1u) << "the log is loaded";
  TypeChars(list, "ltdbg");
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return Text(label) == "Debugging for 000:00:02"; }));
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return Text(label) == "RAS Idle"; }));
  ASSERT_TRUE(WaitUntil([&] { return app.WorkingFile().size() > log.size(); }));
  const std::string file = app.WorkingFile();
  EXPECT_EQ(file.substr(0, log.size()), log) << "the old record is kept";
  EXPECT_NE(file.find(",Debug Session,0,\r\n", log.size()), std::string::npos) << file;
  const auto stored = ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "checkStartEvery");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, DWORD(REG_SZ)) << "nothing written until the user confirms";
  EXPECT_EQ(stored->AsString(), "yes");
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

TEST(MainWindowInput, ToolbarButtonsAndShortcutsRunTheirCommands) {
  LinetallyApp app;
  app.Start();
  HWND toolbar = app.Control(IDC_TOOLBAR1);
  RECT button{};
  // The "New" button follows the first separator.
  const LRESULT index = SendMessageA(toolbar, TB_COMMANDTOINDEX, IDM_NEW1, 0);
  ASSERT_GE(index, 0);
  button = *reinterpret_cast<const RECT*>(SendWithRemoteBuffer(toolbar, TB_GETITEMRECT, WPARAM(index), sizeof button).data());
  // 28 x 24 on Windows; Wine's toolbar sizes buttons from the picture and its own padding.
  EXPECT_GE(button.right - button.left, 16 + 7);
  EXPECT_GE(button.bottom - button.top, 16 + 6);
  ClickAt(toolbar, (button.left + button.right) / 2, (button.top + button.bottom) / 2);
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "the toolbar's New";
  EXPECT_EQ(box->text, "Current database is already empty.");
  Answer(*box, IDOK);

  SetForegroundWindow(app.Main());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == app.Main(); }));
  PressWithControl('N');
  box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "Ctrl+N";
  EXPECT_EQ(box->text, "Current database is already empty.");
  Answer(*box, IDOK);
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

TEST(MainWindowNotes, ARowWithANoteShowsThePaperClipAndItsInformation) {
  LinetallyApp app;
  app.Folder().Write("Lnt.dat",
                     "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,Called the office\r\n"
                     "07/12/2026 12:00:00,07/12/2026 12:10:00,600,Home,0.1,\r\n");
  app.Start();
  HWND list = app.Control(IDC_LISTVIEW1);
  EXPECT_EQ(ListViewStateImage(list, 0), 8u) << "image 7 of ImageList1 (the mask counts from 1)";
  EXPECT_EQ(ListViewStateImage(list, 1), 0u);

  ListViewSelect(list, {0});
  PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(120, 24));
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find("Called the office"), std::string::npos) << box->text;
  Answer(*box, IDOK);

  ListViewSelect(list, {1});
  PostCommand(app.Main(), IDM_GETEXTRAINFORMATION);
  box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find("No connection information"), std::string::npos) << box->text;
  Answer(*box, IDOK);

  ListViewSelect(list, {0, 1});
  PostCommand(app.Main(), IDM_GETEXTRAINFORMATION);
  Sleep(500);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "only with exactly one row selected";
}

}  // namespace
}  // namespace e2e
