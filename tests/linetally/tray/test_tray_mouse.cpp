// The shell's mouse notifications as the tray icon's events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linetally/tray/tray_icon.h"
#include "tests/linetally/tray/fake_tray_platform.h"

namespace lt {
namespace {

using test::FakeTrayPlatform;

class RecordingMenu : public TrayPopupMenu {
 public:
  explicit RecordingMenu(FakeTrayPlatform& platform) : platform(platform) {}
  void Popup(int x, int y) override {
    platform.log.push_back("popup " + std::to_string(x) + "," + std::to_string(y));
  }
  FakeTrayPlatform& platform;
};

class TrayMouseTest : public ::testing::Test {
 protected:
  TrayMouseTest() {
    icon.OnClick = [this](TZqTrayIcon95&) { events.push_back("click"); };
    icon.OnDblClick = [this](TZqTrayIcon95&) { events.push_back("dblclick"); };
  }
  void Shell(uint32_t mouseMessage) {
    icon.MsgWindow().HandleMessage(kTrayCallbackMessage, 42, mouseMessage);
  }
  void RunFor(uint32_t ms) {
    for (uint32_t t = 0; t < ms; t += 10) {
      platform.now += 10;
      icon.TimerManager().Tick();
    }
  }
  void MoveTo(int x, int y) {
    platform.cursor = {x, y};
    Shell(kWmMouseMove);
  }
  std::string Mouse(const char* what, ShiftState shift, int x, int y) {
    return std::string(what) + " " + std::to_string(shift) + " " + std::to_string(x) + "," +
           std::to_string(y);
  }

  FakeTrayPlatform platform;
  TZqTrayIcon95 icon{platform, FakeTrayPlatform::kMainForm};
  RecordingMenu menu{platform};
  std::vector<std::string> events;
};

TEST_F(TrayMouseTest, SingleClickIsReportedOnlyAfterTheDoubleClickWait) {
  Shell(kWmLButtonDown);
  Shell(0x0202);  // release: ignored
  RunFor(390);
  EXPECT_TRUE(events.empty());
  RunFor(200);
  EXPECT_EQ(events, std::vector<std::string>{"click"});
  RunFor(1000);
  EXPECT_EQ(events.size(), 1u);
}

TEST_F(TrayMouseTest, DoubleClickFiresOnceAndSuppressesTheClick) {
  Shell(kWmLButtonDown);
  RunFor(100);
  Shell(kWmLButtonDblClk);
  RunFor(1000);
  EXPECT_EQ(events, std::vector<std::string>{"dblclick"});
  Shell(kWmLButtonDown);  // a later single click is a click again
  RunFor(500);
  EXPECT_EQ(events, (std::vector<std::string>{"dblclick", "click"}));
}

TEST_F(TrayMouseTest, WithoutOnDblClickAClickRunsDeferredAndADoubleDoesNotStick) {
  icon.OnDblClick = nullptr;
  Shell(kWmLButtonDown);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(platform.log.back(), "post msgwindow 1125");
  icon.MsgWindow().HandleMessage(kTrayDeferredMessage, 0, 0);
  EXPECT_EQ(events, std::vector<std::string>{"click"});
  Shell(kWmLButtonDblClk);
  Shell(kWmMButtonDown);
  icon.MsgWindow().HandleMessage(kTrayDeferredMessage, 0, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"click", "click"}));
}

TEST_F(TrayMouseTest, RightPressWithAutoPopupOpensTheMenuAtThePointerAndFiresNoClick) {
  icon.SetAutoPopup(true);
  icon.SetPopupMenu(&menu);
  MoveTo(1000, 750);
  Shell(kWmRButtonDown);
  RunFor(1000);
  EXPECT_TRUE(events.empty());
  // The main form is visible and the application window hidden: the form keeps the foreground.
  EXPECT_EQ(platform.log, (std::vector<std::string>{"foreground app", "process messages",
                                                    "popup 1000,750", "post app 1024"}));
}

TEST_F(TrayMouseTest, MenuClosedWithNoFormShownGivesTheForegroundToTheDesktop) {
  icon.SetAutoPopup(true);
  icon.SetPopupMenu(&menu);
  platform.visible[FakeTrayPlatform::kMainForm] = false;
  Shell(kWmRButtonDown);
  EXPECT_EQ(platform.log.back(), "foreground desktop");
}

TEST_F(TrayMouseTest, RightPressWithoutAutoPopupOrMenuCountsAsAClick) {
  icon.SetPopupMenu(&menu);
  Shell(kWmRButtonDown);
  RunFor(500);
  icon.SetAutoPopup(true);
  icon.SetPopupMenu(nullptr);
  Shell(kWmRButtonDown);
  RunFor(500);
  EXPECT_EQ(events, (std::vector<std::string>{"click", "click"}));
}

TEST_F(TrayMouseTest, EnterMoveAndExitCarryShiftStateAndPosition) {
  icon.OnMouseEnter = [this](TZqTrayIcon95&, ShiftState s, int x, int y) {
    events.push_back(Mouse("enter", s, x, y));
  };
  icon.OnMouseMove = [this](TZqTrayIcon95&, ShiftState s, int x, int y) {
    events.push_back(Mouse("move", s, x, y));
  };
  icon.OnMouseExit = [this](TZqTrayIcon95&, ShiftState s, int x, int y) {
    events.push_back(Mouse("exit", s, x, y));
  };
  platform.shift = kShiftKey | kCtrlKey;
  MoveTo(500, 700);
  MoveTo(502, 701);
  RunFor(70);
  platform.cursor = {504, 703};  // within 2 pixels of the last position: still inside
  RunFor(70);
  platform.cursor = {510, 701};
  RunFor(70);
  RunFor(300);
  EXPECT_EQ(events, (std::vector<std::string>{"enter 5 500,700", "move 5 502,701",
                                              "exit 5 502,701"}));
}

TEST_F(TrayMouseTest, NoMoveEventsWhileTheClickWaitRuns) {
  icon.OnMouseMove = [this](TZqTrayIcon95&, ShiftState, int x, int y) {
    events.push_back(Mouse("move", 0, x, y));
  };
  MoveTo(1, 1);
  Shell(kWmLButtonDown);
  MoveTo(2, 2);
  RunFor(500);
  MoveTo(3, 3);
  EXPECT_EQ(events, (std::vector<std::string>{"move 0 1,1", "click", "move 0 3,3"}));
}

}  // namespace
}  // namespace lt
