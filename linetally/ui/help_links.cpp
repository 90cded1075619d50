#include "linetally/ui/help_links.h"

#include <shellapi.h>

namespace lt {

std::string ContentsJumpCommand() { return std::string("JumpID(\"\",\"") + kContentsTopic + "\")"; }

void HelpViewer::Contents(HWND owner) const {
  if (!WinHelpA(owner, file.c_str(), HELP_CONTENTS, 0)) return;
  const std::string command = ContentsJumpCommand();
  WinHelpA(owner, file.c_str(), HELP_COMMAND, reinterpret_cast<ULONG_PTR>(command.c_str()));
}

void HelpViewer::Finder(HWND owner) const { WinHelpA(owner, file.c_str(), HELP_FINDER, 0); }

void HelpViewer::Context(HWND owner, DWORD context) const {
  WinHelpA(owner, file.c_str(), HELP_CONTEXT, context);
}

void HelpViewer::FormHelp(HWND form, LPARAM helpInfo, DWORD formContext) const {
  const auto* info = reinterpret_cast<const HELPINFO*>(helpInfo);
  const DWORD context = info && info->dwContextId ? DWORD(info->dwContextId) : formContext;
  Context(form, context);
}

void HelpViewer::Quit(HWND owner) const { WinHelpA(owner, file.c_str(), HELP_QUIT, 0); }

void OpenWebPage(const char* address) {
  ShellExecuteA(GetDesktopWindow(), "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace lt
