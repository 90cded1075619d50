#pragma once
// What the two preference dialogs ask of the main window: its registry access object, the
// application preferences it keeps, the reload of the telecom services and the status bar.
#include "linetally/base/preferences.h"
#include "linetally/base/registry.h"

namespace lt {

class PreferencesHost {
 public:
  virtual ~PreferencesHost() = default;
  virtual Registry& AppRegistry() = 0;
  virtual Preferences& AppPreferences() = 0;
  virtual void DoRegistry() = 0;
  virtual void UpdateStatusBar() = 0;
  // The application preferences dialog has just set AppPreferences() from its controls.
  virtual void PreferencesTaken() = 0;
};

}  // namespace lt
