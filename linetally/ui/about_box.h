#pragma once
// TfrmAbout, "About Linetally": the product picture, name and version, the version group
// and the legal notice. Created hidden once at start-up, filled once, then shown modally
// as often as the user asks; Close only hides it.
#include <windows.h>

#include "linetally/ui/window_base.h"

namespace lt {

class TfrmAbout : public Window {
 public:
  explicit TfrmAbout(HWND owner) : owner(owner) {}
  void Create();
  // Runs until the box is closed; other windows' messages (the tick included) go on meanwhile.
  void ShowModal();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void FormCreate();
  void Button1Click();

  HWND owner;
  HWND image1 = nullptr, label1 = nullptr, label2 = nullptr, label3 = nullptr, label4 = nullptr;
  HWND groupBox1 = nullptr, button1 = nullptr;
  GdiHandle<HFONT> font, smallFont, boldFont;
  GdiHandle<HBITMAP> picture;
  bool showing = false;
};

}  // namespace lt
