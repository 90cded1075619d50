#pragma once
// Linetally's icon in the notification area of Wine's desktop, as the mouse finds it: where it
// is, and the tooltip that the shell shows for it.
#include <string>

#include "harness.h"

namespace e2e {

inline HWND Taskbar() { return FindWindowA("Shell_TrayWnd", nullptr); }

// The notification area puts the first icon at the right end of the taskbar.
inline RECT IconRect() {
  RECT bar{};
  GetWindowRect(Taskbar(), &bar);
  const int size = 20;
  const int top = bar.top + (bar.bottom - bar.top - size) / 2;
  return RECT{bar.right - size, top, bar.right, top + size};
}

inline POINT IconCentre() {
  const RECT r = IconRect();
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline void MoveMouse(POINT p) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  Sleep(50);
}

// The text of the notification area's tooltip while it shows.
inline std::string TrayTooltip() {
  DWORD shell = 0;
  GetWindowThreadProcessId(Taskbar(), &shell);
  for (HWND tip = FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr); tip;
       tip = FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(tip, &owner);
    if (owner == shell && Visible(tip)) return Text(tip);
  }
  return "";
}

// Points at the icon and rests there until the shell shows its tooltip; then leaves it.
inline std::string HoverTooltip(const std::string& screenshot) {
  std::string text;
  const POINT centre = IconCentre();
  for (int attempt = 0; attempt < 4 && text.empty(); ++attempt) {
    MoveMouse(POINT{centre.x - 2 + attempt, centre.y});
    MoveMouse(centre);
    WaitUntil([&] { return !(text = TrayTooltip()).empty(); }, 2500);
  }
  Screenshot(nullptr, screenshot);
  MoveMouse(POINT{500, 300});
  return text;
}

}  // namespace e2e
