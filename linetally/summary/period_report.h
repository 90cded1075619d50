#pragma once
// What the monthly summary window shows: one row per billing period, newest first, and the
// bars of the last twelve periods for its chart.
#include <optional>
#include <string>
#include <vector>

#include "linetally/base/regional_formats.h"
#include "linetally/database/period_totals.h"

namespace lt {

inline constexpr int kChartPeriods = 12;

// "December 2026": the system's name of the month the period starts in, and its year.
std::string PeriodName(PeriodIndex period, const RegionalFormats& formats);

struct SummaryRow {
  std::string period, sessions, duration, cost;
};
// The periods that hold sessions and the current one, newest first. Duration as the session
// list shows it, cost as money with two decimals.
std::vector<SummaryRow> SummaryRows(const PeriodTotals& totals, PeriodIndex current, const RegionalFormats& formats,
                                    const std::string& symbol);

struct ChartBar {
  std::string label;  // the month's short name
  Currency cost;
  bool current = false;
};
// The twelve periods up to the current one, oldest first, empty ones included.
std::vector<ChartBar> ChartBars(const PeriodTotals& totals, PeriodIndex current, const RegionalFormats& formats);
// The amount at the top of the chart: a round figure above every bar and the budget (1, 2 or 5
// times a power of ten), or the largest amount there is when no such figure is that large.
Currency ChartTop(const std::vector<ChartBar>& bars, const std::optional<Currency>& budget);
// How many of a plot's `height` pixels an amount stands above its foot, the plot's top being
// `top`: within 0..height whatever the amount.
int ChartHeightOf(Currency amount, Currency top, int height);

}  // namespace lt
