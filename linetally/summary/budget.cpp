#include "linetally/summary/budget.h"

#include "linetally/base/stored_fields.h"
#include "linetally/monitor/status_texts.h"
#include "linetally/tariffs/amount.h"

namespace lt {
namespace {

constexpr const char* kDayField = "Billing period starts on day";
constexpr const char* kBudgetField = "Budget per period";

std::optional<int> ReadDay(const std::string& text) {
  if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int day = std::stoi(text);
  if (day < kFirstBillingDay || day > kLastBillingDay) return std::nullopt;
  return day;
}

// Empty text is no budget; anything else must be an amount of at least zero, with a digit
// (the amount reader takes a lone "." for 0).
std::optional<std::optional<Currency>> ReadBudget(const std::string& text) {
  if (text.find_first_not_of(' ') == std::string::npos) return std::optional<Currency>();
  const auto amount = TryStrToAmount(text);
  if (!amount || *amount < 0 || text.find_first_of("0123456789") == std::string::npos) return std::nullopt;
  return std::optional<Currency>(Currency::FromReal(*amount));
}

}  // namespace

BudgetSettings ReadBudgetSettings(Registry& registry, const std::function<void(const std::string&)>& report) {
  BudgetSettings settings;
  FieldReader reader(registry);
  reader.Parsed(kBillingDayValue, kDayField, settings.billingDay, ReadDay);
  auto budgetText = [](const std::string& text) { return ReadBudget(text) ? std::optional(text) : std::nullopt; };
  if (reader.Parsed(kBudgetValue, kBudgetField, settings.budgetText, budgetText))
    settings.budget = *ReadBudget(settings.budgetText);
  if (!reader.AllRead())
    report(reader.Message("The stored monthly summary settings have",
                          "The billing periods start on day " + std::to_string(settings.billingDay) +
                              (settings.budget ? "." : " and no budget is set.")));
  return settings;
}

void WriteBudgetSettings(Registry& registry, const BudgetSettings& settings) {
  registry.WriteString(kBillingDayValue, std::to_string(settings.billingDay));
  registry.WriteString(kBudgetValue, settings.budgetText);
}

BudgetCheck CheckBudgetForm(const std::string& dayText, const std::string& budgetText) {
  BudgetCheck check;
  const auto day = ReadDay(dayText);
  if (!day) {
    check.error = std::string("\"") + kDayField + "\" must be a day from 1 to 28.";
    check.dayRefused = true;
    return check;
  }
  const auto budget = ReadBudget(budgetText);
  if (!budget) {
    check.error = std::string("Please enter an amount for \"") + kBudgetField + "\", or leave it empty for no budget.";
    return check;
  }
  check.settings = BudgetSettings{*day, *budget, budget->has_value() ? budgetText : ""};
  return check;
}

bool OverBudget(Currency periodCost, Currency callCost, const std::optional<Currency>& budget) {
  return budget && periodCost + callCost > *budget;
}

std::optional<std::string> BudgetWatch::SessionLogged(PeriodIndex period, Currency before, Currency after,
                                                      const std::optional<Currency>& budget,
                                                      const std::string& symbol) {
  if (!budget || before > *budget || after <= *budget || warned == period) return std::nullopt;
  warned = period;
  return "This period's calls have cost " + MoneyText(symbol, after, 2) + ", over your budget of " +
         MoneyText(symbol, *budget, 2) + ".";
}

}  // namespace lt
