#include "linetally/ui/message_boxes.h"

namespace lt {

void ShowStandardError(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), kAppTitle, MB_OK | MB_ICONSTOP);
}

void ShowWarning(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), kAppTitle, MB_OK | MB_ICONWARNING);
}

bool Confirm(HWND owner, const std::string& text) {
  return MessageBoxA(owner, text.c_str(), kAppTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void ShowWarningWithHelp(HWND owner, const std::string& text, int helpContext) {
  MSGBOXPARAMSA box{};
  box.cbSize = sizeof box;
  box.hwndOwner = owner;
  box.lpszText = text.c_str();
  box.lpszCaption = kAppTitle;
  box.dwStyle = MB_OK | MB_HELP | MB_ICONWARNING;
  box.dwContextHelpId = DWORD(helpContext);
  MessageBoxIndirectA(&box);
}

}  // namespace lt
