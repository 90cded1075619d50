// Yearboard over an iCalendar file of its own: offered when the calendar client is missing,
// opened again with Ctrl+O, remembered for the next start, read again with F5; its items open
// in Yearboard's item window, which closes when its calendar is replaced or read again; faulty
// events and files are reported; the forms exports write are read, by the stand-in too. (Its own driver: it
// unregisters the client in its prefix.)
#include <gtest/gtest.h>

#include <algorithm>

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

// The forms calendar programs write, through the calendar stand-in and as a file of its own:
// zones named in any way exporters do, series and overrides, sloppy lines. Each day is checked
// on the machine's clock as the system converts it.
TEST_F(CalendarFile, TheFormsExportsWriteThroughTheStandInAndAsAFile) {
  const std::string y = std::to_string(year);
  const auto event = [](const std::string& lines) {
    return "BEGIN:VEVENT\r\n" + lines + "CATEGORIES:Holiday\r\nEND:VEVENT\r\n";
  };
  const std::string forms =
      "\r\n  \r\nBEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
      "BEGIN:VTIMEZONE\r\nTZID:Kuala Lumpur\\, Singapore\r\nBEGIN:STANDARD\r\n"
      "DTSTART:16010101T000000\r\nTZOFFSETFROM:+0800\r\nTZOFFSETTO:+0800\r\nEND:STANDARD\r\n"
      "END:VTIMEZONE\r\n"
      "BEGIN:VTIMEZONE\r\nTZID:Pacific Time\r\nBEGIN:STANDARD\r\nDTSTART:16010101T020000\r\n"
      "TZOFFSETFROM:-0700\r\nTZOFFSETTO:-0800\r\n"
      "RRULE:FREQ=YEARLY;BYMINUTE=0;BYHOUR=2;BYDAY=1SU;BYMONTH=11\r\nEND:STANDARD\r\n"
      "BEGIN:DAYLIGHT\r\nDTSTART:16010101T020000\r\nTZOFFSETFROM:-0800\r\nTZOFFSETTO:-0700\r\n"
      "RRULE:FREQ=YEARLY;BYMINUTE=0;BYHOUR=2;BYDAY=2SU;BYMONTH=3\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n"
      "BEGIN:VTIMEZONE\r\nTZID:Far\r\nBEGIN:STANDARD\r\nDTSTART:20000101T000000\r\n"
      "TZOFFSETTO:+9999\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n" +
      event("DTSTART;TZID=\"Kuala Lumpur, Singapore\":" + y + "0210T053000\r\n") +
      event("DTSTART;TZID=Pacific Time:" + y + "0715T200000\r\n") +
      event("UID:future\r\nDTSTART:" + y + "0401T120000Z\r\nRRULE:FREQ=DAILY;COUNT=4\r\n") +
      event("UID:future\r\nRECURRENCE-ID;RANGE=THISANDFUTURE:" + y + "0403T120000Z\r\n"
            "DTSTART:" + y + "0413T120000Z\r\n") +
      event("DTSTART:" + y + "0501T120000Z\r\nRRULE:FREQ=DAILY;COUNT=2\r\nRRULE:FREQ=WEEKLY;COUNT=2\r\n") +
      event("UID:twice\r\nDTSTART:" + y + "0601T120000Z\r\nRRULE:FREQ=DAILY;COUNT=3\r\n") +
      event("UID:twice\r\nRECURRENCE-ID:" + y + "0602T120000Z\r\nSEQUENCE:2\r\nDTSTART:" + y + "0620T120000Z\r\n") +
      event("UID:twice\r\nRECURRENCE-ID:" + y + "0602T120000Z\r\nSEQUENCE:1\r\nDTSTART:" + y + "0625T120000Z\r\n") +
      event("DTSTART;TZID=Etc/GMT-2:" + y + "0810T010000\r\n") +
      event("DTSTART;TZID=US/Eastern:" + y + "0910T210000\r\n") +
      event("DTSTART;TZID=\"(UTC-05:00) Eastern Time (US & Canada)\":" + y + "1010T210000\r\n") +
      event("DTSTART;VALUE=DATE:" + y + "1103\r\nRDATE;VALUE=DATE:" + y + "1105Z\r\n") +
      "BEGIN:VTODO\r\nSUMMARY:a task\r\nEND:VTOOD\r\n" +
      event("DTSTART:" + y + "1120T120000Z\r\n") +
      event("DTSTART;TZID=Nowhere/Unknown:" + y + "1210T120000\r\n") +
      event("DTSTART;TZID=Far:" + y + "1215T120000\r\n") + "END:VCALENDAR\r\n";
  app.WriteCalendarText(forms);
  app.Folder().Write("forms.ics", forms);

  // Where each appointment must show: a UTC time (taken to the machine's day by the system), or
  // a day as written; and days that must stay empty.
  struct Day {
    int month, day, hour = -1, minute = 0;  // hour -1: the day itself, no conversion
  };
  const std::vector<Day> painted = {
      {2, 9, 21, 30}, {7, 16, 3},  {4, 1, 12},  {4, 2, 12},  {4, 13, 12},  {4, 14, 12},
      {5, 1, 12},     {5, 2, 12},  {5, 8, 12},  {6, 1, 12},  {6, 3, 12},   {6, 20, 12},
      {8, 9, 23},     {9, 11, 1},  {10, 11, 1}, {11, 3},     {11, 5},      {11, 20, 12},
      {12, 10}};
  const std::vector<Day> empty = {{4, 3, 12}, {4, 4, 12}, {6, 2, 12}, {6, 25, 12}, {12, 15}};
  // Read as floating time, the zoned ones would show on the day as written.
  const std::vector<Day> misread = {{2, 10}, {7, 15}, {8, 10}, {9, 10}, {10, 10}};
  const auto localDay = [&](const Day& d) {
    if (d.hour < 0) return std::make_pair(d.month, d.day);
    SYSTEMTIME utc{}, local{};
    utc.wYear = static_cast<WORD>(year);
    utc.wMonth = static_cast<WORD>(d.month);
    utc.wDay = static_cast<WORD>(d.day);
    utc.wHour = static_cast<WORD>(d.hour);
    utc.wMinute = static_cast<WORD>(d.minute);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    return std::make_pair(static_cast<int>(local.wMonth), static_cast<int>(local.wDay));
  };
  const auto check = [&](const char* how) {
    HWND grid = app.Planner();
    const auto shows = [&](std::pair<int, int> md) {
      return App::CellColor(grid, md.first, app.DayColumn(md.first, md.second)) == 65280u;
    };
    std::vector<std::pair<int, int>> shown;
    for (const Day& d : painted) {
      shown.push_back(localDay(d));
      EXPECT_TRUE(shows(shown.back())) << how << ": " << d.month << "/" << d.day;
    }
    for (const Day& d : empty) EXPECT_FALSE(shows(localDay(d))) << how << ": " << d.month << "/" << d.day;
    for (const Day& d : misread) {
      const auto md = localDay(d);
      if (std::find(shown.begin(), shown.end(), md) == shown.end()) {
        EXPECT_FALSE(shows(md)) << how << ": " << d.month << "/" << d.day;
      }
    }
  };

  app.Start();
  check("through the stand-in");
  PostMessageA(app.Main(), WM_SYSCOMMAND, IDM_OPENFILE, 0);
  Choose("forms.ics");
  ASSERT_TRUE(WaitUntil([&] { return Text(app.Main()) == "Yearboard - forms.ics"; }, 10000));
  app.Settle();
  check("as a file");
  EXPECT_EQ(app.Status(),
            "1 event in the calendar file could not be read. "
            "1 event uses a time zone that could not be read; shown in local time");
  Screenshot(app.Main(), "yearboard_calendar_file_forms");
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
