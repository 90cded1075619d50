#pragma once
// The preference dialogs as the e2e drivers work them: opening them from the main window,
// their controls (those on the telecom dialog's pages included), typing into edits.
#include <gtest/gtest.h>

#include <string>

#include "linetally/resources/preferences_ids.h"
#include "linetally_app.h"

namespace e2e {

// Opens the dialog of class `form` with the main window's command and waits until it shows.
inline HWND OpenDialog(LinetallyApp& app, int command, const char* form) {
  PostCommand(app.Main(), command);
  HWND dialog = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    dialog = FindTopWindow(app.Program().Id(), form);
    return dialog && Visible(dialog);
  })) << form << " does not show";
  Sleep(200);  // let it paint
  return dialog;
}

// A control of the form, or of one of its tab sheets.
inline HWND Find(HWND form, int id) {
  if (HWND direct = GetDlgItem(form, id)) return direct;
  for (int sheet : {IDC_TABSHEET1, IDC_TABSHEET2})
    if (HWND inSheet = GetDlgItem(GetDlgItem(form, sheet), id)) return inSheet;
  return nullptr;
}

// Replaces the edit's text by typing `text` into it, character by character.
inline void Retype(HWND edit, const std::string& text) {
  PostMessageA(edit, EM_SETSEL, 0, -1);
  TypeChars(edit, text);
  Sleep(150);
}

// Waits for the input box "Save", types the name over its text and presses OK.
inline void AnswerSaveBox(LinetallyApp& app, const std::string& name) {
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "no input box";
  ASSERT_EQ(box->title, "Save");
  ASSERT_EQ(box->text, "Save this service as:");
  Retype(GetDlgItem(box->window, IDC_INPUTEDIT), name);
  Answer(*box, IDOK);
}

inline bool Checked(HWND checkBox) {
  return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline bool Enabled(HWND control) { return IsWindowEnabled(control) != FALSE; }

}  // namespace e2e
