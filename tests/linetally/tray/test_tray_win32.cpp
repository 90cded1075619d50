// The tray icon's Win32 layer under Wine: the parking window and start-up hook, the message
// window with real posted messages and timers, the close hook and the popup menu.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linetally/tray/tray_icon_win32.h"
#include "linetally/tray/tray_startup_win32.h"

namespace lt {
namespace {

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

HWND CreateOfClass(const char* className, HWND owner = nullptr, WNDPROC proc = DefWindowProcA) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &wc)) {
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
  }
  return CreateWindowExA(0, className, "Linetally", WS_POPUP | WS_CAPTION, 0, 0, 100, 100, owner,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < ms) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  }
}

TEST(TrayStartupWin32, ParkingWindowIsHidden50x50AtHalfTheScreen) {
  HWND parking = ParkingWindow();
  ASSERT_NE(parking, nullptr);
  EXPECT_EQ(ParkingWindow(), parking);
  EXPECT_EQ(ExistingParkingWindow(), parking);
  EXPECT_EQ(ClassOf(parking), "TZqApplication");
  EXPECT_FALSE(IsWindowVisible(parking));
  RECT r;
  GetWindowRect(parking, &r);
  EXPECT_EQ(r.right - r.left, 50);
  EXPECT_EQ(r.bottom - r.top, 50);
  EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) / 2);
  EXPECT_EQ(r.top, GetSystemMetrics(SM_CYSCREEN) / 2);
}

TEST(TrayStartupWin32, HookParksTheApplicationWindowOnceThenRemovesItself) {
  HWND app = nullptr, second = nullptr;
  {
    TrayStartup startup;
    EXPECT_TRUE(TrayStartup::HookInstalled());
    HWND other = CreateOfClass("SomethingElse");
    EXPECT_EQ(GetWindow(other, GW_OWNER), nullptr);
    EXPECT_TRUE(TrayStartup::HookInstalled());
    app = CreateOfClass("TApplication");
    EXPECT_EQ(GetWindow(app, GW_OWNER), ExistingParkingWindow());
    EXPECT_FALSE(TrayStartup::HookInstalled());
    second = CreateOfClass("TApplication");
    EXPECT_EQ(GetWindow(second, GW_OWNER), nullptr);
    DestroyWindow(other);
    DestroyWindow(second);
  }
  EXPECT_EQ(ExistingParkingWindow(), nullptr);  // destroyed at program end
  DestroyWindow(app);
}

class TrayIconWin32Test : public ::testing::Test {
 protected:
  TrayIconWin32Test() {
    app = CreateOfClass("TApplication");
    form = CreateOfClass("TfrmTest", app);
    tray = std::make_unique<Win32TrayIcon>(form);
  }
  ~TrayIconWin32Test() override {
    tray.reset();
    DestroyWindow(form);
    DestroyWindow(app);
  }
  void Notify(UINT mouseMessage) {
    PostMessageA(tray->MessageWindow(), 1124, 42, mouseMessage);
  }

  HWND app = nullptr, form = nullptr;
  std::unique_ptr<Win32TrayIcon> tray;
};

TEST_F(TrayIconWin32Test, MessageWindowIsAHiddenTopLevelWindowOfItsOwnClass) {
  HWND window = tray->MessageWindow();
  EXPECT_EQ(ClassOf(window), "TZqTrayIconMsgWindow");
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetParent(window), nullptr);
  EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
}

TEST_F(TrayIconWin32Test, OwnerThatIsNotAFormIsRefused) {
  HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, form, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  try {
    Win32TrayIcon icon(child);
    FAIL() << "a child window was accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "TrayIcons must be owned by a Form !");
  }
  DestroyWindow(child);
}

TEST_F(TrayIconWin32Test, ClicksThroughRealMessagesAndTimers) {
  int clicks = 0, doubles = 0;
  tray->Component().OnClick = [&](TZqTrayIcon95&) { ++clicks; };
  tray->Component().OnDblClick = [&](TZqTrayIcon95&) { ++doubles; };
  Notify(WM_LBUTTONDOWN);
  Notify(WM_LBUTTONUP);
  PumpFor(200);
  EXPECT_EQ(clicks, 0);  // still waiting for a second click
  PumpFor(600);
  EXPECT_EQ(clicks, 1);
  Notify(WM_LBUTTONDOWN);
  Notify(WM_LBUTTONDBLCLK);
  PumpFor(800);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIconWin32Test, DeferredCallRunsFromTheMessageLoop) {
  int ran = 0;
  tray->Component().PostDeferred([&] { ++ran; });
  EXPECT_EQ(ran, 0);
  PumpFor(50);
  EXPECT_EQ(ran, 1);
}

// Whether the shell holds an icon of the message window: only an existing icon can be modified.
bool ShellHasIcon(HWND messageWindow) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = messageWindow;
  data.uID = 42;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

