// TfrmMain and its two preference dialogs: opening them, and what they ask of the window.
#include "linetally/ui/main_window.h"

namespace lt {

void TfrmMain::CreatePreferenceDialogs() {
  frmOptions = std::make_unique<TfrmOptions>(*this);
  frmOptions->Create(Handle());
  frmApplication = std::make_unique<TfrmApplication>(*this, *frmOptions);
  frmApplication->Create(Handle());
}

void TfrmMain::Application1Click() { frmApplication->ShowModal(); }

void TfrmMain::TelecomServices1Click() { frmOptions->Execute(); }

Registry& TfrmMain::AppRegistry() { return registry; }

Preferences& TfrmMain::AppPreferences() { return preferences; }

void TfrmMain::PreferencesTaken() {
  monitor.SetConnectionNote(preferences.extraInfo);
  RefreshSummary();  // the currency symbol may have changed
}

}  // namespace lt
