// Linetally's entry: one copy only, the application window, the forms, the message loop.
#include <windows.h>
#include <commctrl.h>

#include "linetally/tray/tray_startup_win32.h"
#include "linetally/ui/application_window.h"
#include "linetally/ui/main_tray.h"
#include "linetally/ui/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (HWND running = lt::ApplicationWindow::FindRunning()) {
    lt::BringRunningInstanceForward(running);
    return 0;
  }

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  lt::TrayStartup trayStartup;  // before the application window: keeps the program off the taskbar
  lt::ApplicationWindow application;
  application.Create();
  lt::TfrmMain main(application.Handle());
  main.Create();

  return lt::RunApplication([&](MSG& message) { return main.TranslateShortcut(message); });
}
