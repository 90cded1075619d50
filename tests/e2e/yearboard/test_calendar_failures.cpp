// A calendar call failing during a reload ends the planner with the automation error shown
// in its stop box; the colours of the table are kept.
#include <gtest/gtest.h>

#include "yearboard_app.h"

namespace e2e {
namespace {

TEST(CalendarFailures, ABrokenCalendarDuringAReloadEndsTheProgramAndKeepsTheColours) {
  YearboardApp app;
  const int y = CurrentYear();
  app.WriteCalendar({{Date(y, 5, 5), Date(y, 5, 6), "Day off", "Holiday"}});
  app.Start();
  WriteRegistryString(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Travel", "1");
  app.Folder().Write("calendar.ics", "this is not a calendar\r\n");
  PressKey(app.Planner(), VK_F5);
  const auto box = WaitForMessageBox(app.Program().Id(), 20000);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->title, "Yearboard");
  EXPECT_NE(box->text.find("calendar"), std::string::npos) << box->text;
  Answer(*box, IDOK);
  EXPECT_EQ(app.Program().WaitForExit(10000), std::optional<DWORD>(1));
  // The table's colours were saved on the way out, over what was stored meanwhile.
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kYearboardCategoriesKey, "Travel")->AsString(), "65280");
}

}  // namespace
}  // namespace e2e
