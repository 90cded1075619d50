#include "linetally/ui/about_box.h"

#include "linetally/ui/about_resource.h"

namespace lt {
namespace {

constexpr int kClientWidth = 403, kClientHeight = 256;

constexpr const char* kProductName = "Linetally - online time and cost logger";
constexpr const char* kVersion = "1.01e";
constexpr const char* kBuild = "001";
constexpr const char* kVersionLine = "32-bit release for Windows 95, 98 and NT";
constexpr const char* kLegalNotice =
    "Copyright \xA9 1998-2026 Corvane. All rights reserved.\r\n\r\n"
    "This program is provided as is, without warranty of any kind. You use it at your own "
    "risk.\r\n\r\n"
    "The costs it shows are worked out from the tariffs you enter; the bill of your "
    "telephone company is what you pay.";

}  // namespace

void TfrmAbout::Create() {
  CreateForm("TfrmAbout", "About Linetally", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
             kClientWidth, kClientHeight, owner);
}

LRESULT TfrmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      FormCreate();
      return 0;
    case WM_COMMAND:
      // Close, Enter and Escape.
      if (LOWORD(wParam) == IDC_ABOUT_BUTTON1 || LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        Button1Click();
      return 0;
    case WM_CLOSE:
      Button1Click();
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void TfrmAbout::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  auto child = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, Handle(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  picture.Reset(static_cast<HBITMAP>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDB_ABOUTPICTURE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  image1 = child("STATIC", "", SS_BITMAP, 8, 8, 100, 233, IDC_ABOUT_IMAGE1);
  SendMessageA(image1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.Get()));
  label2 = child("STATIC", "", SS_LEFT | SS_NOPREFIX, 120, 12, 275, 14, IDC_ABOUT_LABEL2);
  label3 = child("STATIC", "", SS_LEFT | SS_NOPREFIX, 120, 30, 275, 14, IDC_ABOUT_LABEL3);
  groupBox1 = child("BUTTON", " Version information ", BS_GROUPBOX, 120, 52, 275, 48, IDC_ABOUT_GROUPBOX1);
  label1 = child("STATIC", kVersionLine, SS_LEFT | SS_NOPREFIX, 130, 72, 258, 16, IDC_ABOUT_LABEL1);
  label4 = child("STATIC", "", SS_LEFT | SS_NOPREFIX, 120, 112, 275, 100, IDC_ABOUT_LABEL4);
  button1 = child("BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, 320, 223, 75, 25, IDC_ABOUT_BUTTON1);

  font.Reset(CreateFormFont());
  smallFont.Reset(CreateFormFont("Small Fonts", 7));
  boldFont.Reset(CreateFormFont("MS Sans Serif", 8, true));
  ApplyFont(Handle(), font.Get());
  SendMessageA(groupBox1, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont.Get()), FALSE);
  SendMessageA(label4, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont.Get()), FALSE);
  SendMessageA(label1, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont.Get()), FALSE);
}

void TfrmAbout::FormCreate() {
  SetWindowTextA(label2, kProductName);
  SetWindowTextA(label3, (std::string("Version ") + kVersion + " (build " + kBuild + ")").c_str());
  SetWindowTextA(label4, kLegalNotice);
}

void TfrmAbout::ShowModal() {
  if (showing) return;
  RECT frame;
  GetWindowRect(Handle(), &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(Handle(), HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE);
  showing = true;
  EnableWindow(owner, FALSE);
  ShowWindow(Handle(), SW_SHOW);
  SetFocus(button1);
  MSG message;
  bool quit = false;
  while (showing) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
      quit = true;
      break;
    }
    if (!IsDialogMessageA(Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  EnableWindow(owner, TRUE);
  ShowWindow(Handle(), SW_HIDE);
  showing = false;
  SetActiveWindow(owner);
  if (quit) PostQuitMessage(int(message.wParam));  // the main loop ends as asked
}

void TfrmAbout::Button1Click() {
  showing = false;
  PostMessageA(Handle(), WM_NULL, 0, 0);  // wakes the modal loop
}

}  // namespace lt
