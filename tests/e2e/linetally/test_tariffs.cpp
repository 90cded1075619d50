// Telecom services written to the registry before Linetally starts, and what the user then
// sees and what lands in the log: the idle price, a priced session, the failures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "service_registry.h"

namespace e2e {
namespace {

TEST(Tariffs, IdleLabelShowsTheServiceInForce) {
  LinetallyApp app;
  WriteService("Anytime", Service{});
  app.Start();
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.0600 per min"; }))
      << app.Label2();
  Screenshot(app.Main(), "linetally-idle-price");
}

TEST(Tariffs, DebugSessionIsPricedBySecondWithMinimumAndConnectionCharges) {
  LinetallyApp app;
  Service dial;
  dial.cost = "0.6";  // a cent a second
  dial.minOn = dial.connOn = true;
  dial.minCharge = "0.10";
  dial.connCharge = "0.05";
  WriteService("Dial-up", dial);
  app.Start();
  app.ShowDebugButton();
  HWND button = app.Control(IDC_BUTTON1);
  Click(button);
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Dial-up 0.6000 per min"; })) << app.Label2();
  EXPECT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for " + DurationOf(7); }, 12000));
  Screenshot(app.Main(), "linetally-priced-session");
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 1; }));
  auto [cost, seconds] = LoggedCost(app);
  EXPECT_GE(seconds, 7);
  // Connection charge plus a cent a second, but never below the minimum of 0.10.
  EXPECT_EQ(cost, std::max(500 + 100 * seconds, 1000L)) << seconds << " seconds";
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.6000 per min"; }));
}

TEST(Tariffs, ChargesAreDiscountedLikeThePrice) {
  LinetallyApp app;
  Service dial;
  dial.minOn = dial.connOn = dial.discountOn = true;
  dial.minCharge = "0.10";
  dial.connCharge = "0.04";
  dial.discount = "25";
  WriteService("Quarter off", dial);
  app.Start();
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.0450 per min"; }));
  app.RunDebugSession(3);
  auto [cost, seconds] = LoggedCost(app);
  ASSERT_LT(seconds, 60);
  EXPECT_EQ(cost, 750) << "the discounted minimum, 0.075";
}

TEST(Tariffs, FailingServiceIsReportedOnceAndTheOthersLoad) {
  LinetallyApp app;
  WriteService("Broken", Service{});
  WriteService("Cheap", Service{.cost = "0.02"});
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kLinetallyKey) + "\\Broken").c_str(), 0,
                          KEY_WRITE, &key),
            ERROR_SUCCESS);
  RegDeleteValueA(key, "editAfter");
  RegCloseKey(key);
  app.Start();
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, "Linetally");
  EXPECT_EQ(box->text, "The stored service 'Broken' has unreadable values: Valid after. Calls are not priced by it "
                       "until it is repaired in Telecom Preferences.");
  Answer(*box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.0200 per min"; }))
      << app.Label2();
  Sleep(500);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "reported once";
}

TEST(Tariffs, AmountThatDoesNotConvertEndsTheProgram) {
  LinetallyApp app;
  WriteService("Empty price", Service{.cost = ""});
  // The first tick fails before it shows a status text.
  app.Program().Start(app.ExePath(), app.Folder().Path());
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text,
            "An error occurred during Linetally processing.\nThis is most likely the result of "
            "too many records in your database.");
  Screenshot(box->window, "linetally-amount-failure");
  Answer(*box, IDOK);
  EXPECT_EQ(app.Program().WaitForExit(5000), std::optional<DWORD>(1));
}

TEST(Tariffs, AmountFailureDuringASessionLogsTheSessionFirst) {
  LinetallyApp app;
  Service bad;
  bad.minOn = true;
  bad.minCharge = "x";  // only the cost step converts it
  WriteService("Bad minimum", bad);
  app.Start();
  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find("An error occurred during Linetally processing."), std::string::npos);
  Answer(*box, IDOK);
  EXPECT_EQ(app.Program().WaitForExit(5000), std::optional<DWORD>(1));
  const std::string file = app.WorkingFile();
  EXPECT_NE(file.find(",Debug Session,"), std::string::npos) << file;
}

// One user, two builds: the log and the services the 32-bit program leaves are read unchanged
// by the 64-bit one, which lists, prices and appends by them. The test command runs it where
// the machine runs both builds.
TEST(Tariffs, LogAndServicesMoveFromThe32BitProgramToThe64BitOne) {
  if (sizeof(void*) != 8 || !std::getenv("LT_BOTH_ARCHITECTURES"))
    GTEST_SKIP() << "needs the 64-bit build on a machine that also runs 32-bit code";
  const std::string older = std::string(E2E_WIN32_BIN_DIR) + "/Linetally.exe";
  Service dial;
  dial.cost = "0.6";
  dial.connOn = true;
  dial.connCharge = "0.05";
  WriteService("Dial-up", dial);
  const std::vector<const char*> names = {"editCost", "checkConnCharge", "editConnCharge", "editAfter", "checkSun"};
  auto values = [&] {
    std::vector<std::optional<RegistryValue>> read;
    for (const char* name : names) read.push_back(ReadRegistry(HKEY_CURRENT_USER, ServiceKey("Dial-up"), name));
    return read;
  };
  const auto written = values();

  std::string log, total;
  std::vector<std::vector<std::string>> rows;
  {
    LinetallyApp thirtyTwo;
    thirtyTwo.Folder().CopyIn(older);  // in place of the 64-bit copy
    thirtyTwo.Start();
    thirtyTwo.RunDebugSession(3);
    log = thirtyTwo.WorkingFile();
    rows = thirtyTwo.Rows();
    total = thirtyTwo.Panel(2);
    PostCommand(thirtyTwo.Main(), IDM_EXIT1);
    ASSERT_EQ(thirtyTwo.Program().WaitForExit(5000), 0u);
  }
  ASSERT_EQ(LogLines(log).size(), 1u) << log;

  LinetallyApp sixtyFour(false);
  sixtyFour.Folder().Write("Lnt.dat", log);
  sixtyFour.Start();
  EXPECT_EQ(sixtyFour.Rows(), rows);
  EXPECT_EQ(sixtyFour.Panel(2), total);
  EXPECT_TRUE(WaitUntil([&] { return sixtyFour.Label2() == "Calls will cost 0.6000 per min"; })) << sixtyFour.Label2();
  sixtyFour.RunDebugSession(2);
  const std::string after = sixtyFour.WorkingFile();
  EXPECT_EQ(after.substr(0, log.size()), log) << "the older record stays byte for byte";
  ASSERT_EQ(LogLines(after).size(), 2u);
  EXPECT_EQ(LogFields(LogLines(after)[1])[3], "Debug Session");
  EXPECT_EQ(values(), written) << "neither build rewrote the services";
}

}  // namespace
}  // namespace e2e
