#include "linetally/tray/tray_icon.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "tests/linetally/tray/fake_tray_platform.h"

namespace lt {
namespace {

using test::FakeTrayPlatform;
using test::ShellCall;

class TrayIconTest : public ::testing::Test {
 protected:
  // Delivers platform ticks until `ms` have passed, 10 ms apart.
  void RunFor(uint32_t ms) {
    for (uint32_t t = 0; t < ms; t += 10) {
      platform.now += 10;
      icon.TimerManager().Tick();
    }
  }
  size_t CountShell(uint32_t message) const {
    size_t n = 0;
    for (const auto& call : platform.shell) n += call.message == message;
    return n;
  }

  FakeTrayPlatform platform;
  TZqTrayIcon95 icon{platform, FakeTrayPlatform::kMainForm};
};

TEST(TrayIconOwner, OwnerMustBeAForm) {
  FakeTrayPlatform platform;
  try {
    TZqTrayIcon95 icon(platform, 12345);
    FAIL() << "accepted an owner that is not a form";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "TrayIcons must be owned by a Form !");
  }
  EXPECT_THROW(TZqTrayIcon95(platform, 0), std::invalid_argument);
}

TEST(TrayIconOwner, ExistingParkingWindowTakesTheTaskbarButtonAtOnce) {
  FakeTrayPlatform platform;
  platform.parkingExists = true;
  TZqTrayIcon95 icon(platform, FakeTrayPlatform::kMainForm);
  EXPECT_EQ(platform.log, (std::vector<std::string>{"hide app", "owner app none"}));
}

TEST_F(TrayIconTest, ActivationSendsTheShellRecord) {
  platform.pictures[PictureSlot::kIcon] = 77;
  icon.SetHint("Current \xA3" "0.00 / Total \xA3" "0.00");
  icon.SetActive(true);
  ASSERT_EQ(platform.shell.size(), 1u);
  const ShellCall& add = platform.shell[0];
  EXPECT_EQ(add.message, kNimAdd);
  EXPECT_EQ(add.record.size, sizeof(void*) == 8 ? 104u : 88u) << "the original record of this build's architecture";
  EXPECT_EQ(add.record.window, FakeTrayPlatform::kMsgWindow);
  EXPECT_EQ(add.record.id, 42u);
  EXPECT_EQ(add.record.flags, 7u);
  EXPECT_EQ(add.record.callbackMessage, 1124u);
  EXPECT_EQ(add.record.icon, 77u);
  EXPECT_STREQ(add.record.tip, "Current \xA3" "0.00 / Total \xA3" "0.00");
}

TEST_F(TrayIconTest, ActiveTwiceAddsOnceAndInactiveTwiceDeletesOnce) {
  icon.SetActive(true);
  icon.SetActive(true);
  icon.SetActive(false);
  icon.SetActive(false);
  EXPECT_EQ(CountShell(kNimAdd), 1u);
  EXPECT_EQ(CountShell(kNimDelete), 1u);
}

TEST(TrayIconLifetime, DestructionRemovesAnActiveIcon) {
  FakeTrayPlatform platform;
  auto icon = std::make_unique<TZqTrayIcon95>(platform, FakeTrayPlatform::kMainForm);
  icon->SetActive(true);
  icon.reset();
  ASSERT_EQ(platform.shell.size(), 2u);
  EXPECT_EQ(platform.shell.back().message, kNimDelete);
}

TEST_F(TrayIconTest, HintKeepsFirst63CharactersAndSameHintSendsNothing) {
  icon.SetActive(true);
  const std::string longHint(100, 'x');
  icon.SetHint(longHint);
  ASSERT_EQ(platform.shell.size(), 2u);
  EXPECT_EQ(platform.shell[1].message, kNimModify);
  EXPECT_EQ(std::string(platform.shell[1].record.tip), longHint.substr(0, 63));
  icon.SetHint(longHint);
  EXPECT_EQ(platform.shell.size(), 2u);
}

TEST_F(TrayIconTest, ShowHintFalseGivesAnEmptyTipUntilSwitchedOn) {
  icon.SetHint("cost");
  icon.SetShowHint(false);
  icon.SetActive(true);
  EXPECT_STREQ(platform.shell.back().record.tip, "");
  icon.SetHint("new cost");
  EXPECT_EQ(platform.shell.size(), 1u);  // stored, not shown
  icon.SetShowHint(true);
  EXPECT_STREQ(platform.shell.back().record.tip, "new cost");
}

TEST_F(TrayIconTest, NewIconWhileActiveIsSentAndInactiveChangesSendNothing) {
  icon.SetIcon(5);
  EXPECT_TRUE(platform.shell.empty());
  icon.SetActive(true);
  icon.SetIcon(6);
  EXPECT_EQ(platform.shell.back().message, kNimModify);
  EXPECT_EQ(platform.shell.back().record.icon, 6u);
}

TEST_F(TrayIconTest, StateChoosesThePicture) {
  platform.pictures[PictureSlot::kIcon] = 1;
  platform.pictures[PictureSlot::kDisabledIcon] = 2;
  icon.SetActive(true);
  icon.SetState(TZqTrayIconState::tsDisabled);
  EXPECT_EQ(platform.shell.back().record.icon, 2u);
  icon.SetState(TZqTrayIconState::tsEnabled);
  EXPECT_EQ(platform.shell.back().record.icon, 1u);
}

TEST_F(TrayIconTest, OnStateChangingMayAlterTheNewStateButNotSetIt) {
  platform.pictures[PictureSlot::kDisabledIcon] = 2;
  icon.SetActive(true);
  icon.OnStateChanging = [](TZqTrayIcon95&, TZqTrayIconState& next) {
    next = TZqTrayIconState::tsEnabled;  // veto
  };
  const size_t before = platform.shell.size();
  icon.SetState(TZqTrayIconState::tsDisabled);
  EXPECT_EQ(icon.State(), TZqTrayIconState::tsEnabled);
  EXPECT_EQ(platform.shell.size(), before);

  icon.OnStateChanging = [](TZqTrayIcon95& sender, TZqTrayIconState&) {
    sender.SetState(TZqTrayIconState::tsAnimated);
  };
  try {
    icon.SetState(TZqTrayIconState::tsDisabled);
    FAIL() << "state changed inside OnStateChanging";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "You cannot modify the state property in the OnStateChanging event !!!");
  }
  EXPECT_EQ(icon.State(), TZqTrayIconState::tsEnabled);
  icon.OnStateChanging = nullptr;
  icon.SetState(TZqTrayIconState::tsDisabled);  // the mark was cleared
  EXPECT_EQ(icon.State(), TZqTrayIconState::tsDisabled);
}

