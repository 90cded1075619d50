// Yearboard's start-up: the calendar (the remembered file, else the calendar client, else a
// file the user opens instead), the planner window, the first year shown, then the message
// loop, which lets the window see key releases ahead of its controls, gives the window its
// Ctrl+O and the item windows their Esc and Tab.
#include <windows.h>

#include "yearboard/base/system_win32.h"
#include "yearboard/calendar/automation_calendar_win32.h"
#include "yearboard/calendar/system_time_zones_win32.h"
#include "yearboard/model/month.h"
#include "yearboard/ui/item_window.h"
#include "yearboard/ui/planner_window.h"
#include "yearboard/ui/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace yb;
  HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  const Formats formats = ReadSystemFormats();
  RegistrySettingsStore settings;
  SystemTimeZones zones;
  ItemWindows items(formats);
  CalendarChoice choice(settings, zones, items, formats);
  std::string clientError;
  std::optional<ShownCalendar> calendar = choice.AtStartUp(clientError);
  if (!calendar) {
    ShowCalendarError(nullptr, CalendarError(clientError));
    return 1;
  }
  choice.Remember(*calendar);
  FirstDayOfWeek = 2;
  frmYearPlanner form(std::move(*calendar), choice, items, settings, formats);
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

  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_YEARBOARD));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    const bool forForm = msg.hwnd == form.Handle() || IsChild(form.Handle(), msg.hwnd);
    if (msg.message == WM_KEYUP && forForm) {
      form.Form_KeyUp(static_cast<int>(msg.wParam), GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                      GetKeyState(VK_MENU) < 0);
    }
    if (forForm && TranslateAcceleratorA(form.Handle(), accelerators, &msg)) continue;
    if (items.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
