#include "linetally/tray/timer_manager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/linetally/tray/fake_tray_platform.h"

namespace lt {
namespace {

class TimerManagerTest : public ::testing::Test {
 protected:
  TimerManagerTest() { manager.SetEnabled(true); }

  TZqTimerItem& Add(bool enabled, int interval, const std::string& name) {
    return manager.AddItem(enabled, interval, [this, name](TZqTimerItem&) { fired.push_back(name); });
  }
  // Advances the clock and delivers one platform tick.
  void TickAt(uint32_t time) {
    platform.now = time;
    manager.Tick();
  }

  test::FakeTrayPlatform platform;
  TZqTimerManager manager{platform, platform};
  std::vector<std::string> fired;
};

TEST_F(TimerManagerTest, PlatformPeriodIsShortestIntervalButNeverAbove150) {
  Add(true, 1000, "slow");
  EXPECT_TRUE(platform.timerRunning);
  EXPECT_EQ(platform.timerPeriod, 150u);
  Add(true, 400, "click");
  EXPECT_EQ(platform.timerPeriod, 150u);
  TZqTimerItem& leave = Add(true, 70, "leave");
  EXPECT_EQ(platform.timerPeriod, 70u);
  leave.SetEnabled(false);
  EXPECT_EQ(platform.timerPeriod, 150u);
}

TEST_F(TimerManagerTest, NoEnabledItemLeavesPlatformTimerStopped) {
  TZqTimerItem& item = Add(false, 400, "a");
  EXPECT_FALSE(platform.timerRunning);
  item.SetEnabled(true);
  EXPECT_TRUE(platform.timerRunning);
  item.SetEnabled(false);
  EXPECT_FALSE(platform.timerRunning);
}

TEST_F(TimerManagerTest, ItemFiresOnlyOnceItsIntervalHasPassedAndWaitsAgain) {
  platform.now = 1000;
  Add(true, 400, "a");
  TickAt(1399);
  EXPECT_TRUE(fired.empty());
  TickAt(1400);
  EXPECT_EQ(fired, std::vector<std::string>{"a"});
  TickAt(1700);
  EXPECT_EQ(fired.size(), 1u);
  TickAt(1800);
  EXPECT_EQ(fired.size(), 2u);
}

TEST_F(TimerManagerTest, ItemsFireInListOrderAndDisabledOrSilentOnesAreSkipped) {
  Add(true, 100, "first");
  Add(false, 100, "disabled");
  manager.AddItem(true, 100, nullptr);
  Add(true, 100, "last");
  TickAt(500);
  EXPECT_EQ(fired, (std::vector<std::string>{"first", "last"}));
}

TEST_F(TimerManagerTest, RescheduleRestartsTheWaitOfEveryItem) {
  Add(true, 400, "a");
  platform.now = 300;
  TZqTimerItem& b = Add(true, 1000, "b");  // restarts a's wait at 300
  TickAt(450);
  EXPECT_TRUE(fired.empty());
  TickAt(700);
  EXPECT_EQ(fired, std::vector<std::string>{"a"});
  platform.now = 900;
  b.SetInterval(2000);  // an enabled item's new interval reschedules too
  TickAt(1200);
  EXPECT_EQ(fired.size(), 1u);
  TickAt(1300);
  EXPECT_EQ(fired.size(), 2u);
}

TEST_F(TimerManagerTest, ElapsedTimeStaysRightAcrossTickCounterWrap) {
  platform.now = 0xFFFFFF00u;
  Add(true, 400, "a");
  TickAt(0xFFFFFF00u + 399);  // still before the wrap
  TickAt(0x0000008Fu);        // 399 ms after the start, past the wrap
  EXPECT_TRUE(fired.empty());
  TickAt(0x00000090u);  // 400 ms
  EXPECT_EQ(fired, std::vector<std::string>{"a"});
}

TEST_F(TimerManagerTest, DisabledManagerRunsNothingUntilEnabled) {
  manager.SetEnabled(false);
  EXPECT_FALSE(platform.timerRunning);
  Add(true, 70, "a");
  EXPECT_FALSE(platform.timerRunning);
  platform.now = 50;
  manager.SetEnabled(true);
  EXPECT_EQ(platform.timerPeriod, 70u);
  TickAt(119);
  EXPECT_TRUE(fired.empty());
  TickAt(120);
  EXPECT_EQ(fired.size(), 1u);
}

TEST_F(TimerManagerTest, IntervalIsKeptWithinItsRange) {
  TZqTimerItem& item = Add(false, 10, "a");
  EXPECT_EQ(item.Interval(), TZqTimerItem::kMinInterval);
  item.SetInterval(500000);
  EXPECT_EQ(item.Interval(), TZqTimerItem::kMaxInterval);
}

}  // namespace
}  // namespace lt
