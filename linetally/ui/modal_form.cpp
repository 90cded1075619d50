#include "linetally/ui/modal_form.h"

#include <commctrl.h>

namespace lt {
namespace {

constexpr const char* kSheetClass = "TTabSheet";

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

}  // namespace

void ModalForm::CreateModalForm(const char* className, const char* caption, int clientWidth,
                                int clientHeight, HWND ownerWindow, int context) {
  owner = ownerWindow;
  helpContext = context;
  CreateForm(className, caption, WS_POPUP | WS_CAPTION | WS_SYSMENU,
             WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, clientWidth, clientHeight, owner);
  SetWindowContextHelpId(Handle(), DWORD(helpContext));
  font.Reset(CreateFormFont());
}

void ModalForm::ShowCentred() {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(Handle(), HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE);
  FormShow();
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  if (HWND focus = InitialFocus()) SetFocus(focus);
}

void ModalForm::ShowModeless() {
  if (Shown()) {
    FormShow();
    SetForegroundWindow(Handle());
    return;
  }
  ShowCentred();
}

void ModalForm::Hide() {
  ShowWindow(Handle(), SW_HIDE);
  if (owner) SetActiveWindow(owner);
}

bool ModalForm::PreTranslate(MSG& message) {
  if (!Shown() || (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd))) return false;
  return IsDialogMessageA(Handle(), &message) != FALSE;
}

void ModalForm::ShowModal() {
  if (running) return;
  running = true;
  if (owner) EnableWindow(owner, FALSE);
  try {
    ShowCentred();
  } catch (...) {
    // The form never showed: give the owner back, and let the error box and a next try come.
    running = false;
    if (owner) EnableWindow(owner, TRUE);
    throw;
  }
  MSG message;
  while (running) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
      PostQuitMessage(int(message.wParam));  // the program ends: let the main loop see it
      running = false;
      break;
    }
    if (!IsDialogMessageA(Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  HWND focus = GetFocus();
  if (focus && IsChild(Handle(), focus)) lastFocus = focus;
  // The owner comes back before the form goes, so it is the one that is activated.
  if (owner) EnableWindow(owner, TRUE);
  ShowWindow(Handle(), SW_HIDE);
  if (owner) SetActiveWindow(owner);
}

void ModalForm::CloseModal() { running = false; }

LRESULT ModalForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CLOSE:
      OnCloseBox();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusWhileInactive = focus && IsChild(Handle(), focus) ? focus : nullptr;
      } else if (focusWhileInactive && IsWindowVisible(focusWhileInactive)) {
        SetFocus(focusWhileInactive);
        return 0;
      }
      break;
    case WM_HELP: {
      HELPINFO info = *reinterpret_cast<const HELPINFO*>(lParam);
      info.dwContextId = DWORD(helpContext);
      if (owner) SendMessageA(owner, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
      return TRUE;
    }
  }
  return Window::HandleMessage(message, wParam, lParam);
}

HWND ModalForm::Control(HWND parent, DWORD exStyle, const char* className, const char* text,
                        DWORD style, int x, int y, int width, int height, int id) {
  return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                         height, parent ? parent : Handle(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), nullptr);
}

HWND ModalForm::Label(HWND parent, const char* text, int x, int y, int width, int id) {
  return Control(parent, 0, "STATIC", text, SS_LEFT, x, y, width, 13, id);
}

HWND ModalForm::CheckBox(HWND parent, const char* text, int x, int y, int width, int id) {
  return Control(parent, 0, "BUTTON", text, WS_TABSTOP | BS_AUTOCHECKBOX, x, y, width, 17, id);
}

HWND ModalForm::Button(const char* text, int x, int y, int width, int id, bool isDefault) {
  return Control(nullptr, 0, "BUTTON", text,
                 WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, y, width, 25, id);
}

HWND ModalForm::TabSheet(int x, int y, int width, int height, int id) {
  RegisterFormClass(kSheetClass, SheetProcedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  HWND sheet = CreateWindowExA(WS_EX_CONTROLPARENT, kSheetClass, "", WS_CHILD, x, y, width, height,
                               Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               Instance(), nullptr);
  SetWindowPos(sheet, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return sheet;
}

// Commands and colours of the sheet's controls belong to the form.
LRESULT CALLBACK ModalForm::SheetProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return SendMessageA(GetParent(hwnd), message, wParam, lParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND ModalForm::Picture(HWND parent, int bitmapId, int x, int y, int id) {
  HWND picture = Control(parent, 0, "STATIC", "", SS_BITMAP, x, y, 36, 36, id);
  auto bitmap = static_cast<HBITMAP>(LoadImageA(Instance(), MAKEINTRESOURCEA(bitmapId),
                                                IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
  if (pictureCount < 2) pictures[pictureCount++].Reset(bitmap);
  SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  return picture;
}

void ModalForm::Heading(HWND parent, const char* text, int x, int y, int right) {
  HWND label = Label(parent, text, x, y, 0);
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, font.Get());
  SIZE size{};
  GetTextExtentPoint32A(dc, text, int(lstrlenA(text)), &size);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  SetWindowPos(label, nullptr, 0, 0, size.cx + 2, 13, SWP_NOMOVE | SWP_NOZORDER);
  const int ruleLeft = x + size.cx + 8;
  Control(parent, 0, "STATIC", "", SS_ETCHEDHORZ, ruleLeft, y + 7, right - ruleLeft, 2);
}

void ModalForm::FinishControls() { ApplyFont(Handle(), font.Get()); }

bool IsChecked(HWND checkBox) {
  return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND checkBox, bool checked) {
  SendMessageA(checkBox, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string TextOf(HWND control) {
  std::string text(size_t(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(size_t(GetWindowTextA(control, text.data(), int(text.size()))));
  return text;
}

void SetTextOf(HWND control, const std::string& text) { SetWindowTextA(control, text.c_str()); }

}  // namespace lt
