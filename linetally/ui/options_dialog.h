#pragma once
// TfrmOptions, "Telecom Preferences": shows one telecom service at a time, lists the stored
// ones, saves the controls under a name and deletes services, straight in the registry. Its
// Close button has the main window reload the service table; the close box does not.
#include <windows.h>

#include <string>

#include "linetally/tariffs/service_form.h"
#include "linetally/ui/modal_form.h"
#include "linetally/ui/preferences_host.h"
#include "linetally/ui/time_mask_edit.h"

namespace lt {

class TfrmOptions : public ModalForm {
 public:
  explicit TfrmOptions(PreferencesHost& host) : host(host) {}
  void Create(HWND owner);
  // Shows the dialog; after Close, the table is reloaded.
  void Execute();
  void DoLabels();

 protected:
  void FormShow() override;
  HWND InitialFocus() override;
  void OnCommand(int id, int code, HWND control) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreatePricesSheet(HWND sheet);
  void CreateTimesSheet(HWND sheet);
  void ShowPage(int page);
  void FillList(const std::string& name);
  void ReadFromRegistry(const std::string& name);
  bool WriteToRegistry(const std::string& name);
  ServiceForm ReadControls();
  void ShowForm(const ServiceForm& form);
  void FollowCheckBoxes();  // checkMinChargeClick, checkConnChargeClick, checkDiscountClick
  void btnSaveAsClick();
  void btnDeleteClick();
  void btnCloseClick();
  bool TimeRefused() const { return editAfter.Refusing() || editBefore.Refusing(); }

  PreferencesHost& host;
  std::string SaveName;
  std::string unreadableMessage;  // of the service just shown, waiting for the dialog to show
  bool reload = false;

  HWND PageControl1 = nullptr, TabSheet1 = nullptr, TabSheet2 = nullptr;
  HWND editCost = nullptr, checkMinCharge = nullptr, editMinCharge = nullptr;
  HWND checkConnCharge = nullptr, editConnCharge = nullptr;
  HWND checkDiscount = nullptr, editDiscount = nullptr;
  HWND Label6 = nullptr, Label7 = nullptr, Label8 = nullptr;
  HWND checkMon = nullptr, checkTue = nullptr, checkWed = nullptr, checkThu = nullptr;
  HWND checkFri = nullptr, checkSat = nullptr, checkSun = nullptr;
  TimeMaskEdit editAfter, editBefore;
  HWND editConnections = nullptr;
  HWND ComboBox1 = nullptr, btnSaveAs = nullptr, btnDelete = nullptr, btnClose = nullptr;
};

}  // namespace lt
