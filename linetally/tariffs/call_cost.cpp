#include "linetally/tariffs/call_cost.h"

#include <cstdio>
#include <optional>

#include "linetally/base/date_time.h"
#include "linetally/tariffs/amount.h"
#include "linetally/tariffs/real48.h"

namespace lt {
namespace {

constexpr const char* kNoCost = "No call cost defined";
constexpr int kTrayFrameOnline = 15;

// 1 - discount x 0.01 for a discount above 0, else 1 (amount x 1 is the amount unchanged).
long double DiscountFactor(const TelecomService& s) {
  if (!s.DiscountOn) return 1;
  long double discount = StrToAmount(s.Discount);
  return discount > 0 ? 1 - discount * kOneHundredth : 1;
}

// The converted amount when its box is ticked and it is above 0.
std::optional<long double> Enabled(bool on, const std::string& text) {
  if (!on) return std::nullopt;
  long double amount = StrToAmount(text);
  if (amount > 0) return amount;
  return std::nullopt;
}

}  // namespace

long double ApplyDiscount(const ServiceTable& table, size_t number, long double amount) {
  return RoundReal48(amount * DiscountFactor(table.Service(number)));
}

long double Rate(const TelecomService& s) {
  return RoundReal48(StrToAmount(s.Cost) * DiscountFactor(s));
}

// The tariff values have 40-bit significands, so the double holds them exactly.
std::string FormatFour(long double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
  return text;
}

char TariffCostStep::WeekdayDigit() {
  CivilDateTime now = clock.Now();
  return static_cast<char>('0' + DayOfWeek(EncodeDate(now.year, now.month, now.day)));
}

// Rounded to double as the stored bounds are, so 08:00:00.000 equals a stored 08:00 (the
// volatile keeps x87 registers from holding extra precision on 32-bit builds).
double TariffCostStep::TimeNow() {
  CivilDateTime now = clock.Now();
  int64_t ms = ((now.hour * 60LL + now.minute) * 60 + now.second) * 1000 + now.millisecond;
  volatile double fraction = static_cast<double>(ms) / 86400000.0;
  return fraction;
}

bool TariffCostStep::InForce(const TelecomService& s, char weekday) {
  if (s.Days.find(weekday) == std::string::npos) return false;
  if (s.After < s.Before) return s.After <= TimeNow() && TimeNow() <= s.Before;
  if (s.After > s.Before) return TimeNow() >= s.After || TimeNow() <= s.Before;
  return true;
}

bool TariffCostStep::Shown(const TelecomService& s, char weekday) {
  if (s.Days.find(weekday) == std::string::npos) return false;
  if (s.After < s.Before) return s.After < TimeNow() && TimeNow() < s.Before;
  if (s.After > s.Before) return TimeNow() > s.After || TimeNow() < s.Before;
  return true;
}

// A session times one connection, so its key is made once, not every second.
const std::string& TariffCostStep::ConnectionKeyOf(const std::string& connection) {
  if (connection != keyedConnection) {
    keyedConnection = connection;
    connectionKey = ConnectionKey(connection);
  }
  return connectionKey;
}

Currency TariffCostStep::UpdateCallCost(CostState& state, CostDisplay& display) {
  char weekday = WeekdayDigit();
  const std::string& connection = ConnectionKeyOf(state.connection);
  size_t number = 0;
  for (size_t i = 1; i <= table.ServiceCount() && number == 0; ++i)
    if (table.AppliesTo(i, connection) && InForce(table.Service(i), weekday)) number = i;
  if (number == 0) {
    display.SetPriceLabel(kNoCost);
    return Currency();
  }
  // Each amount is converted once per step; the discount applies to all three.
  const TelecomService& s = table.Service(number);
  long double factor = DiscountFactor(s);
  long double rate = RoundReal48(StrToAmount(s.Cost) * factor);
  long double perSecond = RoundReal48(rate * kOneSixtieth);
  state.accumulatedCost = RoundReal48(state.accumulatedCost + perSecond);

  std::optional<long double> minCharge = Enabled(s.MinChargeOn, s.MinCharge);
  if (minCharge)
    display.DoProgressBar(s.MinCharge, static_cast<int>(number), perSecond, state.accumulatedCost);
  else
    display.ShowTrayFrame(kTrayFrameOnline);

  std::optional<long double> connCharge = Enabled(s.ConnChargeOn, s.ConnCharge);
  if (connCharge && state.firstSecond) {
    state.accumulatedCost = RoundReal48(state.accumulatedCost + RoundReal48(*connCharge * factor));
    state.firstSecond = false;
  }

  long double costSoFar = state.accumulatedCost;
  if (minCharge) {
    long double minimum = RoundReal48(*minCharge * factor);
    if (!(minimum < costSoFar)) costSoFar = minimum;
  }
  display.SetPriceLabel(s.Name + " " + FormatFour(rate) + " per min");
  return Currency::FromReal(costSoFar);
}

void TariffCostStep::UpdatePriceLabel(CostDisplay& display) {
  char weekday = WeekdayDigit();
  long double price = 0;
  bool found = false;
  for (size_t i = 1; i <= table.ServiceCount(); ++i) {
    if (Shown(table.Service(i), weekday)) {
      price = Rate(table.Service(i));
      found = true;
    }
  }
  display.SetPriceLabel(found ? "Calls will cost " + FormatFour(price) + " per min" : kNoCost);
}

}  // namespace lt
