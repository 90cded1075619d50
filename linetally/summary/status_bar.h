#pragma once
// The texts of the main window's status bar and tray hint as they stand now: the session in
// progress over the log's kept totals, and the current billing period against its budget.
// Nothing here grows with the log, so the tick can ask for them three times a second.
#include <optional>
#include <string>

#include "linetally/database/session_database.h"
#include "linetally/monitor/session_monitor.h"
#include "linetally/monitor/status_texts.h"

namespace lt {

struct StatusSettings {
  std::string symbol;              // the currency preference
  bool showTime = false;           // StatusBarMode: panel 2 shows the time total
  std::optional<Currency> budget;  // of each billing period
  PeriodIndex period = 0;          // the current one
};

// `totalCost` is the window's TotalCost, which keeps its value when the log's total does not read.
StatusTexts CurrentStatusTexts(const SessionMonitor& monitor, const SessionDatabase& log, Currency totalCost,
                               const StatusSettings& settings);

}  // namespace lt
