#pragma once
// Keeping the program off the taskbar: the parking window (class "TZqApplication", never
// shown) becomes the owner of the application window ("TApplication") as it is created, caught
// by a call-window hook that TrayStartup installs before the application window exists.
// Also the message loop the program runs, and TZqNotifyOnFormClose.
#include <windows.h>

#include <functional>

namespace lt {

inline constexpr char kRegisterClassError[] = "Couldnt register window class: TZqApplication";

HWND ThreadApplicationWindow();      // this thread's "TApplication" window, or nullptr
HWND ExistingParkingWindow();  // nullptr while not created
HWND ParkingWindow();          // created on first use; throws std::runtime_error(kRegisterClassError)

// Lives for the whole program: created first in the entry, destroyed last.
class TrayStartup {
 public:
  TrayStartup();
  ~TrayStartup();
  TrayStartup(const TrayStartup&) = delete;
  TrayStartup& operator=(const TrayStartup&) = delete;
  static bool HookInstalled();
};

// The message loop until WM_QUIT, whose code it returns. `preTranslate` may take a message
// (accelerators, dialog keys) by returning true.
int RunApplication(const std::function<bool(MSG&)>& preTranslate = nullptr);

// The standard error box: stop icon, OK, the application window's title ("Linetally").
void ShowApplicationError(const char* text);

// Calls a callback when a form receives WM_CLOSE, before the form's own handling. A form keeps
// one such hook; attaching a second does nothing. The hook goes with the form.
class TZqNotifyOnFormClose {
 public:
  static void Attach(HWND form, std::function<void(HWND sender)> callback);

 private:
  TZqNotifyOnFormClose(HWND form, std::function<void(HWND)> callback);
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND form;
  WNDPROC previous;
  std::function<void(HWND)> callback;
};

}  // namespace lt
