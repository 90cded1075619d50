#include <gtest/gtest.h>

#include "linetally/base/registry_memory.h"
#include "linetally/summary/budget.h"

namespace lt {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// What the registry holds reads as settings; anything unreadable as none, told once.
TEST(Budget, StoredValuesReadAsSettingsAndBadOnesAsNoneWithOneMessage) {
  auto hives = std::make_shared<MemoryHives>();
  MemoryRegistry registry(hives);
  const std::string key = std::string(kProgramKey).substr(1);
  std::vector<std::string> messages;
  auto read = [&] {
    messages.clear();
    registry.OpenKey(kProgramKey, true);
    BudgetSettings settings = ReadBudgetSettings(registry, [&](const std::string& text) { messages.push_back(text); });
    registry.CloseKey();
    return settings;
  };

  BudgetSettings settings = read();
  EXPECT_EQ(settings.billingDay, 1);
  EXPECT_FALSE(settings.budget);
  EXPECT_TRUE(messages.empty());

  hives->SetRaw(RootKey::CurrentUser, key, kBillingDayValue, kRegSz, Bytes("15"));
  hives->SetRaw(RootKey::CurrentUser, key, kBudgetValue, kRegSz, Bytes("12.5"));
  settings = read();
  EXPECT_EQ(settings.billingDay, 15);
  EXPECT_EQ(settings.budget, Currency::FromRaw(125000));
  EXPECT_TRUE(messages.empty());

  hives->SetRaw(RootKey::CurrentUser, key, kBillingDayValue, kRegSz, Bytes("31"));
  hives->SetRaw(RootKey::CurrentUser, key, kBudgetValue, kRegDword, {10, 0, 0, 0});
  settings = read();
  EXPECT_EQ(settings.billingDay, 1);
  EXPECT_FALSE(settings.budget);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "The stored monthly summary settings have unreadable values: Billing period starts on day, Budget per "
            "period. The billing periods start on day 1 and no budget is set.");
  EXPECT_EQ(hives->GetRaw(RootKey::CurrentUser, key, kBudgetValue)->type, uint32_t(kRegDword)) << "left as it was";
}

TEST(Budget, TheWindowRefusesADayOutside1To28AndABudgetThatIsNoAmount) {
  const struct {
    const char *day, *budget;
    int billingDay;  // 0: refused
    std::optional<int64_t> raw;
    bool dayRefused;
  } cases[] = {
      {"1", "", 1, std::nullopt, false},    {"28", "10", 28, 100000, false}, {"15", "0.005", 15, 50, false},
      {"0", "", 0, std::nullopt, true},     {"29", "", 0, std::nullopt, true}, {"", "5", 0, std::nullopt, true},
      {"1", ".", 0, std::nullopt, false},   {"1", "12a", 0, std::nullopt, false},
      {"1", "-3", 0, std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.day) + " / " + c.budget);
    const BudgetCheck check = CheckBudgetForm(c.day, c.budget);
    if (c.billingDay == 0) {
      EXPECT_FALSE(check.settings);
      EXPECT_EQ(check.dayRefused, c.dayRefused);
      EXPECT_NE(check.error.find(c.dayRefused ? "\"Billing period starts on day\"" : "\"Budget per period\""),
                std::string::npos)
          << check.error;
      continue;
    }
    ASSERT_TRUE(check.settings);
    EXPECT_EQ(check.settings->billingDay, c.billingDay);
    EXPECT_EQ(check.settings->budget ? std::optional<int64_t>(check.settings->budget->Raw()) : std::nullopt, c.raw);
  }
}

TEST(Budget, WarnsOnceAPeriodWhenASessionGoesOverIt) {
  BudgetWatch watch;
  const auto budget = std::optional<Currency>(Currency::FromRaw(100000));
  auto logged = [&](PeriodIndex period, int64_t before, int64_t after) {
    return watch.SessionLogged(period, Currency::FromRaw(before), Currency::FromRaw(after), budget, "\xA3");
  };
  EXPECT_FALSE(logged(100, 0, 100000)) << "at the budget is not over it";
  EXPECT_EQ(logged(100, 100000, 124000), "This period's calls have cost \xA3" "12.40, over your budget of \xA3" "10.00.");
  EXPECT_FALSE(logged(100, 124000, 130000)) << "already over";
  EXPECT_FALSE(logged(100, 90000, 130000)) << "back under after a delete, over again: still once";
  EXPECT_TRUE(logged(101, 0, 110000)) << "the next period";
  EXPECT_FALSE(watch.SessionLogged(102, Currency(), Currency::FromRaw(1), std::nullopt, "\xA3")) << "no budget";
}

}  // namespace
}  // namespace lt
