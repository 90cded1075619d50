// Yearboard over an iCalendar file of its own: offered when the calendar client is missing,
// opened again with Ctrl+O, remembered for the next start, read again with F5; its items open
// in Yearboard's item window, which closes when its calendar is replaced or read again; faulty
// events and files are reported. (Its own driver: it
// unregisters the client in its prefix.)
#include <gtest/gtest.h>

#include "yearboard_app.h"

namespace e2e {
namespace {

using App = YearboardApp;

std::string Ics(const std::string& events) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + events + "END:VCALENDAR\r\n";
}

std::string Remembered() {
  const auto value = ReadRegistry(HKEY_CURRENT_USER, "Software\\Yearboard\\Calendar", "File");
  return value ? value->AsString() : "<none>";
}

class CalendarFile : public ::testing::Test {
 protected:
  void SetUp() override {
    year = CurrentYear();
    const std::string y = std::to_string(year);
    first = Ics("BEGIN:VEVENT\r\nUID:off\r\nDTSTART;VALUE=DATE:" + y + "0505\r\nSUMMARY:Day off\r\n"
                "CATEGORIES:Holiday\r\nEND:VEVENT\r\n"
                "BEGIN:VEVENT\r\nUID:review\r\nDTSTART;TZID=Europe/London:" + y + "0302T100000\r\n"
                "DURATION:PT1H\r\nRRULE:FREQ=WEEKLY;COUNT=4;BYDAY=MO\r\nSUMMARY:Review\r\n"
                "LOCATION:Caf\xC3\xA9 4\r\nDESCRIPTION:Bring the figures\\nand the plan\r\n"
                "CATEGORIES:Work\r\nEND:VEVENT\r\n"
                "BEGIN:VEVENT\r\nSUMMARY:no start\r\nEND:VEVENT\r\n"
                "BEGIN:VEVENT\r\nDTSTART:" + y + "0101T100000\r\nRRULE:FREQ=HOURLY\r\nEND:VEVENT\r\n");
    app.Folder().Write("first.ics", first);
    app.Folder().Write("second.ics",
                       Ics("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:" + y + "0820\r\nSUMMARY:Trip\r\n"
                           "CATEGORIES:Travel,Work\r\nEND:VEVENT\r\n"
                           "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:" + y + "0707\r\nSUMMARY:Picnic\r\n"
                           "CATEGORIES:Travel\r\nEND:VEVENT\r\n"));
  }
  void TearDown() override {
    if (app.Program().Running()) app.Close();
  }
  // The Open dialog, answered with the file of the program folder.
  void Choose(const std::string& name) {
    ASSERT_TRUE(ChooseFile(app.Program().Id(), "Open Calendar File", app.Folder().File(name), 20000));
  }
  HWND ItemWindow(const std::string& title) {
    return FindTopWindow(app.Program().Id(), "YearboardItem", &title);
  }

