// A log of years in Linetally's window: listed whole with its total, two rows deleted, a session
// appended at the end.
#include <gtest/gtest.h>

#include "linetally_app.h"

#include <commctrl.h>

#include <cmath>
#include <cstring>
#include <functional>

namespace e2e {
namespace {

constexpr int kRecords = 20000;

// The row the list shows for a line whose date differs from the line above.
std::vector<std::string> RowOf(const std::string& line) {
  const auto f = LogFields(line);
  return {f[0].substr(0, 10), f[0].substr(11, 5), f[3], DurationOf(std::stoi(f[2])), f[4]};
}

std::vector<std::string> RowAt(HWND list, int row) {
  std::vector<std::string> cells;
  for (int column = 0; column < 5; ++column) cells.push_back(ListViewText(list, row, column));
  return cells;
}

// Answers the size warning (more than 900 records) that every parse of this log shows.
void AnswerSizeWarning(LinetallyApp& app) {
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text.substr(0, 55), "Your Linetally database contains more than 900 records.");
  Answer(*box, IDOK);
}

// Starts the program on the log and answers the size warning.
void StartWith(LinetallyApp& app, const std::string& log) {
  app.Folder().Write("Lnt.dat", log);
  app.Start();
  AnswerSizeWarning(app);
}

TEST(LongLog, ListsDeletesAndAppendsAtTheRightRows) {
  const LongLog log = MakeLongLog(kRecords, "Office link");
  LinetallyApp app;
  StartWith(app, log.Text());
  HWND list = app.Control(IDC_LISTVIEW1);
  ASSERT_TRUE(WaitUntil([&] { return ListViewCount(list) == kRecords; })) << ListViewCount(list);
  ASSERT_TRUE(WaitUntil([&] { return app.Panel(2) == TotalPanel(log.totalCents); })) << app.Panel(2);
  EXPECT_EQ(RowAt(list, 0), RowOf(log.lines[0]));
  auto last = RowOf(log.lines[kRecords - 1]);
  last[0] = "";  // the fifth session of its day
  EXPECT_EQ(RowAt(list, kRecords - 1), last);
  SendMessageA(list, LVM_ENSUREVISIBLE, kRecords - 1, FALSE);
  Screenshot(app.Main(), "linetally-long-log-end");

  // The second row and the one before the last.
  ListViewSelect(list, {1, kRecords - 2});
  PostCommand(app.Main(), IDM_DELETE1);
  auto question = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(question);
  EXPECT_EQ(question->text, "Delete selected records?");
  Answer(*question, IDYES);
  AnswerSizeWarning(app);
  ASSERT_TRUE(WaitUntil([&] { return ListViewCount(list) == kRecords - 2; }));
  std::vector<std::string> kept = log.lines;
  kept.erase(kept.end() - 2);
  kept.erase(kept.begin() + 1);
  ASSERT_TRUE(WaitUntil([&] { return LogLines(app.WorkingFile()) == kept; })) << "the working file";
  auto second = RowOf(kept[1]);
  second[0] = "";  // the third session of the first day now
  EXPECT_EQ(RowAt(list, 1), second);
  EXPECT_EQ(RowAt(list, kRecords - 3), last) << "the last row keeps its place under its day";
  const long long deletedCents = 1 + 1 % 500 + 1 + (kRecords - 2) % 500;
  EXPECT_EQ(app.Panel(2), TotalPanel(log.totalCents - deletedCents));

  app.ShowDebugButton();
  HWND button = app.Control(IDC_BUTTON1);
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for " + DurationOf(1); }));
  Click(button);
  AnswerSizeWarning(app);
  ASSERT_TRUE(WaitUntil([&] { return ListViewCount(list) == kRecords - 1; }));
  ASSERT_TRUE(WaitUntil([&] { return LogLines(app.WorkingFile()).size() == size_t(kRecords - 1); }));
  const std::string appended = LogLines(app.WorkingFile()).back();
  EXPECT_EQ(LogFields(appended)[3], "Debug Session");
  auto expected = RowOf(appended);
  expected[4] = "0.00";
  EXPECT_EQ(RowAt(list, kRecords - 2), expected) << "a new day's first row shows its date";
  SendMessageA(list, LVM_ENSUREVISIBLE, kRecords - 2, FALSE);
  Screenshot(app.Main(), "linetally-long-log-appended");
}

std::vector<int> Selected(HWND list) {
  std::vector<int> rows;
  for (int row = -1; (row = int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(row), LVNI_SELECTED))) >= 0;)
    rows.push_back(row);
  return rows;
}

