// What the prefix step leaves behind, and how long the server stays loaded: a DLL unloaded
// under a live object or an open appointment window would crash its client.
#include <gtest/gtest.h>

#include "harness.h"
#include "yearboard/calendar/automation_calendar_win32.h"

namespace {

const char* const kClsid = "{628E0F38-0DB7-4173-8F14-7B57E62078AE}";

std::string Value(HKEY root, const std::string& path, const std::string& name = "") {
  const std::optional<e2e::RegistryValue> v = e2e::ReadRegistry(root, path, name);
  return v && v->type == REG_SZ ? v->AsString() : "<missing>";
}

TEST(StandinPrefix, RegistersTheServerCalendarAndMasterList) {
  EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Outlook.Application\\CLSID"), kClsid);
  const std::string server = std::string("CLSID\\") + kClsid + "\\InprocServer32";
  const std::string path = Value(HKEY_CLASSES_ROOT, server);
  EXPECT_NE(path.find("\\tools\\calendar-standin\\calendar_standin.dll"), std::string::npos)
      << path;
  EXPECT_EQ(Value(HKEY_CLASSES_ROOT, server, "ThreadingModel"), "Apartment");
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Software\\CalendarStandin", "CalendarFile"),
            "C:\\calendar-standin\\calendar.ics");
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Software\\Microsoft\\Office\\8.0\\Outlook\\Categories"),
            "Holiday;Travel;Work;Birthday;");
}

TEST(StandinPrefix, SampleCalendarAnswersTheYearFilter) {
  yb::CalendarSession session(yb::CreateAutomationApplication());
  auto items = session.CalendarFolder().Items();
  items->Sort("[Start]", false);
  items->SetIncludeRecurrences(true);
  yb::AppointmentItem first = items->Find(yb::YearFilter(2030));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Subject(), "New Year's Day");
  EXPECT_DOUBLE_EQ(first->Start(), yb::DateSerial(2030, 1, 1));
}

class ServerLifetime : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path =
        Value(HKEY_CLASSES_ROOT, std::string("CLSID\\") + kClsid + "\\InprocServer32");
    module = LoadLibraryA(path.c_str());
    ASSERT_NE(module, nullptr) << path;
    canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
  }

  HMODULE module = nullptr;
  HRESULT(STDAPICALLTYPE* canUnload)() = nullptr;
};

TEST_F(ServerLifetime, StaysLoadedWhileObjectsOrWindowsLive) {
  EXPECT_EQ(canUnload(), S_OK);
  auto session = std::make_unique<yb::CalendarSession>(yb::CreateAutomationApplication());
  EXPECT_EQ(canUnload(), S_FALSE);
  auto items = session->CalendarFolder().Items();
  items->SetIncludeRecurrences(true);
  yb::AppointmentItem item = items->Find(yb::YearFilter(2030));
  ASSERT_NE(item, nullptr);
  item->GetInspector()->Display();
  item.reset();
  items.reset();
  session.reset();
  // Only the window is left.
  EXPECT_EQ(canUnload(), S_FALSE);
  const std::string title = "New Year's Day - Appointment";
  HWND window = e2e::FindTopWindow(GetCurrentProcessId(), "CalendarStandinAppointment", &title);
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_EQ(canUnload(), S_OK);
}

}  // namespace
