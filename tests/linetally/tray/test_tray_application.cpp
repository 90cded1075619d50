// Hiding the application into the tray and bringing it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "linetally/tray/tray_icon.h"
#include "tests/linetally/tray/fake_tray_platform.h"

namespace lt {
namespace {

using test::FakeTrayPlatform;
using Log = std::vector<std::string>;

class TrayApplicationTest : public ::testing::Test {
 protected:
  void RunDeferred() {
    platform.log.clear();
    icon.MsgWindow().HandleMessage(kTrayDeferredMessage, 0, 0);
  }

  FakeTrayPlatform platform;
  TZqTrayIcon95 icon{platform, FakeTrayPlatform::kMainForm};
};

TEST_F(TrayApplicationTest, LocksNestAndOnlyTheOutermostPairTouchesTheDesktop) {
  TZqTrayIcon95 second(platform, FakeTrayPlatform::kOtherForm);
  icon.LockUpdates(true);
  second.LockUpdates(true);
  icon.LockUpdates(false);
  EXPECT_EQ(platform.log, Log{"lock"});
  second.LockUpdates(false);
  icon.LockUpdates(false);  // unbalanced: ignored
  icon.LockUpdates(true);
  icon.LockUpdates(false);
  EXPECT_EQ(platform.log, (Log{"lock", "unlock", "lock", "unlock"}));
}

TEST_F(TrayApplicationTest, HidingWithoutClosingFormsMinimisesWithoutAnimationInADeferredStep) {
  icon.SetOptions(Bit(TZqTrayIconOption::toMinimizeToTray));
  int minimized = 0;
  icon.OnAppMinimize = [&](TZqTrayIcon95&) { ++minimized; };
  icon.HideApplication();
  EXPECT_EQ(platform.log, Log{"post msgwindow 1125"});
  RunDeferred();
  EXPECT_EQ(platform.log,
            (Log{"lock", "owner app parking", "normalize topmosts", "activate app", "animation off",
                 "minimize app", "animation on", "hide app", "hide main", "unlock",
                 "owner app none", "hide app"}));
  EXPECT_EQ(minimized, 1);
}

TEST_F(TrayApplicationTest, MinimiseAnimationSwitchedOffStaysOff) {
  platform.minimizeAnimation = false;
  icon.SetOptions(0);
  icon.HideApplication();
  RunDeferred();
  EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "animation on"), 0);
  EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "animation off"), 0);
}

TEST_F(TrayApplicationTest, HidingWithCloseFormsHidesMainAndClosesTheOthersLastFirst) {
  platform.visible[FakeTrayPlatform::kOtherForm] = true;
  icon.HideApplication();  // default options close the forms
  EXPECT_EQ(platform.log, (Log{"lock", "owner app parking", "close other", "hide main", "hide app",
                               "owner app parking", "unlock"}));
}

TEST_F(TrayApplicationTest, HidingAMissingFormFails) {
  try {
    icon.HideForm(0);
    FAIL() << "hid a missing form";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "You cant hide a \"nil\" form !");
  }
}

TEST_F(TrayApplicationTest, ShowingRestoresAndShowsTheApplicationWindow) {
  platform.visible[FakeTrayPlatform::kMainForm] = false;
  platform.minimized[FakeTrayPlatform::kAppWindow] = true;
  icon.SetOptions(0);
  icon.ShowApplication();
  RunDeferred();
  EXPECT_EQ(platform.log, (Log{"lock", "owner app parking", "foreground app", "restore app",
                               "normal main", "normal app", "owner app none", "unlock"}));
}

TEST_F(TrayApplicationTest, ShowingWithHiddenTaskbarButtonHidesItAgainWhenTheFormCloses) {
  icon.SetOptions(Bit(TZqTrayIconOption::toHideTaskBarIconOnShowApp));
  icon.ShowApplication();
  RunDeferred();
  EXPECT_EQ(platform.log, (Log{"lock", "owner app parking", "foreground app", "hide app",
                               "normal main", "notify on close main", "owner app none", "unlock"}));
  ASSERT_TRUE(platform.formCloseCallback);
  platform.formCloseCallback();
  RunDeferred();
  EXPECT_EQ(platform.log, Log{"hide app"});
}

TEST_F(TrayApplicationTest, MinimiseAndRestoreHandlersFollowActiveAndOptions) {
  Log events;
  icon.OnAppMinimize = [&](TZqTrayIcon95&) { events.push_back("minimize"); };
  icon.OnAppRestore = [&](TZqTrayIcon95&) { events.push_back("restore"); };
  icon.SetOptions(0);
  icon.AppMinimized();
  icon.AppRestored();  // inactive: nothing shown
  EXPECT_EQ(platform.log, Log{});
  icon.SetActive(true);
  icon.AppMinimized();  // no toMinimizeToTray: not hidden
  EXPECT_EQ(platform.log, Log{});
  icon.AppRestored();
  EXPECT_EQ(platform.log, Log{"post msgwindow 1125"});
  EXPECT_EQ(events, (Log{"minimize", "restore", "minimize", "restore"}));
}

}  // namespace
}  // namespace lt
