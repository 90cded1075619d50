#include "linetally/ui/time_mask_edit.h"

#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

constexpr UINT kValidate = WM_APP + 1;
constexpr const char* kRefusal = "Invalid input value.  Use escape key to abandon changes";

// After these the control may have changed its own text: clipboard keys, its context menu,
// undo, a replacement sent from outside.
bool MayChangeText(UINT message) {
  switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case WM_CONTEXTMENU:
      return true;
  }
  return false;
}

// Focus going to another control of the dialog, not to another program.
bool InsideDialog(HWND edit, HWND focus) {
  HWND dialog = GetAncestor(edit, GA_ROOT);
  return focus && (focus == dialog || IsChild(dialog, focus));
}

}  // namespace

// The control may outlive this object while its form is torn down: give it back its own
// procedure.
TimeMaskEdit::~TimeMaskEdit() {
  if (edit && IsWindow(edit)) {
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrA(edit, GWLP_USERDATA, 0);
  }
}

void TimeMaskEdit::Attach(HWND control) {
  edit = control;
  SendMessageA(edit, EM_LIMITTEXT, TimeMask::kLength, 0);
  SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
  Show();
}

void TimeMaskEdit::SetText(const std::string& text) {
  mask.SetText(text);
  Show();
}

void TimeMaskEdit::Show() {
  showing = true;
  SetWindowTextA(edit, mask.DisplayText().c_str());
  showing = false;
  SendMessageA(edit, EM_SETSEL, WPARAM(mask.Caret()), LPARAM(mask.Caret()));
}

void TimeMaskEdit::Follow() {
  char shown[64] = {};
  GetWindowTextA(edit, shown, sizeof shown);
  if (mask.DisplayText() == shown) return;
  DWORD caret = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
  mask.Replace(TimeMask::FromShown(shown));
  mask.SetCaret(int(caret));
  Show();
}

void TimeMaskEdit::Refuse() {
  if (!Refusing() || refusalPosted) return;
  refusalPosted = true;
  PostMessageA(edit, kValidate, 0, 0);
}

// Clicks and arrow keys move the edit's own caret; the mask follows it.
void TimeMaskEdit::TakeCaret() {
  DWORD start = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  mask.SetCaret(int(start));
}

LRESULT CALLBACK TimeMaskEdit::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TimeMaskEdit*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  try {
    return self->Handle(message, wParam, lParam);
  } catch (const std::exception& error) {
    ShowStandardError(GetAncestor(hwnd, GA_ROOT), error.what());
    return 0;
  }
}

LRESULT TimeMaskEdit::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR: {
      const char c = char(wParam);
      if (c == '\b') {
        TakeCaret();
        mask.Backspace();
        Show();
        return 0;
      }
      if (c >= ' ') {
        TakeCaret();
        if (mask.TypeChar(c))
          Show();
        else
          MessageBeep(MB_OK);
        return 0;
      }
      break;  // the clipboard keys work as in any edit
    }
    case WM_KEYDOWN:
      // Escape arrives here alone: the form's dialog handling hands it over untranslated.
      if (wParam == VK_ESCAPE && mask.Modified()) {
        mask.Revert();
        Show();
        return 0;
      }
      if (wParam == VK_DELETE && GetKeyState(VK_SHIFT) >= 0) {
        TakeCaret();
        mask.Delete();
        Show();
        return 0;
      }
      break;
    case WM_SETTEXT:
      if (!showing) {  // set from outside: taken as the field's value
        mask.SetText(TimeMask::FromShown(lParam ? reinterpret_cast<const char*>(lParam) : ""));
        Show();
        return TRUE;
      }
      break;
    case WM_GETDLGCODE:
      // Escape abandons the edit here instead of reaching the form.
      if (lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_ESCAPE && mask.Modified())
        return DLGC_WANTALLKEYS;
      break;
    case WM_SETFOCUS:
      if (!mask.Modified()) mask.BeginEdit();  // not when sent back after a refusal
      break;
    case WM_KILLFOCUS:
      if (!Refusing())
        mask.ClearModified();  // accepted: a later Escape does not undo it
      else if (InsideDialog(edit, reinterpret_cast<HWND>(wParam)))
        Refuse();  // not for a switch to another program: the field is still being edited
      break;
    case kValidate:
      refusalPosted = false;
      if (Refusing()) {
        ShowStandardError(GetAncestor(edit, GA_ROOT), kRefusal);
        SetFocus(edit);
      }
      return 0;
  }
  const LRESULT result = CallWindowProcA(original, edit, message, wParam, lParam);
  if (MayChangeText(message)) Follow();
  return result;
}

}  // namespace lt
