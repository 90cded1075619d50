#include "linetally/tray/tray_msg_window.h"

#include <cstdlib>

#include "linetally/tray/tray_icon.h"

namespace lt {

TZqTrayIconMsgWindow::TZqTrayIconMsgWindow(TZqTrayIcon95& trayIcon)
    : trayIcon(trayIcon),
      clickTimer(trayIcon.TimerManager().AddItem(false, kDoubleClickWait,
                                                 [this](TZqTimerItem&) { ClickStep(); })),
      leaveTimer(trayIcon.TimerManager().AddItem(false, kLeaveCheckInterval,
                                                 [this](TZqTimerItem&) { LeaveCheck(); })) {}

std::optional<intptr_t> TZqTrayIconMsgWindow::HandleMessage(uint32_t message, uintptr_t wParam,
                                                            intptr_t lParam) {
  switch (message) {
    case kWmQueryEndSession:
      return 1;
    case kWmEndSession:
      if (wParam != 0) trayIcon.SetActive(false);
      return 0;
    case kTrayCallbackMessage:
      ShellNotification(static_cast<uint32_t>(lParam));
      return 0;
    case kTrayDeferredMessage:
      trayIcon.RunDeferred();
      return 0;
    default:
      return std::nullopt;
  }
}

void TZqTrayIconMsgWindow::ShellNotification(uint32_t mouseMessage) {
  TrayPlatform& platform = trayIcon.Platform();
  switch (mouseMessage) {
    case kWmMouseMove: {
      lastPos = platform.CursorPos();
      if (!trayIcon.OnMouseEnter && !trayIcon.OnMouseExit) {
        pointerInside = true;
      } else if (!pointerInside) {
        pointerInside = true;
        leaveTimer.SetEnabled(true);
        if (trayIcon.OnMouseEnter) {
          trayIcon.OnMouseEnter(trayIcon, platform.ReadShiftState(), lastPos.x, lastPos.y);
        }
        return;
      }
      if (trayIcon.OnMouseMove && !clickTimer.Enabled() && pointerInside) {
        trayIcon.OnMouseMove(trayIcon, platform.ReadShiftState(), lastPos.x, lastPos.y);
      }
      return;
    }
    case kWmLButtonDown:
    case kWmRButtonDown:
    case kWmMButtonDown:
      if (mouseMessage == kWmRButtonDown && trayIcon.AutoPopup() && trayIcon.PopupMenu()) {
        trayIcon.OpenPopupMenu(lastPos);
        return;
      }
      if (trayIcon.OnDblClick) {
        doubleClickSeen = false;
        clickTimer.SetEnabled(true);
      } else {
        trayIcon.PostDeferred([this] { ClickStep(); });
      }
      return;
    case kWmLButtonDblClk:
    case kWmRButtonDblClk:
    case kWmMButtonDblClk:
      doubleClickSeen = true;
      ClickStep();
      return;
    default:
      return;  // button releases and the rest
  }
}

void TZqTrayIconMsgWindow::ClickStep() {
  clickTimer.SetEnabled(false);
  // Cleared here: a double click left standing would turn every later click into a double.
  const bool wasDouble = doubleClickSeen;
  doubleClickSeen = false;
  const TZqTrayIcon95::NotifyEvent& event = wasDouble ? trayIcon.OnDblClick : trayIcon.OnClick;
  if (event) event(trayIcon);
}

void TZqTrayIconMsgWindow::LeaveCheck() {
  try {
    const TrayPoint pos = trayIcon.Platform().CursorPos();
    if (std::abs(pos.x - lastPos.x) <= 2 && std::abs(pos.y - lastPos.y) <= 2) return;
    pointerInside = false;
    if (trayIcon.OnMouseExit) {
      trayIcon.OnMouseExit(trayIcon, trayIcon.Platform().ReadShiftState(), lastPos.x, lastPos.y);
    }
    leaveTimer.SetEnabled(false);
  } catch (...) {
    // A failing leave check must not stop the timer loop; the next one tries again.
  }
}

}  // namespace lt
