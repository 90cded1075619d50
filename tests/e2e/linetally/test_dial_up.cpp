// Dial-up sessions as the remote-access service lists them (the prefix's stand-in), timed,
// priced and logged by Linetally's main window.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "dial_script.h"
#include "linetally/monitor/ras_layout.h"
#include "service_registry.h"
#include "tray_driver.h"

namespace e2e {
namespace {

// An amount of cents with `decimals` decimals (2 or 3), or as the log writes it (0: trailing
// zeros dropped).
std::string Money(int cents, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, decimals == 3 ? "%d.%02d0" : "%d.%02d", cents / 100, cents % 100);
  std::string s = text;
  if (decimals == 0) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  return s;
}

constexpr const char* kPound = "\xA3";

class DialUpTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteService("Anytime", Service{.cost = "0.6"}); }  // a cent a second
  // Waits for the status text, with a screenshot of the window when `shot` is given.
  void ExpectStatus(const std::string& text, int timeoutMs, const char* shot = nullptr) {
    EXPECT_TRUE(WaitUntil([&] { return app.Label1() == text; }, timeoutMs)) << "waiting for " << text << ", shown: " << app.Label1();
    if (shot) Screenshot(app.Main(), shot);
  }
  // The fields of the log's last line, once it has `records` lines.
  std::vector<std::string> LoggedSession(size_t records) {
    EXPECT_TRUE(WaitUntil([&] { return app.Rows().size() == records; }, 5000)) << "no row added";
    const auto lines = LogLines(app.WorkingFile());
    if (lines.size() != records) return {};
    return LogFields(lines.back());
  }

  LinetallyApp app;
  DialScript dial{app.Folder()};
};

TEST_F(DialUpTest, OfficeLinkDialsGoesOnLineAndIsPricedAndLoggedWhenItHangsUp) {
  app.Folder().Write("Lnt.dat", "01/02/2024 10:00:00,01/02/2024 10:05:00,300,Old,2.37,\r\n");
  app.Start();
  dial.Write("0 0x1001 2 Office link\n1500 0x1001 4 Office link\n3000 0x1001 0x2000 Office link\n");
  ExpectStatus("Connecting...", 3000, "linetally-dial-connecting");
  const bool keptWhileDialling = app.Folder().Exists("Lnt.run");
  if (app.Label1() == "Connecting...") {
    EXPECT_FALSE(keptWhileDialling) << "a dial that may never come up is not kept";
  }
  ExpectStatus("Authenticating...", 3000);
  EXPECT_TRUE(WaitUntil([&] { return app.Folder().Exists("Lnt.run"); })) << "the link is up: kept against a crash";
  EXPECT_EQ(LogFields(LogLines(app.Folder().Read("Lnt.run").value_or("")).at(0)).at(3), "Office link");
  ExpectStatus("On-line for 000:00:05", 8000, "linetally-dial-online");
  EXPECT_EQ(app.Label2(), "Anytime 0.6000 per min");
  dial.Write("0 none\n");

  const auto fields = LoggedSession(2);
  ASSERT_EQ(fields.size(), 6u);
  EXPECT_EQ(fields[3], "Office link");
  const int seconds = std::atoi(fields[2].c_str());
  EXPECT_GE(seconds, 5) << "the window showed five seconds on line, dialling counted too";
  EXPECT_LE(seconds, 8);
  EXPECT_EQ(fields[4], Money(seconds, 0)) << seconds << " seconds at a cent each";
  EXPECT_FALSE(app.Folder().Exists("Lnt.run")) << "logged, so no longer kept";
  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][2], "Office link");
  EXPECT_EQ(rows[1][3], DurationOf(seconds));
  EXPECT_EQ(rows[1][4], Money(seconds, 2));
  ExpectStatus("RAS Idle", 2000);
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.6000 per min"; })) << app.Label2();
  EXPECT_EQ(app.Panel(1), std::string("Current ") + kPound + "0.000");
  EXPECT_EQ(app.Panel(2), std::string("Total ") + kPound + Money(237 + seconds, 3));
  Screenshot(app.Main(), "linetally-dial-logged");
  EXPECT_EQ(HoverTooltip("linetally-dial-tooltip"),
            std::string("Current ") + kPound + "0.00 / Total " + kPound + Money(237 + seconds, 2));
}