TEST_F(TrayIconTest, InactiveIconStoresStateWithoutAskingAndAnimatesOnActivation) {
  bool asked = false;
  icon.OnStateChanging = [&](TZqTrayIcon95&, TZqTrayIconState&) { asked = true; };
  platform.pictureFiles = {{"a.ico", 11}, {"b.ico", 12}};
  icon.Animation().SetIcons({"a.ico", "b.ico"});
  icon.SetState(TZqTrayIconState::tsAnimated);
  EXPECT_FALSE(asked);
  EXPECT_TRUE(platform.shell.empty());
  icon.SetActive(true);
  EXPECT_EQ(platform.shell.front().message, kNimAdd);
  EXPECT_EQ(platform.shell.front().record.icon, 11u);
}

TEST_F(TrayIconTest, AnimationCyclesFramesOneStepPerInterval) {
  platform.pictureFiles = {{"0.ico", 10}, {"1.ico", 11}, {"2.ico", 12}};
  icon.Animation().SetIcons({"0.ico", "1.ico", "missing.ico", "2.ico"});
  icon.Animation().SetIcons({"0.ico", "1.ico", "2.ico"});
  icon.Animation().SetInterval(300);
  int steps = 0;
  icon.OnAnimation = [&](TZqTrayIcon95&) { ++steps; };
  icon.SetActive(true);
  icon.SetState(TZqTrayIconState::tsAnimated);
  std::vector<PictureRef> shown{platform.shell.back().record.icon};
  for (int i = 0; i < 4; ++i) {
    RunFor(300);
    shown.push_back(platform.shell.back().record.icon);
  }
  EXPECT_EQ(shown, (std::vector<PictureRef>{10, 11, 12, 10, 11}));
  EXPECT_EQ(steps, 5);
  icon.SetState(TZqTrayIconState::tsEnabled);
  const size_t sent = platform.shell.size();
  RunFor(1000);
  EXPECT_EQ(platform.shell.size(), sent);  // stopped
}

