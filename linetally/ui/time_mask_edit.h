#pragma once
// The masked time edits of the telecom dialog ("!90:00;1;_"): an edit control whose typing,
// deleting and caret follow a TimeMask, that shows "_" for empty positions, refuses to be left
// incomplete after an edit ("Invalid input value.  Use escape key to abandon changes"), and
// abandons the edit on Escape.
#include <windows.h>

#include <string>

#include "linetally/tariffs/service_form.h"

namespace lt {

class TimeMaskEdit {
 public:
  TimeMaskEdit() = default;
  ~TimeMaskEdit();
  TimeMaskEdit(const TimeMaskEdit&) = delete;
  TimeMaskEdit& operator=(const TimeMaskEdit&) = delete;

  void Attach(HWND edit);  // subclasses the control
  HWND Handle() const { return edit; }
  std::string Text() const { return mask.Text(); }  // blanks for empty positions
  void SetText(const std::string& text);
  // Left incomplete after an edit: the refusal is on its way, and commands wait for it.
  bool Refusing() const { return mask.Modified() && !mask.Complete(); }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Show();
  void TakeCaret();

  HWND edit = nullptr;
  WNDPROC original = nullptr;
  TimeMask mask;
};

}  // namespace lt
