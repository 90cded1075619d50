#include "harness.h"

namespace e2e {
namespace {

struct TitledSearch {
  DWORD processId;
  const std::string* title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTitledDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TitledSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && ClassOf(window) == "#32770" && IsWindowVisible(window) &&
      Text(window) == *search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindEdit(HWND child, LPARAM found) {
  if (ClassOf(child) != "Edit") return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// The file name edit: inside the file name combo box (explorer style), else the plain edit.
HWND FileNameEdit(HWND dialog) {
  HWND edit = nullptr;
  if (HWND combo = GetDlgItem(dialog, 0x47C)) EnumChildWindows(combo, FindEdit, reinterpret_cast<LPARAM>(&edit));
  return edit ? edit : GetDlgItem(dialog, 0x480);
}

}  // namespace

bool ChooseFile(DWORD processId, const std::string& title, const std::string& path, int timeoutMs) {
  TitledSearch search{processId, &title};
  if (!WaitUntil(
          [&] {
            search.found = nullptr;
            EnumWindows(MatchTitledDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr && FileNameEdit(search.found) != nullptr;
          },
          timeoutMs))
    return false;
  HWND dialog = search.found;
  if (path.empty()) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  } else {
    SendMessageA(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  }
  return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, timeoutMs);
}

HWND OpenPopupMenu() {
  for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
       menu = FindWindowExA(nullptr, menu, "#32768", nullptr))
    if (IsWindowVisible(menu)) return menu;
  return nullptr;
}

void ClickAt(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageA(window, WM_MOUSEMOVE, 0, at);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
}

}  // namespace e2e
