#include "linetally/tray/tray_icon.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace lt {

TZqTrayIcon95::TZqTrayIcon95(TrayPlatform& platform, WindowRef owner)
    : platform(platform), owner(owner), timerManager(platform, platform) {
  if (owner == 0 || !platform.IsForm(owner)) throw std::invalid_argument(kTrayOwnerError);
  timerManager.SetEnabled(true);
  msgWindow = std::make_unique<TZqTrayIconMsgWindow>(*this);
  animation = std::make_unique<TZqTrayIconAnimation>(*this);
  SetShowHint(true);
  // Started after the parking window took the application window: take its taskbar button.
  if (platform.ExistingParkingWindow() != 0) {
    platform.Show(platform.AppWindow(), ShowCommand::kHide);
    platform.SetOwner(platform.AppWindow(), 0);
  }
}

TZqTrayIcon95::~TZqTrayIcon95() {
  timerManager.SetEnabled(false);
  try {
    SetActive(false);
  } catch (...) {
    // The icon goes with the process anyway.
  }
}

void TZqTrayIcon95::Loaded() {
  loading = false;
  if (activeWhenLoaded) SetActive(true);
}

void TZqTrayIcon95::SetActive(bool value) {
  if (loading) {
    activeWhenLoaded = value;
    return;
  }
  if (value == active) return;
  if (value) {
    RefreshDisplayIcon();
    active = true;
    SendToShell(kNimAdd);
    if (state == TZqTrayIconState::tsAnimated) animation->Start();
  } else {
    active = false;
    if (state == TZqTrayIconState::tsAnimated) animation->Stop();
    SendToShell(kNimDelete);
  }
}

void TZqTrayIcon95::SetHint(const std::string& value) {
  if (value == hint) return;
  hint = value;
  if (showHint) SetShowHint(true);
}

void TZqTrayIcon95::SetShowHint(bool value) {
  showHint = value;
  tip.fill('\0');
  if (showHint) {
    const size_t n = std::min(hint.size(), tip.size() - 1);
    std::memcpy(tip.data(), hint.data(), n);
  }
  if (active) Update();
}

void TZqTrayIcon95::SetIcon(PictureRef picture) {
  platform.AssignPicture(PictureSlot::kIcon, picture);
  RefreshDisplayIcon();
}

void TZqTrayIcon95::SetDisabledIcon(PictureRef picture) {
  platform.AssignPicture(PictureSlot::kDisabledIcon, picture);
  RefreshDisplayIcon();
}

void TZqTrayIcon95::SetState(TZqTrayIconState value) {
  if (stateChanging) {
    stateChanging = false;
    throw std::logic_error(kStateChangeError);
  }
  if (!active || loading) {
    state = value;
    return;
  }
  if (value == state) return;
  if (OnStateChanging) {
    stateChanging = true;
    try {
      OnStateChanging(*this, value);
    } catch (...) {
      stateChanging = false;
      throw;
    }
    stateChanging = false;
  }
  if (value == state) return;
  if (state == TZqTrayIconState::tsAnimated) animation->Stop();
  state = value;
  RefreshDisplayIcon();
  if (state == TZqTrayIconState::tsAnimated) animation->Start();
}

void TZqTrayIcon95::Update() {
  if (!loading) SendToShell(kNimModify);
}

void TZqTrayIcon95::RefreshDisplayIcon() {
  switch (state) {
    case TZqTrayIconState::tsEnabled:
      platform.CopyPicture(PictureSlot::kIcon, PictureSlot::kDisplay);
      break;
    case TZqTrayIconState::tsDisabled:
      platform.CopyPicture(PictureSlot::kDisabledIcon, PictureSlot::kDisplay);
      break;
    case TZqTrayIconState::tsAnimated:
      animation->LoadFrame();
      break;
  }
  if (active) Update();
}

void TZqTrayIcon95::ShellRestarted() {
  if (active && !loading) SendToShell(kNimAdd);
}

void TZqTrayIcon95::SendToShell(uint32_t message) {
  NotifyIconRecord record;
  record.window = platform.MessageWindow();
  record.icon = platform.Picture(PictureSlot::kDisplay);
  std::memcpy(record.tip, tip.data(), sizeof record.tip);
  platform.NotifyIcon(message, record);
}

void TZqTrayIcon95::PostDeferred(std::function<void()> call) {
  pending = std::move(call);
  platform.PostMessageTo(platform.MessageWindow(), kTrayDeferredMessage);
}

void TZqTrayIcon95::RunDeferred() {
  if (!pending) return;
  auto call = std::move(pending);
  pending = nullptr;
  try {
    call();
  } catch (...) {
    pending = nullptr;
  }
}

void TZqTrayIcon95::OpenPopupMenu(TrayPoint at) {
  if (popupMenu == nullptr) return;
  const WindowRef app = platform.AppWindow();
  platform.SetForeground(app);
  platform.ProcessMessages();
  popupMenu->Popup(at.x, at.y);
  // Without a message after it, the menu would not close when the user clicks elsewhere.
  platform.PostMessageTo(app, kWmUser);
  bool formVisible = false;
  for (WindowRef form : platform.Forms()) formVisible = formVisible || platform.IsVisible(form);
  if (!(!platform.IsVisible(app) && !platform.IsMinimized(app) && formVisible)) {
    platform.SetForeground(platform.DesktopWindow());
  }
}

}  // namespace lt
