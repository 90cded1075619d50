#include "linetally/ui/application_window.h"

#include "linetally/ui/message_boxes.h"

namespace lt {

HWND ApplicationWindow::FindRunning() { return FindWindowA("TApplication", kAppTitle); }

void ApplicationWindow::Create() {
  CreateForm("TApplication", kAppTitle, WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0,
             0, 0, nullptr);
}

namespace {

BOOL CALLBACK HideOwnedForm(HWND window, LPARAM application) {
  if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(application) && IsWindowVisible(window))
    ShowWindow(window, SW_HIDE);
  return TRUE;
}

}  // namespace

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The default minimise would show this window as an iconic caption on the desktop.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
    EnumThreadWindows(GetCurrentThreadId(), HideOwnedForm, reinterpret_cast<LPARAM>(Handle()));
    return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace lt
