#include "linetally/ui/application_dialog.h"

#include "linetally/base/startup_entry.h"
#include "linetally/resources/preferences_ids.h"
#include "linetally/tariffs/service_store.h"

namespace lt {
namespace {

constexpr int kWidth = 315, kHeight = 311, kHelpContext = 2100;
constexpr int kSymbolLength = 3;

std::string ExecutablePath() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

}  // namespace

void TfrmApplication::Create(HWND owner) {
  CreateModalForm("TfrmApplication", "Application Preferences", kWidth, kHeight, owner,
                  kHelpContext);
  Picture(nullptr, IDB_APPLICATION_PREFS, 8, 8, IDC_APPIMAGE);
  // Created in tab order; the disabled note option comes last.
  Heading(nullptr, "Startup", 56, 10, 305);
  checkStartMin = CheckBox(nullptr, "Mi&nimised", 68, 30, 200, IDC_CHECKSTARTMIN);
  checkStartEvery = CheckBox(nullptr, "&Every time you start Windows", 68, 50, 220,
                             IDC_CHECKSTARTEVERY);
  Heading(nullptr, "Confirmations", 56, 82, 305);
  checkConfirmDeletes = CheckBox(nullptr, "Confirm &deletes", 68, 102, 200,
                                 IDC_CHECKCONFIRMDELETES);
  Heading(nullptr, "Currency", 56, 186, 305);
  Label(nullptr, "Currency &symbol:", 68, 210, 90);
  editCurrency = Control(nullptr, WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 160,
                         206, 30, 21, IDC_EDITCURRENCY);
  SendMessageA(editCurrency, EM_LIMITTEXT, kSymbolLength, 0);
  btnOK = Button("OK", 146, 274, 75, IDOK, true);
  btnCancel = Button("Cancel", 230, 274, 75, IDCANCEL);
  Heading(nullptr, "Information", 56, 134, 305);
  checkExtraInfo = CheckBox(nullptr, "&Prompt for connection note", 68, 154, 220,
                            IDC_CHECKEXTRAINFO);
  EnableWindow(checkStartMin, FALSE);
  EnableWindow(checkExtraInfo, FALSE);
  FinishControls();
}

void TfrmApplication::FormShow() {
  const Preferences& p = host.AppPreferences();
  SetChecked(checkStartMin, p.startMinimised);
  SetChecked(checkStartEvery, p.startEvery);
  SetChecked(checkConfirmDeletes, p.confirmDeletes);
  SetChecked(checkExtraInfo, p.extraInfo);
  SetTextOf(editCurrency, p.currency);
  previousSymbol = p.currency;
}

void TfrmApplication::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id == IDOK) btnOKClick();
  if (id == IDCANCEL) CloseModal();  // btnCancelClick
}

void TfrmApplication::btnOKClick() {
  Registry& registry = host.AppRegistry();
  Preferences& inForce = host.AppPreferences();
  Preferences wanted;
  wanted.startMinimised = IsChecked(checkStartMin);
  wanted.startEvery = IsChecked(checkStartEvery);
  wanted.confirmDeletes = IsChecked(checkConfirmDeletes);
  wanted.extraInfo = IsChecked(checkExtraInfo);
  wanted.currency = TextOf(editCurrency);
  // A refused write stops the handler with only the values written before it in force; the
  // dialog stays open.
  try {
    if (!registry.OpenKey(kProgramKey, false)) registry.CloseKey();  // the writes then fail
    WritePreferences(registry, wanted, inForce);
    registry.CloseKey();
    UpdateStartupEntry(registry, inForce.startEvery, ExecutablePath());
  } catch (...) {
    registry.CloseKey();
    TakeChanges();
    throw;
  }
  TakeChanges();
  CloseModal();
}

void TfrmApplication::TakeChanges() {
  const Preferences& inForce = host.AppPreferences();
  host.PreferencesTaken();
  if (inForce.currency != previousSymbol) {
    previousSymbol = inForce.currency;
    host.UpdateStatusBar();
    options.DoLabels();
  }
}

}  // namespace lt
