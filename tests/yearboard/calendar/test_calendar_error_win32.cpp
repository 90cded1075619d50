// The automation error as Yearboard shows it before it ends: the adapter's text for a client
// that is not there, in the program's stop box.
#include <gtest/gtest.h>

#include <thread>

#include "harness.h"
#include "yearboard/calendar/automation_calendar_win32.h"

namespace yb {
namespace {

std::string CreateError(const std::string& progId) {
  try {
    CreateAutomationApplication(progId);
  } catch (const CalendarError& e) {
    return e.what();
  }
  return "no error";
}

TEST(CalendarError, MissingClientNamesTheCallAndTheAutomationError) {
  const std::string text = CreateError("No.Such.Application");
  EXPECT_EQ(text.rfind("CreateObject(\"No.Such.Application\"): ", 0), 0u) << text;
  EXPECT_NE(text.find("(0x800401F3)"), std::string::npos) << text;
}

TEST(CalendarError, ShownInTheStopBoxTitledYearboard) {
  const CalendarError error("Folder.Items: Calendar file C:\\x.ics: line 3: bad (0x80004005)");
  std::thread shower([&] { ShowCalendarError(nullptr, error); });
  const std::optional<e2e::MessageBox> box = e2e::WaitForMessageBox(GetCurrentProcessId());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->title, "Yearboard");
  EXPECT_EQ(box->text, error.what());
  ASSERT_EQ(box->buttons.size(), 1u);
  EXPECT_EQ(box->buttons[0].first, IDOK);
  EXPECT_TRUE(e2e::Screenshot(box->window, "yearboard_calendar_error"));
  e2e::Answer(*box, IDOK);
  shower.join();
}

}  // namespace
}  // namespace yb
