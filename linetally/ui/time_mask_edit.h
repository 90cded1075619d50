#pragma once
// The masked time edits of the telecom dialog ("!90:00;1;_"): an edit control whose typing,
// deleting and caret follow a TimeMask, that shows "_" for empty positions, refuses to be left
// incomplete after an edit for another control of its dialog ("Invalid input value.  Use
// escape key to abandon changes"), and abandons the edit on Escape. A text set from outside or
// changed by the control itself (a paste) is taken into the mask, so what shows is what is read.
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
  // Left incomplete after an edit: commands wait for the refusal.
  bool Refusing() const { return mask.Modified() && !mask.Complete(); }
  // Shows the refusal once, after the current message, when the field is refusing.
  void Refuse();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Show();
  void TakeCaret();
  void Follow();  // the control changed its text by itself

  HWND edit = nullptr;
  WNDPROC original = nullptr;
  TimeMask mask;
  bool showing = false, refusalPosted = false;
};

}  // namespace lt