TEST_F(DialUpTest, CancelledDialLogsNothingAndADisconnectedLineEndsOnThatTick) {
  app.Start();
  dial.Write("0 0x1001 2 Office link\n2500 none\n");
  ExpectStatus("Connecting...", 3000);
  EXPECT_TRUE(WaitUntil([&] { return dial.SizesSeen().find("Status") != std::string::npos; }));
  Sleep(3500);  // the dial was listed, then went
  EXPECT_EQ(app.Label1(), "RAS Idle");
  EXPECT_TRUE(app.Rows().empty());
  EXPECT_EQ(app.WorkingFile(), "");

  // Two lines up: the first is timed. It then reports disconnected while still listed.
  dial.Write("0 0x1001 0x2000 Office link\n0 0x1002 0x2000 Second line\n2500 0x1001 0x2001 Office link\n");
  ExpectStatus("On-line for 000:00:02", 4000);
  ExpectStatus("Disconnected", 3000);
  const auto fields = LoggedSession(1);
  EXPECT_EQ(app.Label1(), "Disconnected");
  Screenshot(app.Main(), "linetally-dial-disconnected");
  ASSERT_EQ(fields.size(), 6u);
  EXPECT_EQ(fields[3], "Office link");
  EXPECT_LE(std::atoi(fields[2].c_str()), 4) << "the session ends on the disconnected tick";
}

// Each connection is priced by the service for it, named in any letter case; the other
// service's window and price would apply too.
TEST(DialUpConnections, TwoConnectionsArePricedEachByItsOwnService) {
  LinetallyApp app;
  DialScript dial{app.Folder()};
  WriteService("Home tariff", Service{.cost = "1.2", .connections = "HOME DIAL"});  // two cents a second
  WriteService("Office tariff", Service{.cost = "0.6", .connections = "Office link;Mobile"});
  app.Start();
  const struct {
    const char* name;
    const char* label;
    int centsPerSecond;
  } lines[] = {{"Office link", "Office tariff 0.6000 per min", 1}, {"Home dial", "Home tariff 1.2000 per min", 2}};
  size_t logged = 0;
  for (const auto& line : lines) {
    dial.Write(std::string("0 0x1001 0x2000 ") + line.name + "\n3500 none\n");
    EXPECT_TRUE(WaitUntil([&] { return app.Label2() == line.label; }, 4000)) << line.name << ": " << app.Label2();
    Screenshot(app.Main(), std::string("linetally-dial-") + (line.centsPerSecond == 1 ? "office" : "home"));
    ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == logged + 1; }, 8000)) << line.name;
    ++logged;
    const auto fields = LogFields(LogLines(app.WorkingFile()).back());
    ASSERT_EQ(fields.size(), 6u);
    EXPECT_EQ(fields[3], line.name);
    EXPECT_EQ(fields[4], Money(std::atoi(fields[2].c_str()) * line.centsPerSecond, 0)) << line.name;
  }
}

// The platform query picks the record layouts: extended ones on Windows 98, compact ones on
// the NT platform, each at this build's architecture's size. The stand-in refuses any other
// size, so a logged session shows the layout was read right. Windows 98 ran no 64-bit programs,
// so the 64-bit build has only the NT case.
TEST(DialUpLayouts, WindowsNinetyEightUsesTheExtendedRecordsAndNtTheCompactOnes) {
  auto sizes = [](const lt::RasLayout& layout) {
    return "RasEnumConnectionsA " + std::to_string(layout.connSize) + "\nRasGetConnectStatusA " +
           std::to_string(layout.statusSize) + "\n";
  };
  std::vector<std::pair<std::string, std::string>> cases = {
      {"winxp", sizes(lt::RasCompactLayout(lt::kPointerBytes))}};
  if (lt::kPointerBytes == 4) cases.insert(cases.begin(), {"win98", sizes(lt::RasExtendedLayout(4))});
  for (const auto& [version, sizes] : cases) {
    LinetallyApp run;
    DialScript line(run.Folder());
    SetWindowsVersion(version);
    run.Start();
    line.Write("0 0x2002 0x2000 A long entry name for the extended record\n2200 none\n");
    EXPECT_TRUE(WaitUntil([&] { return run.Rows().size() == 1; }, 6000)) << version;
    EXPECT_EQ(line.SizesSeen(), sizes) << version;
    const auto lines = LogLines(run.WorkingFile());
    ASSERT_EQ(lines.size(), 1u) << version;
    EXPECT_EQ(LogFields(lines[0])[3], version == "win98"
                                          ? "A long entry name for the extended record"
                                          : "A long entry name fo")
        << "the compact record's name field holds 20 characters";
  }
}

}  // namespace
}  // namespace e2e
