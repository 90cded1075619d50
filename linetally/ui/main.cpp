// Linetally's entry: one copy only, the application window, the forms, the message loop.
#include <windows.h>
#include <commctrl.h>

#include "linetally/ui/application_window.h"
#include "linetally/ui/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (lt::ApplicationWindow::FindRunning()) return 0;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  lt::ApplicationWindow application;
  application.Create();
  lt::TfrmMain main(application.Handle());
  main.Create();

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (main.TranslateShortcut(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return int(message.wParam);
}
