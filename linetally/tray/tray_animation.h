#pragma once
// TZqTrayIconAnimation: the pictures the tray icon cycles through in state tsAnimated, one
// step per Interval, taken from icon files or from the program's icon resources.
#include <string>
#include <vector>

#include "linetally/tray/timer_manager.h"

namespace lt {

class TZqTrayIcon95;

enum class TZqTrayIconAnimationOptions { aoIconsInExe, aoIconsAreFiles };

class TZqTrayIconAnimation {
 public:
  explicit TZqTrayIconAnimation(TZqTrayIcon95& trayIcon);
  TZqTrayIconAnimation(const TZqTrayIconAnimation&) = delete;
  TZqTrayIconAnimation& operator=(const TZqTrayIconAnimation&) = delete;

  int Interval() const { return interval; }
  void SetInterval(int value);  // restarts a running animation
  const std::vector<std::string>& Icons() const { return icons; }
  void SetIcons(std::vector<std::string> value);
  TZqTrayIconAnimationOptions Options() const { return options; }
  void SetOptions(TZqTrayIconAnimationOptions value) { options = value; }
  int FrameIndex() const { return frameIndex; }

  void Start();
  void Step();
  void Stop();
  // Loads the current frame into the display picture; a frame that cannot be opened, or an
  // index past the list, leaves the picture as it was.
  void LoadFrame();

 private:
  bool Running() const;

  TZqTrayIcon95& trayIcon;
  TZqTimerItem& timerItem;
  int interval = 1000;
  std::vector<std::string> icons;
  TZqTrayIconAnimationOptions options = TZqTrayIconAnimationOptions::aoIconsAreFiles;
  int frameIndex = 0;
};

}  // namespace lt
