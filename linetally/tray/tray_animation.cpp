#include "linetally/tray/tray_animation.h"

#include <algorithm>
#include <cctype>

#include "linetally/tray/tray_icon.h"

namespace lt {

TZqTrayIconAnimation::TZqTrayIconAnimation(TZqTrayIcon95& trayIcon)
    : trayIcon(trayIcon),
      timerItem(trayIcon.TimerManager().AddItem(false, 1000, [this](TZqTimerItem&) { Step(); })) {}

bool TZqTrayIconAnimation::Running() const {
  return trayIcon.Active() && trayIcon.State() == TZqTrayIconState::tsAnimated;
}

void TZqTrayIconAnimation::SetInterval(int value) {
  if (value == interval) return;
  interval = value;
  if (Running()) Start();
}

void TZqTrayIconAnimation::SetIcons(std::vector<std::string> value) {
  icons = std::move(value);
  if (Running()) frameIndex = 0;
}

void TZqTrayIconAnimation::Start() {
  timerItem.SetEnabled(false);
  frameIndex = 0;
  Step();
  if (trayIcon.State() == TZqTrayIconState::tsAnimated) {
    timerItem.SetInterval(interval);
    timerItem.SetEnabled(true);
  }
}

void TZqTrayIconAnimation::Step() {
  if (trayIcon.OnAnimation) trayIcon.OnAnimation(trayIcon);
  trayIcon.RefreshDisplayIcon();
  if (frameIndex < static_cast<int>(icons.size()) - 1) {
    ++frameIndex;
  } else {
    frameIndex = 0;
  }
}

void TZqTrayIconAnimation::Stop() { timerItem.SetEnabled(false); }

void TZqTrayIconAnimation::LoadFrame() {
  if (frameIndex >= static_cast<int>(icons.size())) return;
  const std::string& entry = icons[frameIndex];
  if (options == TZqTrayIconAnimationOptions::aoIconsAreFiles) {
    trayIcon.Platform().LoadPictureFile(entry);
  } else {
    std::string name = entry;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    trayIcon.Platform().LoadPictureResource(name);
  }
}

}  // namespace lt
