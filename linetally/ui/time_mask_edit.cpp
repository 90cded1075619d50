#include "linetally/ui/time_mask_edit.h"

#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

constexpr UINT kValidate = WM_APP + 1;
constexpr const char* kRefusal = "Invalid input value.  Use escape key to abandon changes";

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
  SetWindowTextA(edit, mask.DisplayText().c_str());
  SendMessageA(edit, EM_SETSEL, WPARAM(mask.Caret()), LPARAM(mask.Caret()));
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
      } else if (c >= ' ') {
        TakeCaret();
        if (mask.TypeChar(c))
          Show();
        else
          MessageBeep(MB_OK);
      }
      return 0;
    }
    case WM_KEYDOWN:
      // Escape arrives here alone: the form's dialog handling hands it over untranslated.
      if (wParam == VK_ESCAPE && mask.Modified()) {
        mask.Revert();
        Show();
        return 0;
      }
      if (wParam == VK_DELETE) {
        TakeCaret();
        mask.Delete();
        Show();
        return 0;
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
      if (Refusing()) PostMessageA(edit, kValidate, 0, 0);
      break;
    case kValidate:
      if (Refusing()) {
        ShowStandardError(GetAncestor(edit, GA_ROOT), kRefusal);
        SetFocus(edit);
      }
      return 0;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      return 0;
  }
  return CallWindowProcA(original, edit, message, wParam, lParam);
}

}  // namespace lt