TEST_F(TrayIconWin32Test, IconIsAddedRemovedAndAddedAgainWhenTheShellRestarts) {
  HWND window = tray->MessageWindow();
  tray->SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
  tray->Component().SetHint("Current \xA3" "0.00 / Total \xA3" "0.00");
  EXPECT_FALSE(ShellHasIcon(window));
  tray->Component().SetActive(true);
  EXPECT_TRUE(ShellHasIcon(window));

  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = 42;
  Shell_NotifyIconA(NIM_DELETE, &data);  // as a restarting shell forgets it
  ASSERT_FALSE(ShellHasIcon(window));
  SendMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(ShellHasIcon(window));

  SendMessageA(window, WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(tray->Component().Active());
  EXPECT_FALSE(ShellHasIcon(window));
}

TEST_F(TrayIconWin32Test, ApplicationMinimiseReachesTheTrayIcon) {
  int minimized = 0;
  tray->Component().OnAppMinimize = [&](TZqTrayIcon95&) { ++minimized; };
  SendMessageA(app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(minimized, 1);
  tray.reset();  // the handler goes with the icon
  SendMessageA(app, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(minimized, 1);
}

TEST_F(TrayIconWin32Test, HidingIntoTheTrayAndShowingAgainMoveTheRealWindows) {
  ShowWindow(form, SW_SHOWNORMAL);
  TZqTrayIcon95& icon = tray->Component();
  icon.SetActive(true);
  ANIMATIONINFO before{sizeof before, 0};
  SystemParametersInfoA(SPI_GETANIMATION, sizeof before, &before, 0);

  icon.HideApplication();  // the default options close the forms, at once
  EXPECT_FALSE(IsWindowVisible(form));
  EXPECT_FALSE(IsWindowVisible(app));
  EXPECT_EQ(GetWindow(app, GW_OWNER), ExistingParkingWindow());

  icon.SetOptions(0);
  icon.ShowApplication();
  PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_TRUE(IsWindowVisible(app));
  EXPECT_EQ(GetWindow(app, GW_OWNER), nullptr);

  icon.HideApplication();  // without closing: minimised without animation, then hidden
  PumpFor(100);
  EXPECT_FALSE(IsWindowVisible(form));
  EXPECT_FALSE(IsWindowVisible(app));
  EXPECT_EQ(GetWindow(app, GW_OWNER), nullptr);
  ANIMATIONINFO after{sizeof after, 0};
  SystemParametersInfoA(SPI_GETANIMATION, sizeof after, &after, 0);
  EXPECT_EQ(after.iMinAnimate, before.iMinAnimate);

  icon.SetOptions(Bit(TZqTrayIconOption::toHideTaskBarIconOnShowApp));
  icon.ShowApplication();
  PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_FALSE(IsWindowVisible(app));
  ShowWindow(app, SW_SHOWNORMAL);
  SendMessageA(form, WM_CLOSE, 0, 0);  // the close hook hides the application window again
  PumpFor(100);
  EXPECT_FALSE(IsWindowVisible(app));
}

std::vector<std::string>* closeLog = nullptr;
LRESULT CALLBACK LoggingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE && closeLog) closeLog->push_back("form closes");
  if (message == WM_CLOSE) return 0;  // stays
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(NotifyOnFormCloseWin32, CallbackRunsBeforeTheFormsOwnCloseAndOnlyOneHookPerForm) {
  std::vector<std::string> log;
  closeLog = &log;
  HWND form = CreateOfClass("TfrmClosing", nullptr, LoggingProcedure);
  TZqNotifyOnFormClose::Attach(form, [&](HWND sender) {
    log.push_back(sender == form ? "notified" : "wrong sender");
  });
  TZqNotifyOnFormClose::Attach(form, [&](HWND) { log.push_back("second hook"); });
  SendMessageA(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"notified", "form closes"}));
  DestroyWindow(form);
  closeLog = nullptr;
}

TEST(PopupMenuWin32, HiddenItemIsLeftOutAndDefaultItemIsSet) {
  HWND target = CreateOfClass("TfrmMenuTarget");
  Win32PopupMenu menu(target, {{1, "&Show", true}, {2, "&Debug", false}, {0, "", true}, {3, "Exit", true}}, 1);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 3);
  EXPECT_EQ(GetMenuDefaultItem(menu.Handle(), FALSE, 0), 1u);
  menu.SetVisible(2, true);
  menu.SetCaption(2, "Stop &Debugging");
  ASSERT_EQ(GetMenuItemCount(menu.Handle()), 4);
  char text[64] = {};
  GetMenuStringA(menu.Handle(), 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Stop &Debugging");
  EXPECT_TRUE(menu.Visible(2));
  EXPECT_EQ(GetMenuDefaultItem(menu.Handle(), FALSE, 0), 1u);
  DestroyWindow(target);
}

}  // namespace
}  // namespace lt
