#include "linetally/ui/amount_edit.h"

#include "linetally/tariffs/service_form.h"
#include "linetally/ui/modal_form.h"

namespace lt {
namespace {

WNDPROC amountEditDefault = nullptr;  // every amount edit is a plain EDIT

LRESULT CALLBACK AmountEditProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && !AmountKeyAllowed(char(wParam), TextOf(hwnd))) return 0;
  return CallWindowProcA(amountEditDefault, hwnd, message, wParam, lParam);
}

}  // namespace

void MakeAmountEdit(HWND edit) {
  SendMessageA(edit, EM_LIMITTEXT, kAmountLength, 0);
  amountEditDefault = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AmountEditProcedure)));
}

}  // namespace lt
