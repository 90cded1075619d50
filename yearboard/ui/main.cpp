// Yearboard's start-up: the calendar objects, the planner window, the first year shown, then
// the message loop, which lets the window see key releases ahead of its controls.
#include <windows.h>

#include "yearboard/base/system_win32.h"
#include "yearboard/calendar/automation_calendar_win32.h"
#include "yearboard/model/month.h"
#include "yearboard/ui/planner_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace yb;
  HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  std::unique_ptr<CalendarSession> calendar;
  try {
    calendar = std::make_unique<CalendarSession>(CreateAutomationApplication());
  } catch (const std::exception& error) {
    ShowCalendarError(nullptr, error);
    return 1;
  }
  FirstDayOfWeek = 2;
  RegistrySettingsStore settings;
  frmYearPlanner form(*calendar, settings, ReadSystemFormats());
  try {
    form.Load();
    form.Show();
    form.PreparePlanner();
    SYSTEMTIME now;
    GetLocalTime(&now);
    form.ShowYear(now.wYear);
  } catch (const CalendarError& error) {
    ShowCalendarError(form.Handle(), error);
    return 1;
  } catch (const std::exception& error) {
    MessageBoxA(form.Handle(), error.what(), "Yearboard", MB_OK | MB_ICONSTOP);
    return 1;
  }
  SetCursor(previous ? previous : LoadCursor(nullptr, IDC_ARROW));

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_KEYUP && (msg.hwnd == form.Handle() || IsChild(form.Handle(), msg.hwnd))) {
      form.Form_KeyUp(static_cast<int>(msg.wParam), GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                      GetKeyState(VK_MENU) < 0);
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
