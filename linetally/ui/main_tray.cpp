#include "linetally/ui/main_tray.h"

#include "linetally/resources/resource.h"

namespace lt {
namespace {

constexpr int kIdleFrame = 16;
constexpr COLORREF kFrameMask = RGB(255, 0, 255);

std::vector<Win32PopupMenu::Item> PopupMenu2Items() {
  return {{IDM_RESTORE1, "&Show Linetally", true},
          {IDM_DEBUG1, "&Debug", false},
          {0, "", true},
          {IDM_EXIT2, "Exit Linetally", true}};
}

struct FindMainWindow {
  HWND application;
  HWND found = nullptr;
  static BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
    auto* self = reinterpret_cast<FindMainWindow*>(param);
    char className[32] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (GetWindow(hwnd, GW_OWNER) == self->application && lstrcmpA(className, "TfrmMain") == 0) {
      self->found = hwnd;
      return FALSE;
    }
    return TRUE;
  }
};

}  // namespace

MainTray::MainTray(HWND mainWindow, std::function<void()> restore)
    : imageList2(ImageList_LoadImageA(GetModuleHandleA(nullptr), "IMAGELIST2", 16, 0, kFrameMask,
                                      IMAGE_BITMAP, LR_CREATEDIBSECTION)),
      popupMenu2(mainWindow, PopupMenu2Items(), IDM_RESTORE1),
      trayIcon(mainWindow) {
  TZqTrayIcon95& icon = trayIcon.Component();
  icon.BeginLoading();
  icon.SetOptions(0);
  icon.SetAutoPopup(true);
  icon.SetPopupMenu(&popupMenu2);
  icon.OnDblClick = [restore = std::move(restore)](TZqTrayIcon95&) { restore(); };
  ShowFrame(kIdleFrame);
  icon.SetActive(true);
  icon.Loaded();
}

MainTray::~MainTray() {
  if (imageList2) ImageList_Destroy(imageList2);
}

void MainTray::SetHint(const std::string& hint) { trayIcon->SetHint(hint); }

void MainTray::ShowFrame(int newFrame) {
  if (newFrame == frame || imageList2 == nullptr) return;
  HICON picture = ImageList_GetIcon(imageList2, newFrame, ILD_NORMAL);
  if (picture == nullptr) return;
  frame = newFrame;
  trayIcon.SetIcon(picture);  // copied by the component
  DestroyIcon(picture);
}

void MainTray::SetDebugCaption(bool debugging) {
  popupMenu2.SetCaption(IDM_DEBUG1, debugging ? "Stop &Debugging" : "&Debug");
}

void MainTray::SetDebugVisible(bool visible) { popupMenu2.SetVisible(IDM_DEBUG1, visible); }

void MainTray::Deactivate() { trayIcon->SetActive(false); }

void BringRunningInstanceForward(HWND runningApplicationWindow) {
  FindMainWindow search{runningApplicationWindow};
  EnumWindows(FindMainWindow::Visit, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return;
  DWORD process = 0;
  GetWindowThreadProcessId(search.found, &process);
  AllowSetForegroundWindow(process);
  PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDM_RESTORE1, 0), 0);
}

}  // namespace lt
