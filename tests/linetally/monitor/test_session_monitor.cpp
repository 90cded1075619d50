#include <gtest/gtest.h>

#include "tests/linetally/monitor/monitor_doubles.h"

namespace lt::testing {
namespace {

class MonitorTest : public ::testing::Test {
 protected:
  void TickAt(int hour, int minute, int second, int ms = 0) {
    clock.Set(CivilDateTime{2026, 12, 9, hour, minute, second, ms});
    monitor.Timer1Timer();
  }
  // Ticks four times a second for `seconds` seconds from 10:00:10 (the last second seen starts
  // at 0, so a first tick at :00 would count nothing).
  void RunSeconds(int seconds, int fromSecond = 10) {
    for (int s = fromSecond; s < fromSecond + seconds; ++s)
      for (int q = 0; q < 4; ++q) TickAt(10, s / 60, s % 60, q * 250);
  }

  ScriptedRemoteAccess ras;
  SettableClock clock;
  CountingCostStep costs;
  RecordingView view;
  SessionMonitor monitor{ras, clock, costs, view};
};

TEST_F(MonitorTest, IdleShowsRasIdleAndThePriceAndLogsNothing) {
  RunSeconds(3);
  EXPECT_EQ(view.status.back(), "RAS Idle");
  EXPECT_EQ(view.trayFrames.back(), 16);
  EXPECT_EQ(costs.priceLabels, 12);
  EXPECT_EQ(costs.steps, 0);
  EXPECT_TRUE(view.logged.empty());
  EXPECT_FALSE(monitor.SessionActive());
}

TEST_F(MonitorTest, ADialCancelledWhileConnectingIsTimedButNotLogged) {
  ras.Then({1, "Office", uint16_t(2)}, 8);
  RunSeconds(3);
  EXPECT_EQ(view.status[0], "Connecting...");
  EXPECT_EQ(view.status[7], "Connecting...");
  EXPECT_EQ(costs.steps, 2) << "two seconds counted while listed";
  EXPECT_EQ(view.status.back(), "RAS Idle") << "the state left in the status record is not shown once unlisted";
  EXPECT_EQ(costs.priceLabels, 4) << "idle ticks show the price again";
  EXPECT_TRUE(view.logged.empty());
  EXPECT_FALSE(monitor.SessionActive());
  EXPECT_EQ(view.resets, 1);
}

TEST_F(MonitorTest, AConnectedSessionIsLoggedWhenTheConnectionGoes) {
  ras.Then({1, "Office link", uint16_t(3)});
  ras.Then({1, std::nullopt, uint16_t(0x2000)}, 11);
  ras.Then({0, std::nullopt, uint16_t(0)});
  RunSeconds(4);
  ASSERT_EQ(view.logged.size(), 1u);
  const SessionRecord& r = view.logged[0];
  EXPECT_EQ(r.service, "Office link");
  EXPECT_EQ(r.seconds, 3);
  EXPECT_EQ(r.cost, Currency::FromRaw(30));
  EXPECT_EQ(r.start, (CivilDateTime{2026, 12, 9, 10, 0, 10, 0}));
  EXPECT_EQ(r.end, (CivilDateTime{2026, 12, 9, 10, 0, 13, 0}));
  EXPECT_EQ(view.status[0], "Starting Authentication Process...");
  EXPECT_EQ(view.status[11], "On-line for 000:00:03");
  EXPECT_EQ(costs.firstSecondSeen, (std::vector<bool>{true, false, false}));
  EXPECT_EQ(costs.connectionsSeen, (std::vector<std::string>(3, "Office link")));
  EXPECT_EQ(monitor.CallCost(), Currency()) << "reset after the session";
}

TEST_F(MonitorTest, DisconnectedStateEndsTheSessionOnThatTick) {
  ras.Then({1, "Office", uint16_t(0x2000)}, 4);
  ras.Then({1, std::nullopt, uint16_t(0x2001)});
  RunSeconds(2);
  ASSERT_EQ(view.logged.size(), 1u);
  EXPECT_EQ(view.logged[0].seconds, 1);
  EXPECT_EQ(view.status[4], "Disconnected");
  EXPECT_EQ(monitor.ConnectionCount(), 0);
}

TEST_F(MonitorTest, UnlistedStatesKeepTheText) {
  ras.Then({1, "Office", uint16_t(4)});
  ras.Then({1, std::nullopt, uint16_t(1)});
  ras.Then({1, std::nullopt, uint16_t(77)});
  RunSeconds(1);
  EXPECT_EQ(view.status[0], "Authenticating...");
  EXPECT_EQ(view.status[1], "Authenticating...");
  EXPECT_EQ(view.status[2], "Authenticating...");
}

TEST_F(MonitorTest, OnlyTheFirstOfTwoConnectionsIsWatched) {
  ras.Then({2, "First", uint16_t(5)}, 4);
  RunSeconds(2);
  ASSERT_EQ(view.logged.size(), 1u);
  EXPECT_EQ(view.logged[0].service, "First");
  EXPECT_EQ(view.status[0], "Logging on...");
}

TEST_F(MonitorTest, DebugSessionWithoutAnEntryNameIsADebugSession) {
  TickAt(10, 0, 0);
  monitor.Button1Click();
  EXPECT_EQ(view.debugCaption, "&Stop");
  const int enumerations = ras.enumerations;
  RunSeconds(3, 1);
  EXPECT_EQ(ras.enumerations, enumerations) << "no remote-access call in debug mode";
  EXPECT_EQ(view.status.back(), "Debugging for 000:00:03");
  monitor.Button1Click();
  EXPECT_EQ(view.debugCaption, "&Debug");
  TickAt(10, 0, 5);
  ASSERT_EQ(view.logged.size(), 1u);
  EXPECT_EQ(view.logged[0].service, "Debug Session");
  EXPECT_EQ(view.logged[0].seconds, 3);
  EXPECT_EQ(view.status.back(), "RAS Idle");
}

TEST_F(MonitorTest, ADebugSessionIsPricedAsTheDebugSessionWhateverEntryWasSeenLast) {
  ras.Then({1, "Office link", uint16_t(0x2000)}, 4);
  RunSeconds(2);
  ASSERT_EQ(view.logged.size(), 1u);
  monitor.Button1Click();
  RunSeconds(2, 20);
  EXPECT_EQ(costs.connectionsSeen.front(), "Office link");
  EXPECT_EQ(costs.connectionsSeen.back(), "Debug Session");
}

TEST_F(MonitorTest, ALateTickAddsOneSecondAndEqualSecondsRefreshTheStatusBar) {
  ras.Then({1, "Office", uint16_t(0x2000)}, 5);
  TickAt(10, 0, 1);
  TickAt(10, 0, 1, 500);
  TickAt(10, 0, 5);  // three seconds late
  TickAt(10, 0, 5, 250);
  TickAt(10, 0, 6);
  EXPECT_EQ(monitor.OnlineSeconds(), 3);
  EXPECT_EQ(view.statusBarUpdates, 2);
}

TEST_F(MonitorTest, NothingInsideTheLoggingEndsTheSessionTwice) {
  ras.Then({1, "Office", uint16_t(0x2000)}, 4);
  view.onLog = [&] {  // a modal box lets a tick, Exit and the fatal amount path through
    monitor.Timer1Timer();
    monitor.EndSession();
    EXPECT_FALSE(monitor.EndForFailure());
  };
  RunSeconds(2);
  EXPECT_EQ(view.logged.size(), 1u);

  // Exit ends a running session once; the fatal path hands it over instead of logging it.
  view.onLog = nullptr;
  ras.Then({1, "Office", uint16_t(0x2000)}, 100);
  RunSeconds(2, 20);
  monitor.EndSession();
  monitor.EndSession();
  EXPECT_EQ(view.logged.size(), 2u);
  EXPECT_FALSE(monitor.SessionActive());
  RunSeconds(2, 30);
  const auto kept = monitor.EndForFailure();
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->seconds, 2);
  EXPECT_EQ(kept->service, "Office");
  EXPECT_FALSE(monitor.EndForFailure());
  EXPECT_EQ(view.logged.size(), 2u);
}

TEST_F(MonitorTest, KeySequenceTogglesTheDebugControls) {
  for (char c : std::string("ltdbg")) monitor.KeyTyped(c);
  EXPECT_TRUE(view.debugShown);
  for (char c : std::string("lltdbg")) monitor.KeyTyped(c);
  EXPECT_TRUE(view.debugShown) << "a wrong character is not compared with the first position";
  for (char c : std::string("xltDbg")) monitor.KeyTyped(c);
  EXPECT_TRUE(view.debugShown) << "the sequence is case-sensitive";
  for (char c : std::string("ltdbgltdbg")) monitor.KeyTyped(c);
  EXPECT_TRUE(view.debugShown);
  for (char c : std::string("ltdbg")) monitor.KeyTyped(c);
  EXPECT_FALSE(view.debugShown);
}

// Kept when the link comes up (never while only dialling), then every 60 counted seconds,
// whether the copy could be written or not (the journal writes it again a minute later, not on
// every tick); the end of every session is told, as only the journal knows what it holds.
TEST_F(MonitorTest, ASessionIsKeptFromLinkUpEveryMinuteAndDroppedAtItsEnd) {
  ras.Then({1, "Office", uint16_t(2)}, 12);
  ras.Then({1, std::nullopt, uint16_t(3)});
  ras.Then({1, std::nullopt, uint16_t(0x2000)}, 4 * 125 - 1);
  ras.Then({0, std::nullopt, uint16_t(0)});
  RunSeconds(3);
  EXPECT_TRUE(view.keptSeconds.empty()) << "a dial attempt is not logged, so not kept";
  RunSeconds(126, 13);
  EXPECT_EQ(view.keptSeconds, (std::vector<int32_t>{4, 60, 120}));
  EXPECT_EQ(view.lastKept.service, "Office");
  EXPECT_EQ(view.lastKept.start, (CivilDateTime{2026, 12, 9, 10, 0, 10, 0}));
  EXPECT_EQ(view.lastKept.end, (CivilDateTime{2026, 12, 9, 10, 2, 9, 0}));
  EXPECT_EQ(view.lastKept.cost, Currency::FromRaw(1200));
  ASSERT_EQ(view.logged.size(), 1u);
  EXPECT_EQ(view.drops, 1);

  view.keptSeconds.clear();
  monitor.Button1Click();  // a debug session is kept as it starts
  RunSeconds(61, 200);
  EXPECT_EQ(view.keptSeconds, (std::vector<int32_t>{1, 60}));
  monitor.FinishUp();  // dropped by the user's answer at exit
  EXPECT_EQ(view.drops, 2);
}

TEST_F(MonitorTest, PlatformQuerySelectsTheLayout) {
  monitor.QueryPlatform();
  EXPECT_EQ(monitor.PlatformId(), 2);
  EXPECT_EQ(ras.layout, 2);
}

}  // namespace
}  // namespace lt::testing