TEST_F(TrayIconTest, AnimationFrameThatCannotBeOpenedOrEmptyListKeepsThePicture) {
  platform.pictures[PictureSlot::kIcon] = 9;
  icon.SetActive(true);
  icon.SetState(TZqTrayIconState::tsAnimated);  // empty list
  EXPECT_EQ(platform.shell.back().record.icon, 9u);
  platform.pictureFiles = {{"1.ico", 11}};
  icon.Animation().SetIcons({"missing.ico", "1.ico"});
  RunFor(1000);
  EXPECT_EQ(platform.shell.back().record.icon, 9u);
  RunFor(1000);
  EXPECT_EQ(platform.shell.back().record.icon, 11u);
}

TEST_F(TrayIconTest, ResourceFramesAreLoadedByUpperCaseName) {
  icon.Animation().SetOptions(TZqTrayIconAnimationOptions::aoIconsInExe);
  icon.Animation().SetIcons({"frame_a"});
  icon.SetActive(true);
  icon.SetState(TZqTrayIconState::tsAnimated);
  EXPECT_EQ(platform.log.back(), "resource FRAME_A");
}

TEST_F(TrayIconTest, SettingsWhileLoadingTakeEffectInLoaded) {
  icon.BeginLoading();
  icon.SetActive(true);
  icon.SetHint("tip");
  EXPECT_TRUE(platform.shell.empty());
  icon.Loaded();
  ASSERT_EQ(platform.shell.size(), 1u);
  EXPECT_EQ(platform.shell[0].message, kNimAdd);
  EXPECT_STREQ(platform.shell[0].record.tip, "tip");
}

TEST_F(TrayIconTest, ShellRestartAddsAnActiveIconAgain) {
  icon.ShellRestarted();
  EXPECT_TRUE(platform.shell.empty());
  icon.SetActive(true);
  icon.ShellRestarted();
  EXPECT_EQ(CountShell(kNimAdd), 2u);
}

TEST_F(TrayIconTest, DeferredCallRunsOnceFromItsMessageAndNewerReplacesOlder) {
  std::vector<int> ran;
  icon.PostDeferred([&] { ran.push_back(1); });
  icon.PostDeferred([&] { ran.push_back(2); });
  EXPECT_EQ(platform.log, (std::vector<std::string>{"post msgwindow 1125", "post msgwindow 1125"}));
  EXPECT_TRUE(ran.empty());
  icon.MsgWindow().HandleMessage(kTrayDeferredMessage, 0, 0);
  icon.MsgWindow().HandleMessage(kTrayDeferredMessage, 0, 0);
  EXPECT_EQ(ran, std::vector<int>{2});
}

TEST_F(TrayIconTest, FailingDeferredCallIsSwallowed) {
  icon.PostDeferred([] { throw std::runtime_error("boom"); });
  EXPECT_NO_THROW(icon.MsgWindow().HandleMessage(kTrayDeferredMessage, 0, 0));
  int ran = 0;
  icon.PostDeferred([&] { ++ran; });
  icon.MsgWindow().HandleMessage(kTrayDeferredMessage, 0, 0);
  EXPECT_EQ(ran, 1);
}

TEST_F(TrayIconTest, EndOfWindowsSessionRemovesTheIcon) {
  icon.SetActive(true);
  EXPECT_EQ(icon.MsgWindow().HandleMessage(kWmQueryEndSession, 0, 0), 1);
  icon.MsgWindow().HandleMessage(kWmEndSession, 0, 0);  // ending cancelled
  EXPECT_TRUE(icon.Active());
  icon.MsgWindow().HandleMessage(kWmEndSession, 1, 0);
  EXPECT_FALSE(icon.Active());
  EXPECT_EQ(platform.shell.back().message, kNimDelete);
  EXPECT_FALSE(icon.MsgWindow().HandleMessage(0x000F, 0, 0).has_value());  // default handling
}

}  // namespace
}  // namespace lt