void ClickRow(HWND list, int row) {
  RECT bounds{LVIR_BOUNDS, 0, 0, 0};
  const auto out = SendWithRemoteBuffer(list, LVM_GETITEMRECT, WPARAM(row), sizeof bounds, nullptr, &bounds);
  memcpy(&bounds, out.data(), sizeof bounds);
  ClickAt(list, 200, (bounds.top + bounds.bottom) / 2);
}

TEST(LongLog, ClicksAndMoveKeysSelectOneRowAsUsual) {
  LinetallyApp app;
  StartWith(app, MakeLongLog(kRecords, "Office link").Text());
  HWND list = app.Control(IDC_LISTVIEW1);
  ASSERT_TRUE(WaitUntil([&] { return ListViewCount(list) == kRecords; }));
  ListViewSelect(list, {0, 2});
  const struct {
    const char* step;
    std::function<void()> act;
    std::vector<int> selected;
  } steps[] = {
      {"click on row 2", [&] { ClickRow(list, 1); }, {1}},
      {"Down", [&] { PressKey(list, VK_DOWN); }, {2}},
      {"Home", [&] { PressKey(list, VK_HOME); }, {0}},
      {"Up on the first row", [&] { PressKey(list, VK_UP); }, {0}},
      {"End", [&] { PressKey(list, VK_END); }, {kRecords - 1}},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_TRUE(WaitUntil([&] { return Selected(list) == step.selected; })) << step.step;
  }
}

// Bad input in a log of years: one message each, nothing lost.
TEST(LongLog, ADamagedLineNearTheEndIsKeptAsideWhole) {
  LongLog log = MakeLongLog(kRecords, "Office link");
  log.lines[kRecords - 10] = log.lines[kRecords - 10].substr(0, 25);  // cut inside its end time
  LinetallyApp app;
  StartWith(app, log.Text());
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find("Lnt.dat.damaged"), std::string::npos) << box->text;
  Answer(*box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return app.Folder().Exists("Lnt.dat.damaged"); }));
  EXPECT_EQ(app.Folder().Read("Lnt.dat.damaged"), log.Text());
  EXPECT_EQ(ListViewCount(app.Control(IDC_LISTVIEW1)), 0);
  EXPECT_EQ(app.Panel(2), TotalPanel(0));
}

TEST(LongLog, AnUnreadableCostInTheMiddleGivesOneMessageAndTheRestIsListed) {
  LongLog log = MakeLongLog(kRecords, "Office link");
  const std::string line = log.lines[kRecords / 2];
  const std::string cost = LogFields(line)[4];
  const long long cents = std::llround(std::stod(cost) * 100);
  log.lines[kRecords / 2] = line.substr(0, line.rfind(',', line.size() - 2) + 1) + "1.2.5,";
  LinetallyApp app;
  StartWith(app, log.Text());
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "'1.2.5' is not a valid floating point value");
  Answer(*box, IDOK);
  HWND list = app.Control(IDC_LISTVIEW1);
  ASSERT_TRUE(WaitUntil([&] { return ListViewCount(list) == kRecords; }));
  EXPECT_EQ(ListViewText(list, kRecords / 2, 4), "1.2.5") << "shown as stored, so the user can find it";
  EXPECT_EQ(RowAt(list, kRecords - 1)[3], RowOf(log.lines[kRecords - 1])[3]);
  EXPECT_EQ(app.Panel(2), TotalPanel(log.totalCents - cents)) << "it counts nothing; the rest count";
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "one message";
  EXPECT_EQ(app.WorkingFile(), log.Text());
}

}  // namespace
}  // namespace e2e
