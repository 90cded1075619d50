// Hiding the application into the tray and bringing it back.
#include <stdexcept>

#include "linetally/tray/tray_icon.h"

namespace lt {

int TZqTrayIcon95::lockCount = 0;

void TZqTrayIcon95::LockUpdates(bool lock) {
  if (lock) {
    if (lockCount++ == 0) platform.LockDesktopUpdates(true);
  } else if (lockCount > 0 && --lockCount == 0) {
    platform.LockDesktopUpdates(false);
  }
}

void TZqTrayIcon95::HideForm(WindowRef form) {
  if (form == 0) throw std::invalid_argument(kNilFormError);
  if (form == owner) {
    platform.Show(form, ShowCommand::kHide);
  } else {
    platform.CloseForm(form);
  }
}

void TZqTrayIcon95::AppMinimized() {
  if (active && Has(options, TZqTrayIconOption::toMinimizeToTray)) HideApplication();
  if (OnAppMinimize) OnAppMinimize(*this);
}

void TZqTrayIcon95::AppRestored() {
  if (active) ShowApplication();
  if (OnAppRestore) OnAppRestore(*this);
}

void TZqTrayIcon95::HideApplication() {
  if (!Has(options, TZqTrayIconOption::toCloseFormsOnHideApp)) {
    PostDeferred([this] { HideStep(); });
    return;
  }
  const WindowRef app = platform.AppWindow();
  LockUpdates(true);
  platform.SetOwner(app, platform.ParkingWindow());
  try {
    const std::vector<WindowRef> forms = platform.Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
      if (platform.IsVisible(*it)) HideForm(*it);
    }
  } catch (...) {
    LockUpdates(false);
    throw;
  }
  platform.Show(app, ShowCommand::kHide);
  platform.SetOwner(app, platform.ParkingWindow());
  LockUpdates(false);
}

void TZqTrayIcon95::HideStep() {
  const WindowRef app = platform.AppWindow();
  LockUpdates(true);
  platform.SetOwner(app, platform.ParkingWindow());
  platform.NormalizeTopMosts();
  platform.Activate(app);
  const bool animated = platform.MinimizeAnimation();
  if (animated) platform.SetMinimizeAnimation(false);
  platform.Show(app, ShowCommand::kMinimize);
  if (animated) platform.SetMinimizeAnimation(true);
  if (OnAppMinimize) OnAppMinimize(*this);
  platform.Show(app, ShowCommand::kHide);
  platform.Show(owner, ShowCommand::kHide);
  LockUpdates(false);
  platform.SetOwner(app, 0);
  platform.Show(app, ShowCommand::kHide);
}

void TZqTrayIcon95::ShowApplication() {
  PostDeferred([this] { ShowStep(); });
}

void TZqTrayIcon95::ShowStep() {
  const WindowRef app = platform.AppWindow();
  LockUpdates(true);
  platform.SetOwner(app, platform.ParkingWindow());
  platform.SetForeground(app);
  if (platform.IsMinimized(app)) platform.Show(app, ShowCommand::kRestore);
  if (!platform.IsVisible(owner)) platform.Show(owner, ShowCommand::kShowNormal);
  if (Has(options, TZqTrayIconOption::toHideTaskBarIconOnShowApp)) {
    platform.Show(app, ShowCommand::kHide);
    platform.Show(owner, ShowCommand::kShowNormal);
    platform.NotifyOnFormClose(owner, [this] {
      PostDeferred([this] { platform.Show(platform.AppWindow(), ShowCommand::kHide); });
    });
  } else {
    platform.Show(app, ShowCommand::kShowNormal);
  }
  platform.SetOwner(app, 0);
  LockUpdates(false);
}

}  // namespace lt
