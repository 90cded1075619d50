#pragma once
// Linetally in the notification area: the main window's TrayIcon with its tray menu PopupMenu2
// ("&Show Linetally" in bold, the hidden "&Debug", "Exit Linetally") and the 17 pictures of
// ImageList2. The menu's commands reach the main window as WM_COMMAND (IDM_RESTORE1, IDM_DEBUG1,
// IDM_EXIT2); a double-click on the icon runs the show command directly.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "linetally/tray/tray_icon_win32.h"

namespace lt {

class MainTray {
 public:
  // `restore` is the show command (Restore1Click).
  MainTray(HWND mainWindow, std::function<void()> restore);
  ~MainTray();
  MainTray(const MainTray&) = delete;
  MainTray& operator=(const MainTray&) = delete;

  void SetHint(const std::string& hint);
  void ShowFrame(int frame);  // 0..14 gauge, 15 on line, 16 idle
  void SetDebugCaption(bool debugging);
  void SetDebugVisible(bool visible);
  void Deactivate();  // the main window is going: the icon leaves the notification area

 private:
  HIMAGELIST imageList2 = nullptr;
  int frame = -1;
  Win32PopupMenu popupMenu2;
  Win32TrayIcon trayIcon;
};

// A second start: asks the running instance, found by its application window, to show its main
// window, and lets it come to the front.
void BringRunningInstanceForward(HWND runningApplicationWindow);

}  // namespace lt
