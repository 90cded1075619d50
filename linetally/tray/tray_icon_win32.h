#pragma once
// TZqTrayIcon95 on the real shell: Win32TrayIcon creates the hidden message window (class
// "TZqTrayIconMsgWindow"), owns the icon handles and answers the component's platform calls;
// Win32PopupMenu is a popup menu the icon opens, whose chosen command is posted to a window.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "linetally/tray/tray_icon.h"

namespace lt {

class Win32TrayPlatform;

class Win32TrayIcon {
 public:
  explicit Win32TrayIcon(HWND ownerForm);  // throws std::invalid_argument(kTrayOwnerError)
  ~Win32TrayIcon();
  Win32TrayIcon(const Win32TrayIcon&) = delete;
  Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

  TZqTrayIcon95& Component() { return *component; }
  TZqTrayIcon95* operator->() { return component.get(); }
  HWND MessageWindow() const;
  // The icon is copied; the caller keeps its own.
  void SetIcon(HICON icon) { component->SetIcon(reinterpret_cast<PictureRef>(icon)); }
  void SetDisabledIcon(HICON icon) { component->SetDisabledIcon(reinterpret_cast<PictureRef>(icon)); }

 private:
  std::unique_ptr<Win32TrayPlatform> platform;
  std::unique_ptr<TZqTrayIcon95> component;
};

class Win32PopupMenu : public TrayPopupMenu {
 public:
  struct Item {
    UINT id = 0;  // 0: separator
    std::string caption;
    bool visible = true;
  };
  // Commands go to `commandWindow` as posted WM_COMMAND messages.
  Win32PopupMenu(HWND commandWindow, std::vector<Item> items, UINT defaultItem);
  ~Win32PopupMenu() override;
  Win32PopupMenu(const Win32PopupMenu&) = delete;
  Win32PopupMenu& operator=(const Win32PopupMenu&) = delete;

  void Popup(int x, int y) override;
  void SetCaption(UINT id, const std::string& caption);
  void SetVisible(UINT id, bool visible);
  bool Visible(UINT id) const;
  HMENU Handle() const { return menu; }

 private:
  void Rebuild();  // a hidden item is left out of the menu

  HWND commandWindow;
  std::vector<Item> items;
  UINT defaultItem;
  HMENU menu = nullptr;
};

}  // namespace lt
