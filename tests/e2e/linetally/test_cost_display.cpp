// The money the main window shows during and after a priced session.
#include <gtest/gtest.h>

#include "service_registry.h"

namespace e2e {
namespace {

TEST(CostDisplay, StatusBarFollowsTheSessionAndShowsTheNewTotal) {
  LinetallyApp app;
  app.Folder().Write("Lnt.dat", "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n");
  Service dial;
  dial.cost = "0.6";  // a cent a second
  WriteService("Dial-up", dial);
  app.Start();
  EXPECT_EQ(app.Panel(2), "Total \xA3" "1.252");
  app.ShowDebugButton();
  HWND button = app.Control(IDC_BUTTON1);
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:03"; }));
  // A tick that counts no second refreshes the bar: the call so far, and the total with it.
  EXPECT_TRUE(WaitUntil([&] { return app.Panel(1) == "Current \xA3" "0.030"; })) << app.Panel(1);
  EXPECT_TRUE(WaitUntil([&] { return app.Panel(2) == "Total \xA3" "1.282"; })) << app.Panel(2);
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for 000:00:04"; }));
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 2; }));
  const std::string cost = app.Rows()[1][4];
  EXPECT_TRUE(cost == "0.04" || cost == "0.05") << cost;
  EXPECT_EQ(app.Panel(1), "Current \xA3" "0.000");
  EXPECT_EQ(app.Panel(2), "Total \xA3" + std::string(cost == "0.04" ? "1.292" : "1.302"));
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.6000 per min"; })) << "the next idle tick";
}

}  // namespace
}  // namespace e2e
