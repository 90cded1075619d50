#include "linetally/summary/period_report.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "linetally/base/duration_text.h"
#include "linetally/monitor/status_texts.h"

namespace lt {

std::string PeriodName(PeriodIndex period, const RegionalFormats& formats) {
  return formats.longMonthNames[size_t(PeriodMonth(period) - 1)] + " " + std::to_string(PeriodYear(period));
}

std::vector<SummaryRow> SummaryRows(const PeriodTotals& totals, PeriodIndex current, const RegionalFormats& formats,
                                    const std::string& symbol) {
  auto row = [&](PeriodIndex period, const PeriodTotal& total) {
    return SummaryRow{PeriodName(period, formats), std::to_string(total.sessions), DurationText(total.seconds),
                      MoneyText(symbol, total.cost, 2)};
  };
  std::vector<SummaryRow> rows;
  const auto& all = totals.All();
  bool currentShown = false;
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    if (!currentShown && it->first < current) {
      rows.push_back(row(current, PeriodTotal()));
      currentShown = true;
    }
    currentShown |= it->first == current;
    rows.push_back(row(it->first, it->second));
  }
  if (!currentShown) rows.push_back(row(current, PeriodTotal()));
  return rows;
}

std::vector<ChartBar> ChartBars(const PeriodTotals& totals, PeriodIndex current, const RegionalFormats& formats) {
  std::vector<ChartBar> bars;
  for (PeriodIndex period = current - (kChartPeriods - 1); period <= current; ++period)
    bars.push_back(ChartBar{formats.shortMonthNames[size_t(PeriodMonth(period) - 1)], totals.Of(period).cost,
                            period == current});
  return bars;
}

Currency ChartTop(const std::vector<ChartBar>& bars, const std::optional<Currency>& budget) {
  Currency highest = budget.value_or(Currency());
  for (const ChartBar& bar : bars) highest = std::max(highest, bar.cost);
  // Steps of 1, 2 or 5 times a power of ten, at least one unit of money, within the range.
  constexpr int64_t kLargest = std::numeric_limits<int64_t>::max();
  for (int64_t step = Currency::kScale;; step *= 10) {
    for (int64_t factor : {1, 2, 5}) {
      if (step > kLargest / factor) return Currency::Max();
      if (highest.Raw() <= step * factor) return Currency::FromRaw(step * factor);
    }
    if (step > kLargest / 10) return Currency::Max();
  }
}

int ChartHeightOf(Currency amount, Currency top, int height) {
  if (top.Raw() <= 0 || amount.Raw() <= 0 || height <= 0) return 0;
  if (amount >= top) return height;
  // As a ratio first: amount times height would not fit 64 bits for amounts of a few billions.
  const long double share = static_cast<long double>(amount.Raw()) / static_cast<long double>(top.Raw());
  return static_cast<int>(std::lround(share * height));
}

}  // namespace lt
