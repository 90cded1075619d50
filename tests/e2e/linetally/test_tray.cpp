// Linetally in the notification area of Wine's desktop, worked with the real mouse: the icon and
// its pictures, the tray menu, the double-click, the tooltip, and no taskbar button.
#include <gtest/gtest.h>

#include <set>

#include "service_registry.h"
#include "tray_driver.h"

namespace e2e {
namespace {

constexpr COLORREF kIdleYellow = RGB(0xFF, 0xE0, 0x00);
constexpr COLORREF kOnlineGreen = RGB(0x20, 0xC0, 0x20);
constexpr COLORREF kGaugeRed = RGB(0xE0, 0x00, 0x00);

std::set<COLORREF> IconColours() {
  std::set<COLORREF> colours;
  const RECT r = IconRect();
  HDC screen = GetDC(nullptr);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) colours.insert(GetPixel(screen, x, y));
  ReleaseDC(nullptr, screen);
  return colours;
}

bool IconShows(COLORREF colour) { return IconColours().count(colour) != 0; }

void Button(DWORD down, DWORD up) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = down;
  inputs[1].mi.dwFlags = up;
  SendInput(2, inputs, sizeof inputs[0]);
}

void ClickAt(POINT p, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
  MoveMouse(p);
  Button(down, up);
}

void DoubleClickAt(POINT p) {
  MoveMouse(p);
  Button(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  Sleep(60);
  Button(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

HWND VisibleMenu(DWORD processId) {
  HWND menu = FindTopWindow(processId, "#32768");
  return Visible(menu) ? menu : nullptr;
}

class TrayTest : public ::testing::Test {
 protected:
  void Start() {
    app.Start();
    ASSERT_NE(FindTopWindow(app.Program().Id(), "TZqTrayIconMsgWindow"), nullptr);
    ASSERT_TRUE(WaitUntil([] { return IconShows(kIdleYellow); })) << "no idle icon in the tray";
  }
  // A right-button press on the icon; the tray menu that opens, or nullptr. It waits out the
  // double-click time first: a second press soon after the last is a double click.
  HWND OpenTrayMenu() {
    Sleep(int(GetDoubleClickTime()) + 100);
    ClickAt(IconCentre(), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = VisibleMenu(app.Program().Id())) != nullptr; });
    Sleep(200);
    return menu;
  }
  static int Height(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
  }

  LinetallyApp app;
};

TEST_F(TrayTest, IdleIconAppearsAndTheProgramHasNoTaskbarButton) {
  Start();
  Screenshot(nullptr, "linetally-tray-desktop");
  Screenshot(Taskbar(), "linetally-tray-idle");
  EXPECT_FALSE(IconShows(kOnlineGreen));
  EXPECT_FALSE(IconShows(kGaugeRed));
  // The taskbar's only button is the start button.
  int buttons = 0;
  for (HWND b = FindWindowExA(Taskbar(), nullptr, "Button", nullptr); b;
       b = FindWindowExA(Taskbar(), b, "Button", nullptr))
    buttons += Visible(b);
  EXPECT_EQ(buttons, 1);
}

TEST_F(TrayTest, RightPressOpensTheTrayMenuAndExitEndsTheProgram) {
  Start();
  HWND menu = OpenTrayMenu();
  ASSERT_NE(menu, nullptr) << "no menu";
  Screenshot(nullptr, "linetally-tray-menu");
  RECT r;
  GetWindowRect(menu, &r);
  EXPECT_LT(r.right - r.left, 300);
  // "Exit Linetally" is the last item.
  ClickAt(POINT{(r.left + r.right) / 2, r.bottom - 10});
  EXPECT_EQ(app.Program().WaitForExit(10000), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([] { return !IconShows(kIdleYellow); })) << "the icon stays after exit";
}

TEST_F(TrayTest, KeySequenceShowsTheDebugItemWhichStartsAndStopsASession) {
  Start();
  HWND menu = OpenTrayMenu();
  ASSERT_NE(menu, nullptr);
  const int withoutDebug = Height(menu);
  PressKey(menu, VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return VisibleMenu(app.Program().Id()) == nullptr; }));

  app.ShowDebugButton();
  menu = OpenTrayMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_GT(Height(menu), withoutDebug) << "no \"&Debug\" item";
  Screenshot(nullptr, "linetally-tray-menu-debug");
  TypeChars(menu, "d");
  EXPECT_TRUE(WaitUntil([&] { return app.Label1().rfind("Debugging for ", 0) == 0; })) << app.Label1();
  EXPECT_EQ(Text(app.Control(IDC_BUTTON1)), "&Stop");

  menu = OpenTrayMenu();  // now "Stop &Debugging"
  ASSERT_NE(menu, nullptr);
  Screenshot(nullptr, "linetally-tray-menu-stop");
  TypeChars(menu, "d");
  EXPECT_TRUE(WaitUntil([&] { return app.Rows().size() == 1; })) << "the session was not logged";
}

