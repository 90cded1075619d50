// TfrmMain and the monthly summary: the billing day and budget it keeps, the summary window it
// opens and refreshes, and the warning when a logged session goes over the budget.
#include "linetally/ui/main_window.h"

#include <utility>

#include "linetally/ui/message_boxes.h"

namespace lt {

// Made when first asked for: Ctrl+M works as soon as the window shows, before start-up ends.
void TfrmMain::Summary1Click() {
  if (!frmSummary) {
    frmSummary = std::make_unique<TfrmSummary>(*this);
    frmSummary->Create(Handle());
  }
  frmSummary->ShowModeless();
}

void TfrmMain::RefreshSummary() {
  if (frmSummary && frmSummary->Shown()) frmSummary->Refresh();
}

PeriodIndex TfrmMain::CurrentPeriod() { return PeriodOf(clock.Now(), budget.billingDay); }

void TfrmMain::ReadBudget() {
  Registry& key = registry;
  if (key.OpenKey(kProgramKey, false))
    budget = ReadBudgetSettings(key, [this](const std::string& text) { ShowWarning(Handle(), text); });
  key.CloseKey();
  database.SetBillingDay(budget.billingDay);
}

bool TfrmMain::TakeBudget(const BudgetSettings& settings) {
  Registry& key = registry;
  try {
    key.OpenKey(kProgramKey, true);
    WriteBudgetSettings(key, settings);
  } catch (const RegistryError& error) {
    key.CloseKey();
    ShowStandardError(Handle(), error.what());
    return false;
  }
  key.CloseKey();
  if (settings.billingDay != budget.billingDay) database.SetBillingDay(settings.billingDay);
  budget = settings;
  UpdateStatusBar();
  return true;
}

void TfrmMain::WarnOverBudget(PeriodIndex period, Currency before) {
  const Currency after = database.Periods().Of(period).cost;
  if (auto text = budgetWatch.SessionLogged(period, before, after, budget.budget, preferences.currency)) {
    budgetWarning = *text;
    PostMessageA(Handle(), kBudgetWarningMessage, 0, 0);
  }
}

void TfrmMain::ShowBudgetWarning() {
  const std::string text = std::exchange(budgetWarning, "");
  if (!text.empty()) ShowWarning(Handle(), text);
}

}  // namespace lt
