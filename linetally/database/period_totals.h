#pragma once
// Billing periods of the session log: each period's sessions, seconds and cost, kept as
// records come and go so the monthly summary never reads the whole log. A period starts on
// the billing day of a month and runs to the day before it in the next month; a session
// counts in the period in which it started.
#include <cstdint>
#include <map>

#include "linetally/base/currency.h"
#include "linetally/base/date_time.h"
#include "linetally/base/regional_formats.h"
#include "linetally/database/record_table.h"

namespace lt {

inline constexpr int kFirstBillingDay = 1, kLastBillingDay = 28;

// A period as a month count: year * 12 + month - 1 of the month it starts in.
using PeriodIndex = int32_t;
PeriodIndex PeriodOf(const CivilDateTime& day, int billingDay);
inline int PeriodMonth(PeriodIndex period) { return (period % 12 + 12) % 12 + 1; }
inline int PeriodYear(PeriodIndex period) { return (period - (PeriodMonth(period) - 1)) / 12; }

struct PeriodTotal {
  int64_t sessions = 0, seconds = 0;
  Currency cost;      // `exact` as shown, held at the ends of the range
  CurrencySum exact;  // so that removing a record undoes adding it
};

// A RecordObserver of the record table, beside the log's running totals.
class PeriodTotals : public RecordObserver {
 public:
  explicit PeriodTotals(const RegionalFormats& formats) : formats(formats) {}

  int BillingDay() const { return billingDay; }
  // Regroups the records under another billing day (1 to 28).
  void SetBillingDay(int day, const RecordTable& table);

  // A record whose start does not read counts nowhere; a cost that does not read counts 0, as
  // in the log's total.
  void RecordAdded(const RecordFields& fields) override { Apply(fields, 1); }
  void RecordRemoved(const RecordFields& fields) override { Apply(fields, -1); }
  void RecordsCleared() override { periods.clear(); }

  PeriodTotal Of(PeriodIndex period) const;
  // Periods that hold sessions, oldest first.
  const std::map<PeriodIndex, PeriodTotal>& All() const { return periods; }

 private:
  void Apply(const RecordFields& fields, int sign);

  const RegionalFormats& formats;
  int billingDay = kFirstBillingDay;
  std::map<PeriodIndex, PeriodTotal> periods;
};

}  // namespace lt
