#include "linetally/ui/input_box.h"

#include "linetally/resources/preferences_ids.h"
#include "linetally/ui/modal_form.h"

namespace lt {
namespace {

struct Query {
  std::string caption, prompt, text;
  int maxLength;
};

INT_PTR CALLBACK InputProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* query = reinterpret_cast<Query*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
  switch (message) {
    case WM_INITDIALOG: {
      query = reinterpret_cast<Query*>(lParam);
      SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
      SetTextOf(dialog, query->caption);
      SetTextOf(GetDlgItem(dialog, IDC_INPUTPROMPT), query->prompt);
      HWND edit = GetDlgItem(dialog, IDC_INPUTEDIT);
      SendMessageA(edit, EM_LIMITTEXT, WPARAM(query->maxLength), 0);
      SetTextOf(edit, query->text);
      SendMessageA(edit, EM_SETSEL, 0, -1);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) query->text = TextOf(GetDlgItem(dialog, IDC_INPUTEDIT));
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::string> InputQuery(HWND owner, const std::string& caption,
                                      const std::string& prompt, const std::string& initial,
                                      int maxLength) {
  Query query{caption, prompt, initial, maxLength};
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INPUTBOX),
                                   owner, InputProcedure, reinterpret_cast<LPARAM>(&query));
  if (result != IDOK) return std::nullopt;
  return query.text;
}

}  // namespace lt
