// The tray icon's platform over user32 and shell32.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <map>
#include <stdexcept>

#include "linetally/tray/tray_icon_win32.h"
#include "linetally/tray/tray_startup_win32.h"

namespace lt {
namespace {

constexpr char kMsgWindowClass[] = "TZqTrayIconMsgWindow";
constexpr UINT_PTR kPlatformTimerId = 1;
static_assert(NOTIFYICONDATAA_V1_SIZE == NotifyIconRecord{}.size, "the shell record is the original one");

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

HWND Hwnd(WindowRef window) { return reinterpret_cast<HWND>(window); }
WindowRef Ref(HWND hwnd) { return reinterpret_cast<WindowRef>(hwnd); }

}  // namespace

class Win32TrayPlatform : public TrayPlatform {
 public:
  Win32TrayPlatform();
  ~Win32TrayPlatform() override;
  void Attach(TZqTrayIcon95& icon);  // the component now exists
  void Detach();                     // before the component goes

  uint32_t TickCount() override { return GetTickCount(); }
  void StartTimer(uint32_t periodMs) override { SetTimer(msgWindow, kPlatformTimerId, periodMs, nullptr); }
  void StopTimer() override { KillTimer(msgWindow, kPlatformTimerId); }

  void NotifyIcon(uint32_t message, const NotifyIconRecord& record) override {
    NOTIFYICONDATAA data{};
    data.cbSize = record.size;
    data.hWnd = Hwnd(record.window);
    data.uID = record.id;
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.icon);
    std::memcpy(data.szTip, record.tip, sizeof record.tip);
    Shell_NotifyIconA(message, &data);
  }

  void AssignPicture(PictureSlot slot, PictureRef picture) override {
    HICON icon = reinterpret_cast<HICON>(picture);
    pictures[slot].reset(icon ? CopyIcon(icon) : nullptr);
  }
  void CopyPicture(PictureSlot from, PictureSlot to) override {
    if (from != to) AssignPicture(to, Picture(from));
  }
  PictureRef Picture(PictureSlot slot) override {
    return reinterpret_cast<PictureRef>(pictures[slot].get());
  }
  void LoadPictureFile(const std::string& path) override {
    Keep(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
  }
  void LoadPictureResource(const std::string& name) override {
    Keep(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, 16, 16, 0));
  }

  WindowRef MessageWindow() override { return Ref(msgWindow); }
  TrayPoint CursorPos() override {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
  }
  ShiftState ReadShiftState() override {
    auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return (down(VK_SHIFT) ? kShiftKey : 0) | (down(VK_MENU) ? kAltKey : 0) |
           (down(VK_CONTROL) ? kCtrlKey : 0) | (down(VK_LBUTTON) ? kLeftButton : 0) |
           (down(VK_RBUTTON) ? kRightButton : 0) | (down(VK_MBUTTON) ? kMiddleButton : 0);
  }