  YearboardApp app;
  int year = 0;
  std::string first;
};

// First: the others take the client out of the prefix.
TEST_F(CalendarFile, FromTheClientToAFileAndBack) {
  app.WriteCalendar({{Date(year, 6, 1), Date(year, 6, 2), "Client's", "Travel"}});
  app.Start();
  EXPECT_EQ(Text(app.Main()), "Yearboard");
  // The system menu holds the new command (Alt+Space opens it).
  SetForegroundWindow(app.Main());
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  ASSERT_TRUE(WaitUntil([] { return OpenPopupMenu() != nullptr; }));
  app.Settle();
  Screenshot(nullptr, "yearboard_system_menu");
  PressKey(OpenPopupMenu(), VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([] { return OpenPopupMenu() == nullptr; }));
  PostMessageA(app.Main(), WM_SYSCOMMAND, IDM_OPENFILE, 0);
  Choose("second.ics");
  ASSERT_TRUE(WaitUntil([&] { return Text(app.Main()) == "Yearboard - second.ics"; }, 10000));
  app.Settle();
  HWND grid = app.Planner();
  EXPECT_EQ(App::CellColor(grid, 8, app.DayColumn(8, 20)), 255u);
  EXPECT_NE(App::CellColor(grid, 6, app.DayColumn(6, 1)), 65280u);
  App::DoubleClickCell(grid, 8, app.DayColumn(8, 20));
  ASSERT_TRUE(WaitUntil([&] { return ItemWindow("Trip - Appointment") != nullptr; }, 10000));
  HWND item = ItemWindow("Trip - Appointment");
  PostMessageA(app.Main(), WM_SYSCOMMAND, IDM_USECLIENT, 0);
  ASSERT_TRUE(WaitUntil([&] { return Text(app.Main()) == "Yearboard"; }, 10000));
  app.Settle();
  // The file's item window went with the file.
  EXPECT_FALSE(IsWindow(item));
  // The client's master list again, and its appointment.
  EXPECT_EQ(App::CellText(app.Categories(), 1, 0), "Holiday");
  EXPECT_EQ(App::CellColor(grid, 6, app.DayColumn(6, 1)), 65280u);
  EXPECT_EQ(Remembered(), "");
}

TEST_F(CalendarFile, OfferedAtStartUpOpenedAgainAndRemembered) {
  App::RemoveCalendarClient();
  app.Launch();
  const auto offer = WaitForMessageBox(app.Program().Id(), 20000);
  ASSERT_TRUE(offer.has_value());
  Answer(*offer, IDYES);
  Choose("first.ics");
  app.WaitForYear();
  EXPECT_EQ(Text(app.Main()), "Yearboard - first.ics");
  EXPECT_EQ(Remembered(), app.Folder().File("first.ics"));
  HWND grid = app.Planner();
  // The file's categories are the master list: green until chosen otherwise.
  EXPECT_EQ(App::CellText(app.Categories(), 1, 0), "Holiday");
  EXPECT_EQ(App::CellText(app.Categories(), 2, 0), "Work");
  EXPECT_EQ(App::CellColor(grid, 5, app.DayColumn(5, 5)), 65280u);
  EXPECT_EQ(App::CellColor(grid, 3, app.DayColumn(3, 23)), 65280u);
  EXPECT_EQ(app.Status(), "2 events in the calendar file could not be read");
  Screenshot(app.Main(), "yearboard_calendar_file");

  // A double-click opens the occurrence in the item window; Esc closes it.
  App::DoubleClickCell(grid, 3, app.DayColumn(3, 9));
  ASSERT_TRUE(WaitUntil([&] { return ItemWindow("Review - Appointment") != nullptr; }, 10000));
  HWND item = ItemWindow("Review - Appointment");
  app.Settle();
  EXPECT_EQ(Text(Child(item, IDC_ITEM_FIELD + 3)), "Caf\xE9 4");  // UTF-8 in the file
  EXPECT_EQ(Text(Child(item, IDC_ITEM_FIELD + 4)), "Work");
  EXPECT_EQ(Text(Child(item, IDC_ITEM_FIELD + 5)), "Every week on Monday, 4 times");
  EXPECT_EQ(Text(Child(item, IDC_ITEM_DESCRIPTION)), "Bring the figures\r\nand the plan");
  EXPECT_EQ(Text(Child(item, IDC_ITEM_FIELD + 1)).rfind("3/9/" + std::to_string(year), 0), 0u)
      << Text(Child(item, IDC_ITEM_FIELD + 1));
  Screenshot(item, "yearboard_item_window");
  // The same item again brings the same window forward.
  App::DoubleClickCell(grid, 3, app.DayColumn(3, 9));
  app.Settle();
  EXPECT_EQ(ItemWindow("Review - Appointment"), item);
  PressKey(Child(item, IDCANCEL), VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(item); }));

  // F5 reads the file again and closes the item window open on it. Its appointment changed in
  // place (the same event and start), so only a new window shows it rightly.
  App::DoubleClickCell(grid, 5, app.DayColumn(5, 5));
  ASSERT_TRUE(WaitUntil([&] { return ItemWindow("Day off - Appointment") != nullptr; }, 10000));
  item = ItemWindow("Day off - Appointment");
  const std::string y = std::to_string(year);
  app.Folder().Write("first.ics",
                     Ics("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:" + y + "0505\r\nSUMMARY:Half day off\r\n"
                         "CATEGORIES:Holiday\r\nEND:VEVENT\r\n"
                         "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:" + y + "0707\r\nSUMMARY:Added\r\n"
                         "CATEGORIES:Holiday\r\nEND:VEVENT\r\n"));
  PressKey(grid, VK_F5);
  ASSERT_TRUE(WaitUntil([&] { return App::CellColor(grid, 7, app.DayColumn(7, 7)) == 65280u; }));
  EXPECT_NE(App::CellColor(grid, 3, app.DayColumn(3, 23)), 65280u);
  EXPECT_EQ(app.Status(), "");
  EXPECT_FALSE(IsWindow(item));
  App::DoubleClickCell(grid, 5, app.DayColumn(5, 5));
  EXPECT_TRUE(WaitUntil([&] { return ItemWindow("Half day off - Appointment") != nullptr; }, 10000));
  App::DoubleClickCell(grid, 7, app.DayColumn(7, 7));
  ASSERT_TRUE(WaitUntil([&] { return ItemWindow("Added - Appointment") != nullptr; }, 10000));
  item = ItemWindow("Added - Appointment");

  // Ctrl+O shows another file; its new category text comes in red. The item windows of the
  // first file close, and the second file's event at the same place opens its own.
  SetForegroundWindow(app.Main());
  app.Settle();
  PressWithControl('O');
  Choose("second.ics");
  ASSERT_TRUE(WaitUntil([&] { return Text(app.Main()) == "Yearboard - second.ics"; }, 10000));
  app.Settle();
  EXPECT_EQ(App::CellColor(grid, 8, app.DayColumn(8, 20)), 255u);
  EXPECT_EQ(App::CellText(app.Categories(), 1, 0), "Travel");
  EXPECT_EQ(App::CellText(app.Categories(), 3, 0), "Travel, Work");
  EXPECT_FALSE(IsWindow(item));
  EXPECT_EQ(FindTopWindow(app.Program().Id(), "YearboardItem"), nullptr);
  App::DoubleClickCell(grid, 7, app.DayColumn(7, 7));
  ASSERT_TRUE(WaitUntil([&] { return ItemWindow("Picnic - Appointment") != nullptr; }, 10000));
  item = ItemWindow("Picnic - Appointment");
  app.Settle();
  EXPECT_EQ(Text(Child(item, IDC_ITEM_FIELD + 4)), "Travel");
  Screenshot(nullptr, "yearboard_item_window_other_file");
  app.Close();

  // The next start shows the remembered file at once.
  app.Launch();
  app.WaitForYear();
  EXPECT_EQ(Text(app.Main()), "Yearboard - second.ics");
  EXPECT_EQ(App::CellColor(grid = app.Planner(), 8, app.DayColumn(8, 20)), 255u);
}

