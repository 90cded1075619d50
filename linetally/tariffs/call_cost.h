#pragma once
// The cost step and the idle price label over the service table. Every second of a session
// adds 1/60 of the per-minute rate in force at that second; the connection charge is added
// once, and the minimum charge is the least the session costs. Only the services for the
// connection timed are in force. The clock is read afresh for every comparison with a window
// bound, as the tariff rules are written.
#include "linetally/base/clock.h"
#include "linetally/monitor/cost_step.h"
#include "linetally/tariffs/telecom_service.h"

namespace lt {

// amount reduced by the discount of service `number` (1-based), when it has one above 0.
long double ApplyDiscount(const ServiceTable& table, size_t number, long double amount);
// The discounted price per minute, rounded to the 6-byte real.
long double Rate(const TelecomService& service);
// A real with exactly four decimals, "." as the point ("%.4f").
std::string FormatFour(long double value);

class TariffCostStep : public CostStep {
 public:
  TariffCostStep(const ServiceTable& table, Clock& clock) : table(table), clock(clock) {}
  Currency UpdateCallCost(CostState& state, CostDisplay& display) override;
  void UpdatePriceLabel(CostDisplay& display) override;

 private:
  char WeekdayDigit();
  double TimeNow();
  bool InForce(const TelecomService& service, char weekday);  // bounds inclusive
  bool Shown(const TelecomService& service, char weekday);    // bounds exclusive
  const std::string& ConnectionKeyOf(const std::string& connection);

  const ServiceTable& table;
  Clock& clock;
  std::string keyedConnection, connectionKey;  // the last connection timed and its key
};

}  // namespace lt
