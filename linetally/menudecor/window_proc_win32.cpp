// The decoration's window procedure: every message of the owner passes here first.
#include <exception>

#include "linetally/menudecor/item_painter_win32.h"
#include "linetally/menudecor/menu_decor_win32.h"
#include "linetally/menudecor/menu_text.h"

namespace lt {

using namespace gdi;

namespace {
bool KeyDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }
}  // namespace

LRESULT TMenuDecor::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // No exception may unwind into user32: report it and count the message as handled.
  try {
    bool handled = false;
    const LRESULT result = Handle(msg, wParam, lParam, handled);
    return handled ? result : PassOn(msg, wParam, lParam);
  } catch (const std::exception& e) {
    ReportError(e.what());
  } catch (...) {
    ReportError("Unexpected error");
  }
  return 0;
}

LRESULT TMenuDecor::PassOn(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!previous) return DefWindowProcA(owner, msg, wParam, lParam);
  return CallWindowProcA(previous, owner, msg, wParam, lParam);
}

HWND TMenuDecor::ActiveMdiChild() const {
  HWND client = FindWindowExA(owner, nullptr, "MDICLIENT", nullptr);
  return client ? HWND(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

LRESULT TMenuDecor::Handle(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  HWND child = nullptr;  // only the forwarded messages look for an MDI child
  if (msg == WM_SYSCOLORCHANGE || msg == WM_INITMENUPOPUP || msg == WM_MENUCHAR ||
      msg == WM_DRAWITEM || msg == WM_MEASUREITEM)
    child = ActiveMdiChild();
  auto toChild = [&] { return child ? SendMessageA(child, msg, wParam, lParam) : 0; };
  switch (msg) {
    case WM_SYSCOLORCHANGE:
      toChild();
      if (active) Refresh(nullptr, MenuRefresh);
      return 0;

    case WM_SETCURSOR:
      if (!Cursor) return 0;
      if (HIWORD(lParam) == 0 && !cursorShown) {  // no mouse message: a menu is open
        savedCursor = GetCursor();
        SetCursor(Cursor);
        cursorShown = true;
        handled = true;
        return TRUE;
      }
      if (HIWORD(lParam) != 0 && cursorShown) {
        SetCursor(savedCursor);
        cursorShown = false;
        handled = true;
        return TRUE;
      }
      return 0;

    case WM_DRAWITEM: {
      auto& dis = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (dis.CtlType == ODT_MENU) {
        // The item data is the bound item itself (set when it was made owner-drawn).
        if (TMenuDecorItem* item = FindByData(dis.itemData)) {
          ItemPainter(*this, *item, dis).Paint();
          handled = true;
          return TRUE;
        }
        if (child) {
          handled = true;
          return toChild();
        }
      }
      return 0;
    }

    case WM_MEASUREITEM: {
      auto& mis = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (mis.CtlType == ODT_MENU) {
        if (TMenuDecorItem* item = FindByData(mis.itemData)) {
          MeasureItem(*item, mis);
          handled = true;
          return TRUE;
        }
        if (child) {
          handled = true;
          return toChild();
        }
      }
      return 0;
    }

    case WM_HELP: {
      const auto& info = *reinterpret_cast<const HELPINFO*>(lParam);
      if (info.iContextType != HELPINFO_MENUITEM || !OnHelp) return 0;
      TMenuDecorItem* item = FindByCommand(UINT_PTR(info.iCtrlId));
      if (!item) return 0;
      const HWND activeWindow = GetActiveWindow();
      OnHelp(item->HelpContext, (GetWindowLongA(activeWindow, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0);
      handled = true;
      return TRUE;
    }

    case WM_KEYDOWN: {
      for (auto& item : items) {
        if (!InPopupMenu(*item)) continue;
        const auto key = ParseShortCut(item->shortcut);
        if (!key || key->key != int(wParam) || key->ctrl != KeyDown(VK_CONTROL) ||
            key->shift != KeyDown(VK_SHIFT) || key->alt != KeyDown(VK_MENU))
          continue;
        if (item->OnClick) item->OnClick();
        else SendMessageA(owner, WM_COMMAND, MAKEWPARAM(item->menuItem, 0), 0);
        handled = true;
        return 0;
      }
      return 0;
    }

    case WM_COMMAND: {
      if (HIWORD(wParam) != 0 || lParam != 0) return 0;
      TMenuDecorItem* item = FindByCommand(LOWORD(wParam));
      if (item && item->OnClick && InPopupMenu(*item)) {
        item->OnClick();
        handled = true;
      }
      return 0;
    }

    case WM_INITMENUPOPUP: {
      toChild();
      const HMENU popup = HMENU(wParam);
      measured.erase(popup);
      if (!HIWORD(lParam) && OnPopup) OnPopup(popup, LOWORD(lParam));
      return 0;
    }

    case WM_MENUSELECT: {
      const HMENU menu = HMENU(lParam);
      const UINT flags = HIWORD(wParam);
      if (!menu || menu == GetMenu(owner) || !OnHint) return 0;
      UINT_PTR id = LOWORD(wParam);
      if (flags & MF_POPUP) id = UINT_PTR(GetSubMenu(menu, LOWORD(wParam)));
      const TMenuDecorItem* item = FindByCommand(id);
      OnHint(item ? item->Hint : std::string());
      return 0;
    }

    case WM_MENUCHAR: {
      if (child) {
        const LRESULT answer = toChild();
        if (HIWORD(answer) == MNC_EXECUTE) {
          handled = true;
          return answer;
        }
      }
      const char typed = LowerAscii(char(LOWORD(wParam)));
      for (auto& item : items) {
        const auto where = item->Locate();
        if (!where || where->parent != HMENU(lParam)) continue;
        if (AcceleratorLetter(item->caption) == typed) {
          handled = true;
          return MAKELRESULT(where->position, MNC_EXECUTE);
        }
      }
      return 0;
    }

    case WM_ENTERMENULOOP:
      if (active && MenuRefresh != TRefreshAction::RA_NONE) Refresh(nullptr, MenuRefresh);
      return 0;

    case kUnhookMessage:
      if (WNDPROC(lParam) == previous) {
        previous = WNDPROC(wParam);
        handled = true;
        return 1;
      }
      return 0;
  }
  return 0;
}

}  // namespace lt