  bool IsForm(WindowRef window) override {
    return IsWindow(Hwnd(window)) && (GetWindowLongA(Hwnd(window), GWL_STYLE) & WS_CHILD) == 0;
  }
  WindowRef AppWindow() override { return Ref(ThreadApplicationWindow()); }
  WindowRef DesktopWindow() override { return Ref(GetDesktopWindow()); }
  WindowRef ExistingParkingWindow() override { return Ref(lt::ExistingParkingWindow()); }
  WindowRef ParkingWindow() override { return Ref(lt::ParkingWindow()); }
  std::vector<WindowRef> Forms() override {
    struct Search {
      HWND app;
      std::vector<WindowRef> forms;
    } search{ThreadApplicationWindow(), {}};
    if (search.app == nullptr) return {};
    struct Collect {
      static BOOL CALLBACK Form(HWND hwnd, LPARAM param) {
        auto* s = reinterpret_cast<Search*>(param);
        if (GetWindow(hwnd, GW_OWNER) == s->app) s->forms.insert(s->forms.begin(), Ref(hwnd));
        return TRUE;
      }
    };
    EnumThreadWindows(GetCurrentThreadId(), Collect::Form, reinterpret_cast<LPARAM>(&search));
    return search.forms;
  }
  void SetOwner(WindowRef window, WindowRef owner) override {
    SetWindowLongPtrA(Hwnd(window), GWLP_HWNDPARENT, static_cast<LONG_PTR>(owner));
  }
  void Show(WindowRef window, ShowCommand command) override {
    static const int commands[] = {SW_HIDE, SW_SHOWNORMAL, SW_MINIMIZE, SW_RESTORE};
    ShowWindow(Hwnd(window), commands[static_cast<int>(command)]);
  }
  void CloseForm(WindowRef form) override { SendMessageA(Hwnd(form), WM_CLOSE, 0, 0); }
  bool IsVisible(WindowRef window) override { return IsWindowVisible(Hwnd(window)) != FALSE; }
  bool IsMinimized(WindowRef window) override { return IsIconic(Hwnd(window)) != FALSE; }
  void SetForeground(WindowRef window) override { SetForegroundWindow(Hwnd(window)); }
  void Activate(WindowRef window) override { SetActiveWindow(Hwnd(window)); }
  void PostMessageTo(WindowRef window, uint32_t message) override {
    PostMessageA(Hwnd(window), message, 0, 0);
  }
  void ProcessMessages() override {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop
        return;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  void NormalizeTopMosts() override {
    for (WindowRef form : Forms()) {
      if (GetWindowLongA(Hwnd(form), GWL_EXSTYLE) & WS_EX_TOPMOST) {
        SetWindowPos(Hwnd(form), HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
    }
  }
  bool MinimizeAnimation() override {
    ANIMATIONINFO info{sizeof info, 0};
    SystemParametersInfoA(SPI_GETANIMATION, sizeof info, &info, 0);
    return info.iMinAnimate != 0;
  }
  void SetMinimizeAnimation(bool on) override {
    ANIMATIONINFO info{sizeof info, on ? 1 : 0};
    SystemParametersInfoA(SPI_SETANIMATION, sizeof info, &info, 0);
  }
  void LockDesktopUpdates(bool lock) override { LockWindowUpdate(lock ? GetDesktopWindow() : nullptr); }
  void NotifyOnFormClose(WindowRef form, std::function<void()> callback) override {
    TZqNotifyOnFormClose::Attach(Hwnd(form), [callback](HWND) { callback(); });
  }

 private:
  static LRESULT CALLBACK MsgWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK AppWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Keep(HANDLE loaded) {
    if (loaded) pictures[PictureSlot::kDisplay].reset(static_cast<HICON>(loaded));
  }

  HWND msgWindow = nullptr;
  UINT taskbarCreated = 0;
  TZqTrayIcon95* icon = nullptr;
  std::map<PictureSlot, IconHandle> pictures;

  // The application's minimise and restore handlers: the latest tray icon's.
  static Win32TrayPlatform* appHandler;
  static HWND subclassedApp;
  static WNDPROC appPrevious;
};

Win32TrayPlatform* Win32TrayPlatform::appHandler = nullptr;
HWND Win32TrayPlatform::subclassedApp = nullptr;
WNDPROC Win32TrayPlatform::appPrevious = nullptr;

Win32TrayPlatform::Win32TrayPlatform() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing;
  if (!GetClassInfoA(instance, kMsgWindowClass, &existing)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = MsgWindowProcedure;
    wc.hInstance = instance;
    wc.lpszClassName = kMsgWindowClass;
    if (!RegisterClassA(&wc)) throw std::runtime_error("Couldnt register window class: TZqTrayIconMsgWindow");
  }
  // Top-level, so that it hears the shell's "TaskbarCreated" broadcast.
  msgWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kMsgWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
  if (msgWindow == nullptr) throw std::runtime_error("Couldnt create the tray icon's window");
  taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
}

Win32TrayPlatform::~Win32TrayPlatform() {
  Detach();
  DestroyWindow(msgWindow);
}

void Win32TrayPlatform::Attach(TZqTrayIcon95& trayIcon) {
  icon = &trayIcon;
  SetWindowLongPtrA(msgWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  HWND app = ThreadApplicationWindow();
  if (app != nullptr && subclassedApp != app) {
    appPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(app, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AppWindowProcedure)));
    subclassedApp = app;
  }
  appHandler = this;
}

void Win32TrayPlatform::Detach() {
  icon = nullptr;
  if (appHandler == this) {
    appHandler = nullptr;
    if (subclassedApp && IsWindow(subclassedApp)) {
      SetWindowLongPtrA(subclassedApp, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(appPrevious));
    }
    subclassedApp = nullptr;
  }
}

LRESULT CALLBACK Win32TrayPlatform::MsgWindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                       LPARAM lParam) {
  auto* self = reinterpret_cast<Win32TrayPlatform*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr || self->icon == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    if (message == WM_TIMER && wParam == kPlatformTimerId) {
      self->icon->TimerManager().Tick();
      return 0;
    }
    if (message == self->taskbarCreated) {
      self->icon->ShellRestarted();
      return 0;
    }
    if (auto result = self->icon->MsgWindow().HandleMessage(message, wParam, lParam)) return *result;
  } catch (const std::exception& error) {
    ShowApplicationError(error.what());
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32TrayPlatform::AppWindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                       LPARAM lParam) {
  const LRESULT result = CallWindowProcA(appPrevious, hwnd, message, wParam, lParam);
  if (message == WM_SYSCOMMAND && appHandler != nullptr && appHandler->icon != nullptr) {
    try {
      if ((wParam & 0xFFF0) == SC_MINIMIZE) appHandler->icon->AppMinimized();
      if ((wParam & 0xFFF0) == SC_RESTORE) appHandler->icon->AppRestored();
    } catch (const std::exception& error) {
      ShowApplicationError(error.what());
    }
  }
  return result;
}

Win32TrayIcon::Win32TrayIcon(HWND ownerForm)
    : platform(std::make_unique<Win32TrayPlatform>()),
      component(std::make_unique<TZqTrayIcon95>(*platform, reinterpret_cast<WindowRef>(ownerForm))) {
  platform->Attach(*component);
}

Win32TrayIcon::~Win32TrayIcon() {
  // The component removes the icon; its window must not call into it meanwhile.
  platform->Detach();
  component.reset();
}

HWND Win32TrayIcon::MessageWindow() const { return Hwnd(platform->MessageWindow()); }

}  // namespace lt
