#include <windows.h>

#include "linetally/tray/tray_icon_win32.h"

namespace lt {

Win32PopupMenu::Win32PopupMenu(HWND commandWindow, std::vector<Item> items, UINT defaultItem)
    : commandWindow(commandWindow), items(std::move(items)), defaultItem(defaultItem) {
  Rebuild();
}

Win32PopupMenu::~Win32PopupMenu() {
  if (menu) DestroyMenu(menu);
}

void Win32PopupMenu::Rebuild() {
  if (menu) DestroyMenu(menu);
  menu = CreatePopupMenu();
  for (const Item& item : items) {
    if (!item.visible) continue;
    if (item.id == 0) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(menu, MF_STRING, item.id, item.caption.c_str());
    }
  }
  if (defaultItem != 0) SetMenuDefaultItem(menu, defaultItem, FALSE);  // drawn bold
}

void Win32PopupMenu::SetCaption(UINT id, const std::string& caption) {
  for (Item& item : items) {
    if (item.id == id) item.caption = caption;
  }
  Rebuild();
}

void Win32PopupMenu::SetVisible(UINT id, bool visible) {
  for (Item& item : items) {
    if (item.id == id) item.visible = visible;
  }
  Rebuild();
}

bool Win32PopupMenu::Visible(UINT id) const {
  for (const Item& item : items) {
    if (item.id == id) return item.visible;
  }
  return false;
}

void Win32PopupMenu::Popup(int x, int y) {
  // The command is posted, so it runs after the tray icon has finished with the menu.
  const UINT command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                      x, y, 0, commandWindow, nullptr);
  if (command != 0) PostMessageA(commandWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

}  // namespace lt
