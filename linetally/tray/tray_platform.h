#pragma once
// What the tray icon component asks of the platform: the shell's notification area, the
// pictures, the hidden message window, the pointer and keyboard, and the application window
// with its forms. The Win32 build implements it over user32/shell32; tests use a fake.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "linetally/tray/timer_manager.h"

namespace lt {

using WindowRef = std::uintptr_t;   // a window handle; 0 is none
using PictureRef = std::uintptr_t;  // an icon handle; 0 is none

// Shell_NotifyIconA messages.
constexpr uint32_t kNimAdd = 0;
constexpr uint32_t kNimModify = 1;
constexpr uint32_t kNimDelete = 2;

// The shell's original notification record, naturally aligned: its window and icon handles
// are pointer-sized, so it is 88 bytes in a 32-bit build and 104 in a 64-bit one.
constexpr uint32_t ShellRecordSize(uint32_t pointerBytes) {
  auto align = [&](uint32_t n) { return (n + pointerBytes - 1) / pointerBytes * pointerBytes; };
  const uint32_t icon = align(align(4) + pointerBytes + 12);  // size, window, id, flags, message
  return align(icon + pointerBytes + 64);                     // icon, tip
}

// The record handed to the shell on every call.
struct NotifyIconRecord {
  static constexpr uint32_t kTipSize = 64;  // 63 characters and the terminator
  uint32_t size = ShellRecordSize(sizeof(void*));
  WindowRef window = 0;
  uint32_t id = 42;
  uint32_t flags = 7;                 // message, icon and tip
  uint32_t callbackMessage = 0x464;   // WM_USER + 100 = 1124
  PictureRef icon = 0;
  char tip[kTipSize] = {};
};

constexpr uint32_t kTrayCallbackMessage = 0x464;  // 1124
constexpr uint32_t kTrayDeferredMessage = 0x465;  // 1125, WM_USER + 101
constexpr uint32_t kWmUser = 0x400;

struct TrayPoint {
  int x = 0;
  int y = 0;
};

// Keyboard and mouse-button state at the time of an event.
using ShiftState = unsigned;
constexpr ShiftState kShiftKey = 1, kAltKey = 2, kCtrlKey = 4;
constexpr ShiftState kLeftButton = 8, kRightButton = 16, kMiddleButton = 32;

enum class PictureSlot { kIcon, kDisabledIcon, kDisplay };
enum class ShowCommand { kHide, kShowNormal, kMinimize, kRestore };

class TrayPlatform : public TickSource, public PlatformTimer {
 public:
  // Shell; its answer is of no interest.
  virtual void NotifyIcon(uint32_t message, const NotifyIconRecord& record) = 0;

  // The component's three pictures. Assign copies the picture given.
  virtual void AssignPicture(PictureSlot slot, PictureRef picture) = 0;
  virtual void CopyPicture(PictureSlot from, PictureSlot to) = 0;
  virtual PictureRef Picture(PictureSlot slot) = 0;
  // Into the display picture; one that cannot be opened leaves the display picture as it was.
  virtual void LoadPictureFile(const std::string& path) = 0;
  virtual void LoadPictureResource(const std::string& name) = 0;  // 16 x 16 icon

  virtual WindowRef MessageWindow() = 0;
  virtual TrayPoint CursorPos() = 0;
  virtual ShiftState ReadShiftState() = 0;

  // Windows.
  virtual bool IsForm(WindowRef window) = 0;
  virtual WindowRef AppWindow() = 0;
  virtual WindowRef DesktopWindow() = 0;
  virtual WindowRef ExistingParkingWindow() = 0;  // 0 while not created
  virtual WindowRef ParkingWindow() = 0;          // created on first use
  virtual std::vector<WindowRef> Forms() = 0;     // the application's forms, bottom first
  virtual void SetOwner(WindowRef window, WindowRef owner) = 0;
  virtual void Show(WindowRef window, ShowCommand command) = 0;
  virtual void CloseForm(WindowRef form) = 0;
  virtual bool IsVisible(WindowRef window) = 0;
  virtual bool IsMinimized(WindowRef window) = 0;
  virtual void SetForeground(WindowRef window) = 0;
  virtual void Activate(WindowRef window) = 0;
  virtual void PostMessageTo(WindowRef window, uint32_t message) = 0;  // both parameters 0
  virtual void ProcessMessages() = 0;
  virtual void NormalizeTopMosts() = 0;
  virtual bool MinimizeAnimation() = 0;
  virtual void SetMinimizeAnimation(bool on) = 0;
  virtual void LockDesktopUpdates(bool lock) = 0;
  // Calls `callback` when `form` closes, before its own close handling (TZqNotifyOnFormClose).
  virtual void NotifyOnFormClose(WindowRef form, std::function<void()> callback) = 0;
};

// A menu the icon opens at a screen position; returns when the menu has closed.
class TrayPopupMenu {
 public:
  virtual ~TrayPopupMenu() = default;
  virtual void Popup(int x, int y) = 0;
};

}  // namespace lt
