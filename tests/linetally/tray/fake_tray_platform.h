#pragma once
// A recording stand-in for the platform of the tray icon: a settable tick counter, the
// platform timer's period, every shell call, and a log of the window operations.
#include <map>
#include <string>
#include <vector>

#include "linetally/tray/tray_platform.h"

namespace lt::test {

struct ShellCall {
  uint32_t message;
  NotifyIconRecord record;
};

class FakeTrayPlatform : public TrayPlatform {
 public:
  static constexpr WindowRef kMainForm = 100, kOtherForm = 101, kAppWindow = 200,
                             kParking = 300, kDesktop = 400, kMsgWindow = 500;

  uint32_t now = 0;
  bool timerRunning = false;
  uint32_t timerPeriod = 0;
  std::vector<ShellCall> shell;
  std::vector<std::string> log;  // window operations in order
  std::map<PictureSlot, PictureRef> pictures;
  std::map<std::string, PictureRef> pictureFiles;  // files that can be opened
  TrayPoint cursor;
  ShiftState shift = 0;
  std::map<WindowRef, bool> visible{{kMainForm, true}, {kOtherForm, false}, {kAppWindow, false}};
  std::map<WindowRef, bool> minimized;
  bool parkingExists = false;
  bool minimizeAnimation = true;
  std::function<void()> formCloseCallback;

  uint32_t TickCount() override { return now; }
  void StartTimer(uint32_t periodMs) override { timerRunning = true, timerPeriod = periodMs; }
  void StopTimer() override { timerRunning = false; }

  void NotifyIcon(uint32_t message, const NotifyIconRecord& record) override {
    shell.push_back({message, record});
  }
  void AssignPicture(PictureSlot slot, PictureRef picture) override { pictures[slot] = picture; }
  void CopyPicture(PictureSlot from, PictureSlot to) override { pictures[to] = pictures[from]; }
  PictureRef Picture(PictureSlot slot) override { return pictures[slot]; }
  void LoadPictureFile(const std::string& path) override {
    auto it = pictureFiles.find(path);
    if (it != pictureFiles.end()) pictures[PictureSlot::kDisplay] = it->second;
  }
  void LoadPictureResource(const std::string& name) override { log.push_back("resource " + name); }

  WindowRef MessageWindow() override { return kMsgWindow; }
  TrayPoint CursorPos() override { return cursor; }
  ShiftState ReadShiftState() override { return shift; }

  bool IsForm(WindowRef window) override { return window == kMainForm || window == kOtherForm; }
  WindowRef AppWindow() override { return kAppWindow; }
  WindowRef DesktopWindow() override { return kDesktop; }
  WindowRef ExistingParkingWindow() override { return parkingExists ? kParking : 0; }
  WindowRef ParkingWindow() override {
    parkingExists = true;
    return kParking;
  }
  std::vector<WindowRef> Forms() override { return {kMainForm, kOtherForm}; }
  void SetOwner(WindowRef window, WindowRef owner) override {
    log.push_back("owner " + Name(window) + " " + Name(owner));
  }
  void Show(WindowRef window, ShowCommand command) override {
    static const char* const names[] = {"hide", "normal", "minimize", "restore"};
    log.push_back(std::string(names[static_cast<int>(command)]) + " " + Name(window));
    visible[window] = command != ShowCommand::kHide && command != ShowCommand::kMinimize;
    minimized[window] = command == ShowCommand::kMinimize;
  }
  void CloseForm(WindowRef form) override {
    log.push_back("close " + Name(form));
    visible[form] = false;
  }
  bool IsVisible(WindowRef window) override { return visible[window]; }
  bool IsMinimized(WindowRef window) override { return minimized[window]; }
  void SetForeground(WindowRef window) override { log.push_back("foreground " + Name(window)); }
  void Activate(WindowRef window) override { log.push_back("activate " + Name(window)); }
  void PostMessageTo(WindowRef window, uint32_t message) override {
    log.push_back("post " + Name(window) + " " + std::to_string(message));
  }
  void ProcessMessages() override { log.push_back("process messages"); }
  void NormalizeTopMosts() override { log.push_back("normalize topmosts"); }
  bool MinimizeAnimation() override { return minimizeAnimation; }
  void SetMinimizeAnimation(bool on) override {
    minimizeAnimation = on;
    log.push_back(on ? "animation on" : "animation off");
  }
  void LockDesktopUpdates(bool lock) override { log.push_back(lock ? "lock" : "unlock"); }
  void NotifyOnFormClose(WindowRef form, std::function<void()> callback) override {
    log.push_back("notify on close " + Name(form));
    formCloseCallback = std::move(callback);
  }

  static std::string Name(WindowRef window) {
    switch (window) {
      case 0: return "none";
      case kMainForm: return "main";
      case kOtherForm: return "other";
      case kAppWindow: return "app";
      case kParking: return "parking";
      case kDesktop: return "desktop";
      case kMsgWindow: return "msgwindow";
      default: return std::to_string(window);
    }
  }
};

}  // namespace lt::test