TEST_F(CalendarFile, AFileThatIsNotICalendarNamesItselfAndOffersAnother) {
  app.Folder().Write("notes.txt", "Subject,Start\r\nLunch,5/5/2026\r\n");
  WriteRegistryString(HKEY_CURRENT_USER, "Software\\Yearboard\\Calendar", "File",
                      app.Folder().File("notes.txt"));
  App::RemoveCalendarClient();
  app.Launch();
  const auto box = WaitForMessageBox(app.Program().Id(), 20000);
  ASSERT_TRUE(box.has_value());
  EXPECT_NE(box->text.find(app.Folder().File("notes.txt")), std::string::npos) << box->text;
  EXPECT_NE(box->text.find("not an iCalendar file"), std::string::npos) << box->text;
  EXPECT_NE(box->text.find("Do you want to choose another calendar file?"), std::string::npos);
  Screenshot(box->window, "yearboard_not_icalendar");
  Answer(*box, IDYES);
  Choose("first.ics");
  app.WaitForYear();
  EXPECT_EQ(Text(app.Main()), "Yearboard - first.ics");
  EXPECT_EQ(Remembered(), app.Folder().File("first.ics"));
  // Back to the calendar client, which is missing: its error, and the file stays shown.
  PostMessageA(app.Main(), WM_SYSCOMMAND, IDM_USECLIENT, 0);
  const auto error = WaitForMessageBox(app.Program().Id(), 10000);
  ASSERT_TRUE(error.has_value());
  Answer(*error, IDOK);
  app.Settle();
  EXPECT_TRUE(app.Program().Running());
  EXPECT_EQ(Text(app.Main()), "Yearboard - first.ics");
  EXPECT_EQ(Remembered(), app.Folder().File("first.ics"));
}

}  // namespace
}  // namespace e2e
