#include "linetally/database/period_totals.h"

#include "linetally/database/session_record.h"

namespace lt {

PeriodIndex PeriodOf(const CivilDateTime& day, int billingDay) {
  const PeriodIndex month = PeriodIndex(day.year) * 12 + (day.month - 1);
  return day.day >= billingDay ? month : month - 1;
}

void PeriodTotals::SetBillingDay(int day, const RecordTable& table) {
  billingDay = day;
  periods.clear();
  for (size_t k = 1; k <= table.Count(); ++k) Apply(table.Row(k), 1);
}

void PeriodTotals::Apply(const RecordFields& fields, int sign) {
  const auto start = ParseRecordDateTime(fields[0], formats);
  if (!start) return;
  const PeriodIndex period = PeriodOf(*start, billingDay);
  PeriodTotal& total = periods[period];
  const Currency cost = ReadRecordCost(fields[4]).value_or(Currency());
  total.sessions += sign;
  total.seconds += sign * int64_t(ParseRecordInteger(fields[2]).value_or(0));
  sign > 0 ? total.exact.Add(cost) : total.exact.Remove(cost);
  total.cost = total.exact.Value();
  if (total.sessions <= 0) periods.erase(period);
}

PeriodTotal PeriodTotals::Of(PeriodIndex period) const {
  const auto found = periods.find(period);
  return found == periods.end() ? PeriodTotal() : found->second;
}

}  // namespace lt
