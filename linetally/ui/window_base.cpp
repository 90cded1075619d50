#include "linetally/ui/window_base.h"

#include <commctrl.h>

#include "linetally/ui/message_boxes.h"

namespace lt {

Window::~Window() {
  if (hwnd) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
  }
}

HWND Window::CreateForm(const char* className, const char* caption, DWORD style, DWORD exStyle, int clientWidth,
                        int clientHeight, HWND owner, HMENU menu, HICON icon) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterFormClass(className, Procedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon);
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);
  CreateWindowExA(exStyle, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                  frame.bottom - frame.top, owner, menu, instance, this);
  return hwnd;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Window::OnHandlerError(const std::exception& error) { ShowStandardError(hwnd, error.what()); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd = nullptr;
    }
    return result;
  } catch (const std::exception& error) {
    self->OnHandlerError(error);
  } catch (...) {
    self->OnHandlerError(std::runtime_error("Unexpected error"));
  }
  return 0;
}

void RegisterFormClass(const char* className, WNDPROC procedure, HBRUSH background, HICON icon) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, className, &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  RegisterClassExA(&wc);
}

void AddListColumns(HWND listView, std::span<const ListColumn> columns) {
  for (size_t i = 0; i < columns.size(); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<char*>(columns[i].title);
    column.cx = columns[i].width;
    column.fmt = columns[i].format;
    SendMessageA(listView, LVM_INSERTCOLUMNA, WPARAM(i), reinterpret_cast<LPARAM>(&column));
  }
}

HFONT CreateFormFont(const char* face, int points, bool bold) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

namespace {

BOOL CALLBACK SetChildFont(HWND child, LPARAM font) {
  SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

}  // namespace

void ApplyFont(HWND window, HFONT font) {
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  EnumChildWindows(window, SetChildFont, reinterpret_cast<LPARAM>(font));
}

}  // namespace lt
