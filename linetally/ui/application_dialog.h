#pragma once
// TfrmApplication, "Application Preferences": the five application preferences and the entry
// that launches Linetally at log-on.
#include <windows.h>

#include <string>

#include "linetally/ui/modal_form.h"
#include "linetally/ui/options_dialog.h"
#include "linetally/ui/preferences_host.h"

namespace lt {

class TfrmApplication : public ModalForm {
 public:
  TfrmApplication(PreferencesHost& host, TfrmOptions& options) : host(host), options(options) {}
  void Create(HWND owner);

 protected:
  void FormShow() override;
  HWND InitialFocus() override { return btnOK; }
  void OnCommand(int id, int code, HWND control) override;

 private:
  void btnOKClick();
  // What the confirmation put in force reaches the window: the note flag, a new symbol.
  void TakeChanges();

  PreferencesHost& host;
  TfrmOptions& options;
  std::string previousSymbol;
  HWND checkStartMin = nullptr, checkStartEvery = nullptr, checkConfirmDeletes = nullptr;
  HWND checkExtraInfo = nullptr, editCurrency = nullptr, btnOK = nullptr, btnCancel = nullptr;
};

}  // namespace lt
