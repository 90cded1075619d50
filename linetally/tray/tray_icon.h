#pragma once
// TZqTrayIcon95: one icon in the shell's notification area owned by a form. It keeps the
// icon's picture and tooltip current (NIM_ADD / NIM_MODIFY / NIM_DELETE), turns the shell's
// mouse notifications into events, opens a popup menu on a right-button press, animates a
// list of pictures, runs calls deferred through its message window, and can hide the whole
// application into the tray and bring it back.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "linetally/tray/timer_manager.h"
#include "linetally/tray/tray_animation.h"
#include "linetally/tray/tray_msg_window.h"
#include "linetally/tray/tray_platform.h"

namespace lt {

enum class TZqTrayIconState { tsEnabled, tsDisabled, tsAnimated };

enum class TZqTrayIconOption : unsigned {
  toMinimizeToTray = 1,
  toUnclutterVesta1TaskBar = 2,  // kept for stored settings; no effect
  toCloseFormsOnHideApp = 4,
  toHideTaskBarIconOnShowApp = 8,
};
using TZqTrayIconOptions = unsigned;  // a set of TZqTrayIconOption bits
constexpr TZqTrayIconOptions Bit(TZqTrayIconOption option) { return static_cast<unsigned>(option); }
constexpr bool Has(TZqTrayIconOptions set, TZqTrayIconOption option) { return (set & Bit(option)) != 0; }
constexpr TZqTrayIconOptions kDefaultTrayOptions = Bit(TZqTrayIconOption::toMinimizeToTray) |
                                                   Bit(TZqTrayIconOption::toUnclutterVesta1TaskBar) |
                                                   Bit(TZqTrayIconOption::toCloseFormsOnHideApp);

inline constexpr char kTrayOwnerError[] = "TrayIcons must be owned by a Form !";
inline constexpr char kStateChangeError[] =
    "You cannot modify the state property in the OnStateChanging event !!!";
inline constexpr char kNilFormError[] = "You cant hide a \"nil\" form !";

class TZqTrayIcon95 {
 public:
  using NotifyEvent = std::function<void(TZqTrayIcon95& sender)>;
  using MouseMoveEvent = std::function<void(TZqTrayIcon95& sender, ShiftState shift, int x, int y)>;
  using StateChangingEvent = std::function<void(TZqTrayIcon95& sender, TZqTrayIconState& newState)>;

  // Throws std::invalid_argument(kTrayOwnerError) when `owner` is not a form.
  TZqTrayIcon95(TrayPlatform& platform, WindowRef owner);
  ~TZqTrayIcon95();
  TZqTrayIcon95(const TZqTrayIcon95&) = delete;
  TZqTrayIcon95& operator=(const TZqTrayIcon95&) = delete;

  // Settings made between BeginLoading and Loaded take effect together: an Active set true
  // meanwhile adds the icon in Loaded.
  void BeginLoading() { loading = true; }
  void Loaded();

  bool Active() const { return active; }
  void SetActive(bool value);
  bool AutoPopup() const { return autoPopup; }
  void SetAutoPopup(bool value) { autoPopup = value; }
  const std::string& Hint() const { return hint; }
  void SetHint(const std::string& value);
  bool ShowHint() const { return showHint; }
  void SetShowHint(bool value);
  const char* Tip() const { return tip.data(); }
  void SetIcon(PictureRef picture);
  void SetDisabledIcon(PictureRef picture);
  TZqTrayIconState State() const { return state; }
  void SetState(TZqTrayIconState value);
  TZqTrayIconOptions Options() const { return options; }
  void SetOptions(TZqTrayIconOptions value) { options = value; }
  TrayPopupMenu* PopupMenu() const { return popupMenu; }
  void SetPopupMenu(TrayPopupMenu* menu) { popupMenu = menu; }
  TZqTrayIconAnimation& Animation() { return *animation; }
  TZqTimerManager& TimerManager() { return timerManager; }
  TrayPlatform& Platform() { return platform; }
  WindowRef Owner() const { return owner; }
  TZqTrayIconMsgWindow& MsgWindow() { return *msgWindow; }

  // Sends NIM_MODIFY with the current picture and tooltip (not while loading).
  void Update();
  // Puts the picture of the current state into the display picture, then updates the shell.
  void RefreshDisplayIcon();
  // The shell was restarted: an active icon is added again.
  void ShellRestarted();

  // Runs `call` from the message loop after the current handler; one call waits at a time,
  // a newer one replaces it.
  void PostDeferred(std::function<void()> call);
  void RunDeferred();

  void OpenPopupMenu(TrayPoint at);

  // Hiding into the tray and coming back (tray_application.cpp).
  void ShowApplication();
  void HideApplication();
  void LockUpdates(bool lock);  // nested; shared by all instances
  void HideForm(WindowRef form);
  void AppMinimized();  // the application's minimise handler
  void AppRestored();   // the application's restore handler

  NotifyEvent OnAnimation, OnAppMinimize, OnAppRestore, OnClick, OnDblClick;
  MouseMoveEvent OnMouseMove, OnMouseEnter, OnMouseExit;
  StateChangingEvent OnStateChanging;

 private:
  void SendToShell(uint32_t message);
  void HideStep();
  void ShowStep();

  TrayPlatform& platform;
  WindowRef owner;
  TZqTimerManager timerManager;
  std::unique_ptr<TZqTrayIconMsgWindow> msgWindow;
  std::unique_ptr<TZqTrayIconAnimation> animation;
  bool active = false;
  bool loading = false;
  bool activeWhenLoaded = false;
  bool autoPopup = false;
  bool showHint = true;
  bool stateChanging = false;
  std::string hint;
  std::array<char, NotifyIconRecord::kTipSize> tip{};
  TZqTrayIconState state = TZqTrayIconState::tsEnabled;
  TZqTrayIconOptions options = kDefaultTrayOptions;
  TrayPopupMenu* popupMenu = nullptr;
  std::function<void()> pending;
  static int lockCount;
};

}  // namespace lt
