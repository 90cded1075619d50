#include "linetally/ui/application_window.h"

#include "linetally/ui/message_boxes.h"

namespace lt {

HWND ApplicationWindow::FindRunning() { return FindWindowA("TApplication", kAppTitle); }

void ApplicationWindow::Create() {
  CreateForm("TApplication", kAppTitle, WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0,
             0, 0, nullptr);
}

}  // namespace lt
