#pragma once
// The hidden top-level application window (class "TApplication", title "Linetally") that owns
// the forms; a second copy of the program finds it and ends. Minimising it hides its forms and
// leaves it hidden: the program has no taskbar button, so the tray brings the forms back.
#include "linetally/ui/window_base.h"

namespace lt {

class ApplicationWindow : public Window {
 public:
  // The running instance's application window, if there is one.
  static HWND FindRunning();
  void Create();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace lt
