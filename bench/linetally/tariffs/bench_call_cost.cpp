// The cost step and the idle label walk the table on every tick.
#include <benchmark/benchmark.h>

#include "linetally/base/clock.h"
#include "linetally/tariffs/call_cost.h"
#include "bench/linetally/tariffs/fifty_services.h"

namespace lt {
namespace {

class NullDisplay : public CostDisplay {
 public:
  void SetPriceLabel(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void DoProgressBar(const std::string&, int, long double, long double) override {}
  void ShowTrayFrame(int) override {}
};

void BM_UpdateCallCost(benchmark::State& bench) {
  ServiceTable table = FiftyServices();
  SettableClock clock({2026, 12, 9, 12, 0, 0, 0});
  TariffCostStep step(table, clock);
  NullDisplay display;
  CostState state{0, true, "Office link"};
  for (auto _ : bench) benchmark::DoNotOptimize(step.UpdateCallCost(state, display));
}
BENCHMARK(BM_UpdateCallCost);

void BM_UpdateCallCostRestricted(benchmark::State& bench) {
  ServiceTable table = FiftyServices(true);
  SettableClock clock({2026, 12, 9, 12, 0, 0, 0});
  TariffCostStep step(table, clock);
  NullDisplay display;
  CostState state{0, true, "OFFICE LINK"};
  for (auto _ : bench) benchmark::DoNotOptimize(step.UpdateCallCost(state, display));
}
BENCHMARK(BM_UpdateCallCostRestricted);

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
