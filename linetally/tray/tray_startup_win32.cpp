#include "linetally/tray/tray_startup_win32.h"

#include <cstring>
#include <stdexcept>

namespace lt {
namespace {

constexpr char kParkingClass[] = "TZqApplication";
constexpr char kNotifyProperty[] = "TZqNotifyOnFormClose";

HWND parkingWindow = nullptr;
HHOOK callWindowHook = nullptr;

LRESULT CALLBACK ParkingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Parks the application window as it is created, then steps aside.
LRESULT CALLBACK CallWindowHook(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK self = callWindowHook;
  if (code >= 0) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char className[32] = {};
    if (call->message == WM_CREATE && GetClassNameA(call->hwnd, className, sizeof className) &&
        std::strcmp(className, "TApplication") == 0 && parkingWindow != nullptr) {
      SetWindowLongPtrA(call->hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(parkingWindow));
      UnhookWindowsHookEx(callWindowHook);
      callWindowHook = nullptr;
    }
  }
  return CallNextHookEx(self, code, wParam, lParam);
}

BOOL CALLBACK FindApplicationWindow(HWND hwnd, LPARAM result) {
  char className[32] = {};
  if (GetClassNameA(hwnd, className, sizeof className) && std::strcmp(className, "TApplication") == 0) {
    *reinterpret_cast<HWND*>(result) = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND ThreadApplicationWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindApplicationWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND ExistingParkingWindow() { return parkingWindow; }

HWND ParkingWindow() {
  if (parkingWindow != nullptr) return parkingWindow;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing;
  if (!GetClassInfoA(instance, kParkingClass, &existing)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParkingProcedure;
    wc.hInstance = instance;
    wc.lpszClassName = kParkingClass;
    if (!RegisterClassA(&wc)) throw std::runtime_error(kRegisterClassError);
  }
  parkingWindow = CreateWindowExA(0, kParkingClass, "", WS_POPUP, GetSystemMetrics(SM_CXSCREEN) / 2,
                                  GetSystemMetrics(SM_CYSCREEN) / 2, 50, 50, nullptr, nullptr,
                                  instance, nullptr);
  return parkingWindow;
}

TrayStartup::TrayStartup() {
  ParkingWindow();
  LockWindowUpdate(GetDesktopWindow());
  callWindowHook = SetWindowsHookExA(WH_CALLWNDPROC, CallWindowHook, nullptr, GetCurrentThreadId());
  LockWindowUpdate(nullptr);
}

TrayStartup::~TrayStartup() {
  if (callWindowHook != nullptr) {
    UnhookWindowsHookEx(callWindowHook);
    callWindowHook = nullptr;
  }
  if (parkingWindow != nullptr) {
    DestroyWindow(parkingWindow);
    parkingWindow = nullptr;
  }
}

bool TrayStartup::HookInstalled() { return callWindowHook != nullptr; }

int RunApplication(const std::function<bool(MSG&)>& preTranslate) {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (preTranslate && preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void ShowApplicationError(const char* text) {
  char title[64] = "Linetally";
  if (HWND app = ThreadApplicationWindow()) GetWindowTextA(app, title, sizeof title);
  MessageBoxA(nullptr, text, title, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void TZqNotifyOnFormClose::Attach(HWND form, std::function<void(HWND)> callback) {
  if (form == nullptr || GetPropA(form, kNotifyProperty) != nullptr) return;
  auto* hook = new TZqNotifyOnFormClose(form, std::move(callback));
  SetPropA(form, kNotifyProperty, hook);
}

TZqNotifyOnFormClose::TZqNotifyOnFormClose(HWND form, std::function<void(HWND)> callback)
    : form(form),
      previous(reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)))),
      callback(std::move(callback)) {}

LRESULT CALLBACK TZqNotifyOnFormClose::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  auto* self = static_cast<TZqNotifyOnFormClose*>(GetPropA(hwnd, kNotifyProperty));
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  const WNDPROC previous = self->previous;
  if (message == WM_CLOSE && self->callback) {
    try {
      self->callback(hwnd);
    } catch (const std::exception& error) {
      ShowApplicationError(error.what());  // the form's own close handling still runs
    }
  } else if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(hwnd, kNotifyProperty);
    delete self;
  }
  return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

}  // namespace lt
