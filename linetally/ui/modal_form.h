#pragma once
// A form created once at start-up and shown modally from then on: its owner is disabled
// while it shows, the tick of the main window goes on, Tab moves between its controls, the
// control that had the focus gets it back when the user returns from another program, the
// close box hides it, and F1 asks the owner for the form's help topic. A tool window uses the
// same form modelessly: the owner's message loop passes it its dialog keys. Also the pieces both
// preference dialogs are built from: controls in the form's font, tab sheets, pictures.
#include <windows.h>

#include <string>

#include "linetally/ui/window_base.h"

namespace lt {

class ModalForm : public Window {
 public:
  // Shows the form and returns when it is hidden again.
  void ShowModal();
  bool Showing() const { return running; }
  // Shows the form beside its owner, which stays usable; Hide() takes it away again.
  void ShowModeless();
  void Hide();
  bool Shown() const { return IsWindowVisible(Handle()) != FALSE; }
  // Tab, Enter and Esc of the form's own messages; true when the message was one of the form's.
  bool PreTranslate(MSG& message);

 protected:
  void CreateModalForm(const char* className, const char* caption, int clientWidth,
                       int clientHeight, HWND owner, int helpContext);
  void CloseModal();
  void ShowCentred();  // centred on the screen, FormShow, then shown with the focus set
  virtual void FormShow() = 0;
  // The control that takes the focus when the form shows.
  virtual HWND InitialFocus() = 0;
  virtual void OnCommand(int id, int code, HWND control) = 0;
  // The title bar's close box; hides the form unless overridden.
  virtual void OnCloseBox() { CloseModal(); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND Control(HWND parent, DWORD exStyle, const char* className, const char* text, DWORD style,
               int x, int y, int width, int height, int id = 0);
  HWND Label(HWND parent, const char* text, int x, int y, int width, int id = 0);
  HWND CheckBox(HWND parent, const char* text, int x, int y, int width, int id);
  HWND Button(const char* text, int x, int y, int width, int id, bool isDefault = false);
  // A page of a tab control: a child window that passes its controls' commands to the form.
  HWND TabSheet(int x, int y, int width, int height, int id);
  // A 36 x 36 picture from the bitmap resource, its grey taken as the dialog face.
  HWND Picture(HWND parent, int bitmapId, int x, int y, int id);
  // A heading label followed by a horizontal rule to the right edge.
  void Heading(HWND parent, const char* text, int x, int y, int right);
  void FinishControls();  // applies the form's font to every control
  HFONT FormFont() const { return font.Get(); }
  HWND LastFocus() const { return lastFocus; }  // of the previous showing

 private:
  static LRESULT CALLBACK SheetProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND owner = nullptr;
  int helpContext = 0;
  bool running = false;
  HWND lastFocus = nullptr;
  HWND focusWhileInactive = nullptr;  // given back when the form is activated again
  GdiHandle<HFONT> font;
  GdiHandle<HBITMAP> pictures[2];
  int pictureCount = 0;
};

bool IsChecked(HWND checkBox);
void SetChecked(HWND checkBox, bool checked);
std::string TextOf(HWND control);
void SetTextOf(HWND control, const std::string& text);

}  // namespace lt
