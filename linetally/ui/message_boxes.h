#pragma once
// Linetally's message boxes, all titled "Linetally": the standard error box (stop icon, OK),
// warnings, confirmations (Yes and No), and the warning with a Help button.
#include <windows.h>

#include <string>

namespace lt {

inline constexpr const char* kAppTitle = "Linetally";

void ShowStandardError(HWND owner, const std::string& text);
void ShowWarning(HWND owner, const std::string& text);
bool Confirm(HWND owner, const std::string& text);  // true on Yes
// OK and Help; Help sends WM_HELP with `helpContext` to the owner.
void ShowWarningWithHelp(HWND owner, const std::string& text, int helpContext);

}  // namespace lt
