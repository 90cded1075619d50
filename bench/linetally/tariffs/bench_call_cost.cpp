// The cost step and the idle label walk the table on every tick: 50 services, only the
// last of which applies, the others failing on their time window (so their bounds are read).
#include <benchmark/benchmark.h>

#include "linetally/base/clock.h"
#include "linetally/tariffs/call_cost.h"

namespace lt {
namespace {

class NullDisplay : public CostDisplay {
 public:
  void SetPriceLabel(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void DoProgressBar(const std::string&, int, long double, long double) override {}
  void ShowTrayFrame(int) override {}
};

ServiceTable FiftyServices() {
  ServiceTable table;
  for (int i = 1; i <= 50; ++i) {
    TelecomService s;
    s.Name = "Service " + std::to_string(i);
    s.Cost = "0.0395";
    s.Days = "1234567";
    if (i < 50) {
      s.After = 1.0 / 24;
      s.Before = 2.0 / 24;
    } else {
      s.MinChargeOn = s.ConnChargeOn = s.DiscountOn = true;
      s.MinCharge = "0.10";
      s.ConnCharge = "0.05";
      s.Discount = "10";
    }
    table.Add(s);
  }
  return table;
}

void BM_UpdateCallCost(benchmark::State& bench) {
  ServiceTable table = FiftyServices();
  SettableClock clock({2026, 12, 9, 12, 0, 0, 0});
  TariffCostStep step(table, clock);
  NullDisplay display;
  CostState state{0, true};
  for (auto _ : bench) benchmark::DoNotOptimize(step.UpdateCallCost(state, display));
}
BENCHMARK(BM_UpdateCallCost);

void BM_UpdatePriceLabel(benchmark::State& bench) {
  ServiceTable table = FiftyServices();
  SettableClock clock({2026, 12, 9, 12, 0, 0, 0});
  TariffCostStep step(table, clock);
  NullDisplay display;
  for (auto _ : bench) step.UpdatePriceLabel(display);
}
BENCHMARK(BM_UpdatePriceLabel);

}  // namespace
}  // namespace lt