TEST_F(TrayTest, DoubleClickShowsTheHiddenMainWindow) {
  Start();
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(app.Main()); })) << "the close box did not hide";
  Sleep(300);
  DoubleClickAt(IconCentre());
  EXPECT_TRUE(WaitUntil([&] { return Visible(app.Main()); })) << "still hidden";
  EXPECT_TRUE(app.Program().Running());
  Screenshot(nullptr, "linetally-tray-shown-again");
}

TEST_F(TrayTest, MinimisingLeavesNothingOnTheDesktopAndTheTrayBringsTheWindowBack) {
  Start();
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(app.Main()); })) << "an iconic caption stays on the desktop";
  Sleep(300);
  Screenshot(nullptr, "linetally-minimised-desktop");
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == app.Program().Id()) {
      EXPECT_FALSE(Visible(w)) << ClassOf(w) << " shows";
    }
  }
  DoubleClickAt(IconCentre());
  EXPECT_TRUE(WaitUntil([&] { return Visible(app.Main()) && !IsIconic(app.Main()); })) << "still minimised";
}

TEST_F(TrayTest, SecondStartBringsTheRunningMainWindowForward) {
  Start();
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(app.Main()); }));
  Process second;
  second.Start(app.ExePath(), app.Folder().Path());
  EXPECT_EQ(second.WaitForExit(10000), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return Visible(app.Main()); })) << "the running window stays hidden";
  EXPECT_TRUE(app.Program().Running());
}

TEST_F(TrayTest, TooltipFollowsTheCostAndTheIconTurnsGreenOnLine) {
  app.Folder().Write("Lnt.dat", "01/02/2024 10:00:00,01/02/2024 10:05:00,300,Old,2.37,\r\n");
  WriteService("Anytime", Service{.cost = "0.6"});  // a cent a second, no minimum charge
  // The old session lies in an earlier billing period: only the running call counts against the budget.
  WriteRegistryString(HKEY_CURRENT_USER, kLinetallyKey, "editBudget", "0.01");
  Start();
  EXPECT_EQ(HoverTooltip("linetally-tray-tooltip-idle"), "Current \xA3" "0.00 / Total \xA3" "2.37");

  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  EXPECT_TRUE(WaitUntil([] { return IconShows(kOnlineGreen); }, 8000)) << "not green on line";
  EXPECT_FALSE(IconShows(kIdleYellow));
  Screenshot(Taskbar(), "linetally-tray-online");
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for " + DurationOf(3); }, 10000));
  const std::string during = HoverTooltip("linetally-tray-tooltip-online");
  EXPECT_EQ(during.rfind("Current \xA3" "0.0", 0), 0u) << during;
  EXPECT_NE(during, "Current \xA3" "0.00 / Total \xA3" "2.37");
  EXPECT_NE(during.find("(over budget)"), std::string::npos) << during;

  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 2; }));
  EXPECT_TRUE(WaitUntil([] { return IconShows(kIdleYellow); })) << "not idle after the session";
  EXPECT_FALSE(IconShows(kOnlineGreen));
}

TEST_F(TrayTest, MinimumChargeSessionShowsTheGaugeFrames) {
  WriteService("Minimum", Service{.cost = "0.6", .minOn = true, .minCharge = "1.00"});
  Start();
  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  EXPECT_TRUE(WaitUntil([] { return IconShows(kGaugeRed); }, 8000)) << "no gauge in the tray";
  EXPECT_TRUE(IconShows(kIdleYellow));
  Screenshot(Taskbar(), "linetally-tray-gauge");
  Click(app.Control(IDC_BUTTON1));
  EXPECT_TRUE(WaitUntil([] { return !IconShows(kGaugeRed); }));
}

}  // namespace
}  // namespace e2e
