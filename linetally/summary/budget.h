#pragma once
// The billing day and the budget per period: two string values of the program's key, edited
// in the monthly summary window ("editBillingDay" 1 to 28, "editBudget" an amount or empty).
// Missing values mean day 1 and no budget. Also the warning once a period goes over budget.
#include <functional>
#include <optional>
#include <string>

#include "linetally/base/currency.h"
#include "linetally/base/registry.h"
#include "linetally/database/period_totals.h"

namespace lt {

inline constexpr const char* kBillingDayValue = "editBillingDay";
inline constexpr const char* kBudgetValue = "editBudget";

struct BudgetSettings {
  int billingDay = kFirstBillingDay;
  std::optional<Currency> budget;  // none when the text is empty
  std::string budgetText;          // as typed
};

// Both values from the current key. A value of the wrong type or with text that does not read
// counts as missing; the fields go to `report` in one message. Nothing is written.
BudgetSettings ReadBudgetSettings(Registry& registry, const std::function<void(const std::string&)>& report);
void WriteBudgetSettings(Registry& registry, const BudgetSettings& settings);

// The window's two edits checked: the settings, or the message naming the field refused.
struct BudgetCheck {
  std::optional<BudgetSettings> settings;
  std::string error;
  bool dayRefused = false;  // else the budget, when refused
};
BudgetCheck CheckBudgetForm(const std::string& dayText, const std::string& budgetText);

// Cost of the period plus the session running now over the budget (the tray hint says so).
bool OverBudget(Currency periodCost, Currency callCost, const std::optional<Currency>& budget);

// Says once per period that a logged session took the period's cost over the budget.
class BudgetWatch {
 public:
  // The warning's text when the session took `period` from within the budget to over it and
  // the period has not been warned of yet.
  std::optional<std::string> SessionLogged(PeriodIndex period, Currency before, Currency after,
                                           const std::optional<Currency>& budget, const std::string& symbol);

 private:
  std::optional<PeriodIndex> warned;
};

}  // namespace lt
