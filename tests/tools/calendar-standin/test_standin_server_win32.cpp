// Drives the registered calendar stand-in through Yearboard's IDispatch adapter, as the
// planner does: the year filter, the start order, recurrences, reloading a changed file,
// bad files and the appointment window.
#include <gtest/gtest.h>

#include "harness.h"
#include "yearboard/base/ole_date.h"
#include "yearboard/calendar/automation_calendar_win32.h"

namespace {

const char* const kCalendar =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
    "BEGIN:VEVENT\r\nDTSTART:19980505T100000\r\nDTEND:19980505T110000\r\nSUMMARY:Dentist\r\n"
    "CATEGORIES:Health\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:19980101\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:New Year\r\n"
    "CATEGORIES:Holiday\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTART:19980302T090000\r\nDTEND:19980302T103000\r\n"
    "RRULE:FREQ=WEEKLY;COUNT=3\r\nEXDATE:19980309T090000\r\nSUMMARY:Course\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTART:19970601T120000\r\nSUMMARY:Last year\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTART:19990101T000000\r\nSUMMARY:Next year\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

BOOL CALLBACK CountAppointmentWindow(HWND hwnd, LPARAM count) {
  if (e2e::ClassOf(hwnd) == "CalendarStandinAppointment") ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int AppointmentWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountAppointmentWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct Found {
  std::string subject;
  double start;
};

class StandinServer : public ::testing::Test {
 protected:
  // The prefix's own calendar comes back for the tests that follow.
  void TearDown() override {
    if (saved)
      e2e::WriteRegistry(HKEY_CURRENT_USER, kKey, "CalendarFile", saved->type, saved->data);
  }

  void UseCalendar(const std::string& text) {
    folder.Write("calendar.ics", text);
    e2e::WriteRegistryString(HKEY_CURRENT_USER, kKey, "CalendarFile", folder.File("calendar.ics"));
  }

  std::vector<Found> Year(int year, bool recurrences) {
    auto items = session->CalendarFolder().Items();
    items->Sort("[Start]", false);
    items->SetIncludeRecurrences(recurrences);
    std::vector<Found> found;
    for (yb::AppointmentItem a = items->Find(yb::YearFilter(year)); a; a = items->FindNext())
      found.push_back({a->Subject(), a->Start()});
    return found;
  }

  static std::vector<std::string> Subjects(const std::vector<Found>& found) {
    std::vector<std::string> s;
    for (const Found& f : found) s.push_back(f.subject);
    return s;
  }

  std::string ItemsError() {
    try {
      session->CalendarFolder().Items();
    } catch (const yb::CalendarError& e) {
      return e.what();
    }
    return "no error";
  }

  static constexpr const char* kKey = "Software\\CalendarStandin";
  const std::optional<e2e::RegistryValue> saved =
      e2e::ReadRegistry(HKEY_CURRENT_USER, kKey, "CalendarFile");
  e2e::ProgramFolder folder;
  std::unique_ptr<yb::CalendarSession> session =
      std::make_unique<yb::CalendarSession>(yb::CreateAutomationApplication());
};

TEST_F(StandinServer, YearFilterSortsAndExpandsRecurrences) {
  UseCalendar(kCalendar);
  const std::vector<Found> found = Year(1998, true);
  EXPECT_EQ(Subjects(found), (std::vector<std::string>{"New Year", "Course", "Course", "Dentist"}));
  ASSERT_EQ(found.size(), 4u);
  EXPECT_DOUBLE_EQ(found[0].start, yb::DateSerial(1998, 1, 1));
  EXPECT_DOUBLE_EQ(found[1].start, yb::DateTimeSerial(1998, 3, 2, 9, 0, 0));
  EXPECT_DOUBLE_EQ(found[2].start, yb::DateTimeSerial(1998, 3, 16, 9, 0, 0));
  EXPECT_DOUBLE_EQ(found[3].start, yb::DateTimeSerial(1998, 5, 5, 10, 0, 0));
  EXPECT_EQ(Subjects(Year(1999, true)), (std::vector<std::string>{"New Year", "Next year"}));
}

TEST_F(StandinServer, WithoutRecurrencesASeriesIsOneItem) {
  UseCalendar(kCalendar);
  EXPECT_EQ(Subjects(Year(1998, false)),
            (std::vector<std::string>{"New Year", "Course", "Dentist"}));
  EXPECT_EQ(Subjects(Year(1999, false)), std::vector<std::string>{"Next year"});
}

TEST_F(StandinServer, AppointmentGivesItsProperties) {
  UseCalendar(kCalendar);
  auto items = session->CalendarFolder().Items();
  items->Sort("[Start]", true);
  yb::AppointmentItem last = items->Find(yb::YearFilter(1998));
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->Subject(), "Dentist");
  EXPECT_EQ(last->Categories(), "Health");
  EXPECT_DOUBLE_EQ(last->End(), yb::DateTimeSerial(1998, 5, 5, 11, 0, 0));
  yb::AppointmentItem previous = items->FindNext();
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(previous->Subject(), "Course");
  EXPECT_EQ(previous->Categories(), "");
}

TEST_F(StandinServer, EveryItemsCallReadsTheFileAgain) {
  UseCalendar(kCalendar);
  EXPECT_EQ(Year(1998, true).size(), 4u);
  std::string changed = kCalendar;
  changed.insert(changed.rfind("END:VCALENDAR"),
                 "BEGIN:VEVENT\r\nDTSTART:19980704T100000\r\nSUMMARY:Added\r\nEND:VEVENT\r\n");
  UseCalendar(changed);
  EXPECT_EQ(Subjects(Year(1998, true)),
            (std::vector<std::string>{"New Year", "Course", "Course", "Dentist", "Added"}));
}

TEST_F(StandinServer, BadOrMissingFilesFailWithTheirFault) {
  UseCalendar("Subject,Start\r\nLunch,5/5/1998\r\n");
  EXPECT_EQ(ItemsError(), "Folder.Items: Calendar file " + folder.File("calendar.ics") +
                              ": it is not an iCalendar file (it does not begin with "
                              "BEGIN:VCALENDAR) (0x80004005)");
  e2e::WriteRegistryString(HKEY_CURRENT_USER, kKey, "CalendarFile", folder.File("missing.ics"));
  EXPECT_EQ(ItemsError(), "Folder.Items: Calendar file " + folder.File("missing.ics") +
                              ": it cannot be opened. (0x80004005)");
}

TEST_F(StandinServer, WrongArgumentsFailWithAnAutomationError) {
  UseCalendar(kCalendar);
  auto items = session->CalendarFolder().Items();
  try {
    items->Find("[Start] >= 'soon'");
    FAIL() << "no error";
  } catch (const yb::CalendarError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Items.Find: Cannot parse the condition", 0), 0u)
        << e.what();
  }
  EXPECT_THROW(items->Sort("[Colour]", false), yb::CalendarError);
  auto app = yb::CreateAutomationApplication();
  EXPECT_THROW(app->GetNamespace("MAPI")->GetDefaultFolder(6), yb::CalendarError);
  EXPECT_THROW(yb::CreateAutomationApplication("No.Such.Application"), yb::CalendarError);
}

TEST_F(StandinServer, DisplayOpensTheAppointmentWindow) {
  UseCalendar(kCalendar);
  auto items = session->CalendarFolder().Items();
  items->Sort("[Start]", false);
  yb::AppointmentItem item = items->Find("[Subject] = 'dentist'");
  ASSERT_NE(item, nullptr);
  item->GetInspector()->Display();

  // The window belongs to this process: Display runs it on the caller's thread.
  const std::string title = "Dentist - Appointment";
  HWND window = nullptr;
  ASSERT_TRUE(e2e::WaitUntil([&] {
    window = e2e::FindTopWindow(GetCurrentProcessId(), "CalendarStandinAppointment", &title);
    return window != nullptr && e2e::Visible(window);
  }));
  EXPECT_EQ(e2e::Text(e2e::ChildOfClass(window, "Edit", 0)), "Dentist");
  // The user's short date and time: 5 May reads the same in either date order.
  EXPECT_EQ(e2e::Text(e2e::ChildOfClass(window, "Edit", 1)).rfind("5/5/1998 10:00", 0), 0u);
  EXPECT_EQ(e2e::Text(e2e::ChildOfClass(window, "Edit", 3)), "Health");
  e2e::WaitUntil([] { return false; }, 300);  // let it paint
  EXPECT_TRUE(e2e::Screenshot(window, "calendar_standin_appointment"));

  // Displaying it again brings the same window forward.
  item->GetInspector()->Display();
  items->Find("[Subject] = 'Dentist'")->GetInspector()->Display();
  EXPECT_EQ(AppointmentWindows(), 1);
  items->Find("[Subject] = 'New Year'")->GetInspector()->Display();
  EXPECT_EQ(AppointmentWindows(), 2);
  const std::string other = "New Year - Appointment";
  PostMessageA(e2e::FindTopWindow(GetCurrentProcessId(), "CalendarStandinAppointment", &other),
               WM_CLOSE, 0, 0);

  e2e::Click(e2e::ChildOfClass(window, "Button", 0));
  EXPECT_TRUE(e2e::WaitUntil([&] { return AppointmentWindows() == 0; }));
}

}  // namespace
