#pragma once
// The printed session report as text lines: a framed header, one row per row of the session
// list (its display texts), and the totals of all stored sessions.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "linetally/base/currency.h"

namespace lt {

// The texts of one row of the session list, as displayed.
struct ReportRow {
  std::string date, time, service, duration, cost;
};

struct ReportTotals {
  int64_t sumSeconds = 0;  // of the stored sessions; a session in progress is not one
  Currency totalCost;
  std::string currencySymbol;
};

// Fields padded to 12, 7, 24 and 11 characters, the cost as it is; a longer text is kept
// whole and pushes the rest of its row to the right. `showDate` false leaves the date blank.
std::string SessionRow(const ReportRow& row, bool showDate);

// "TOTAL TIME = 000:00:00 / TOTAL COST = " + symbol + cost with two decimals.
std::string TotalsLine(const ReportTotals& totals);

// Every line of the report; a row's date is left blank when it repeats the row above.
std::vector<std::string> ReportLines(const std::vector<ReportRow>& rows, const ReportTotals& totals);

}  // namespace lt
