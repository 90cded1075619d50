#pragma once
// A window class per form: registers the class under the form's name, keeps `this` in the
// window's user data and forwards messages to HandleMessage. No exception leaves a handler:
// it is shown in the standard error box and the program goes on.
#include <windows.h>

#include <exception>
#include <span>
#include <stdexcept>

#include "linetally/base/gdi_win32.h"

namespace lt {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd; }

 protected:
  // Registers `className` once and creates the window; the size given is the client area.
  HWND CreateForm(const char* className, const char* caption, DWORD style, DWORD exStyle, int clientWidth,
                  int clientHeight, HWND owner, HMENU menu = nullptr, HICON icon = nullptr);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called with an exception that escaped a handler.
  virtual void OnHandlerError(const std::exception& error);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd = nullptr;
};

// Registers the window class once per program (the arrow cursor; no background with nullptr).
void RegisterFormClass(const char* className, WNDPROC procedure, HBRUSH background, HICON icon = nullptr);

struct ListColumn {
  const char* title;
  int width, format;  // LVCFMT_LEFT or LVCFMT_RIGHT
};
// The columns of a report-style list view, in order.
void AddListColumns(HWND listView, std::span<const ListColumn> columns);

// "MS Sans Serif" 8 pt (or another face and size) for the screen.
HFONT CreateFormFont(const char* face = "MS Sans Serif", int points = 8, bool bold = false);
// Gives the control and its children the font.
void ApplyFont(HWND window, HFONT font);

}  // namespace lt
