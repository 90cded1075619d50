#include "tools/calendar-standin/appointment_window_win32.h"

#include <oleauto.h>

#include <cmath>
#include <stdexcept>

#include "tools/calendar-standin/dispatch_object_win32.h"

namespace standin {

HINSTANCE gModule = nullptr;

namespace {

enum ControlId { kCloseButton = 100 };

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

// The user's short date, then the time without seconds unless it is midnight.
std::wstring DateText(double oleDate) {
  SYSTEMTIME t{};
  if (!VariantTimeToSystemTime(oleDate, &t)) return L"?";
  wchar_t date[64] = {}, time[64] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, 64);
  if (t.wHour == 0 && t.wMinute == 0 && t.wSecond == 0) return date;
  GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &t, nullptr, time, 64);
  return std::wstring(date) + L" " + time;
}

HWND Child(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, int x, int y,
           int w, int h, int id = 0) {
  HWND hwnd = CreateWindowExW(lstrcmpW(cls, L"EDIT") == 0 ? WS_EX_CLIENTEDGE : 0, cls, text.c_str(),
                              WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), gModule, nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return hwnd;
}

void Fill(HWND hwnd, const yb::SearchRecord& item) {
  const struct {
    const wchar_t* label;
    std::wstring value;
  } rows[] = {{L"Subject:", Wide(item.subject)},
              {L"Start:", DateText(item.start)},
              {L"End:", DateText(item.end)},
              {L"Categories:", Wide(item.categories)}};
  int y = 12;
  for (const auto& row : rows) {
    Child(hwnd, L"STATIC", row.label, SS_LEFT, 10, y + 3, 75, 16);
    Child(hwnd, L"EDIT", row.value, ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, 90, y, 270, 21);
    y += 28;
  }
  Child(hwnd, L"BUTTON", L"Close", BS_DEFPUSHBUTTON | WS_TABSTOP, 280, y + 4, 80, 24, kCloseButton);
}

// The window's own copy of its item, in the window's user data.
const yb::SearchRecord* ItemOf(HWND hwnd) {
  return reinterpret_cast<const yb::SearchRecord*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      const auto* item = static_cast<const yb::SearchRecord*>(create->lpCreateParams);
      try {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new yb::SearchRecord(*item)));
      } catch (...) {
        return FALSE;
      }
      ++gUsers;
      break;
    }
    case WM_CREATE:
      try {
        Fill(hwnd, *ItemOf(hwnd));
        return 0;
      } catch (...) {
        return -1;
      }
    case WM_COMMAND:
      if (LOWORD(wParam) == kCloseButton || LOWORD(wParam) == IDCANCEL) DestroyWindow(hwnd);
      return 0;
    case WM_NCDESTROY:
      if (const yb::SearchRecord* item = ItemOf(hwnd)) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete item;
        --gUsers;
      }
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct OpenWindowSearch {
  const yb::SearchRecord* item;
  HWND found;
};

BOOL CALLBACK MatchOpenWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<OpenWindowSearch*>(param);
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (lstrcmpW(cls, kAppointmentWindowClass) != 0) return TRUE;
  const yb::SearchRecord* shown = ItemOf(hwnd);
  if (shown && shown->subject == search->item->subject && shown->start == search->item->start &&
      shown->end == search->item->end) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// An open window of this thread showing the same occurrence of the same item.
HWND FindOpenWindow(const yb::SearchRecord& item) {
  OpenWindowSearch search{&item, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchOpenWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void RegisterWindowClass() {
  WNDCLASSW existing{};
  if (GetClassInfoW(gModule, kAppointmentWindowClass, &existing)) return;
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = gModule;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kAppointmentWindowClass;
  if (!RegisterClassW(&wc))
    throw std::runtime_error("The appointment window cannot be registered.");
}

}  // namespace

std::string AppointmentCaption(const yb::SearchRecord& item) {
  return item.subject + " - Appointment";
}

void OpenAppointmentWindow(const yb::SearchRecord& item) {
  // As the client does, an item already open is brought forward rather than opened twice.
  if (HWND open = FindOpenWindow(item)) {
    ShowWindow(open, SW_RESTORE);
    SetForegroundWindow(open);
    return;
  }
  RegisterWindowClass();
  RECT frame{0, 0, 370, 12 + 4 * 28 + 40};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&frame, style, FALSE);
  HWND hwnd = CreateWindowExW(0, kAppointmentWindowClass, Wide(AppointmentCaption(item)).c_str(),
                              style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, gModule,
                              const_cast<yb::SearchRecord*>(&item));
  if (!hwnd) throw std::runtime_error("The appointment window cannot be opened.");
  ShowWindow(hwnd, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd);
}

}  // namespace standin
