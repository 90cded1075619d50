#pragma once
// TZqTrayIconMsgWindow: what the hidden window of the tray icon does with its messages. The
// shell's mouse notifications become click, double-click, move, enter and exit events: with
// OnDblClick set, a click is reported only after the 400 ms double-click wait has passed
// without a double click; while the pointer is over the icon, a 70 ms check notices it leave.
#include <cstdint>
#include <optional>

#include "linetally/tray/timer_manager.h"
#include "linetally/tray/tray_platform.h"

namespace lt {

class TZqTrayIcon95;

// Window message numbers the handler knows.
constexpr uint32_t kWmQueryEndSession = 0x0011;
constexpr uint32_t kWmEndSession = 0x0016;
constexpr uint32_t kWmMouseMove = 0x0200;
constexpr uint32_t kWmLButtonDown = 0x0201;
constexpr uint32_t kWmLButtonDblClk = 0x0203;
constexpr uint32_t kWmRButtonDown = 0x0204;
constexpr uint32_t kWmRButtonDblClk = 0x0206;
constexpr uint32_t kWmMButtonDown = 0x0207;
constexpr uint32_t kWmMButtonDblClk = 0x0209;

class TZqTrayIconMsgWindow {
 public:
  static constexpr int kDoubleClickWait = 400;
  static constexpr int kLeaveCheckInterval = 70;

  explicit TZqTrayIconMsgWindow(TZqTrayIcon95& trayIcon);
  TZqTrayIconMsgWindow(const TZqTrayIconMsgWindow&) = delete;
  TZqTrayIconMsgWindow& operator=(const TZqTrayIconMsgWindow&) = delete;

  // The result for a message it handles; nothing for the rest (default handling).
  std::optional<intptr_t> HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

 private:
  void ShellNotification(uint32_t mouseMessage);
  void ClickStep();
  void LeaveCheck();

  TZqTrayIcon95& trayIcon;
  bool doubleClickSeen = false;
  bool pointerInside = false;
  TrayPoint lastPos;
  TZqTimerItem& clickTimer;
  TZqTimerItem& leaveTimer;
};

}  // namespace lt
