#include "linetally/database/running_totals.h"

#include "linetally/database/session_record.h"

namespace lt {

void RunningTotals::RecordAdded(const RecordFields& fields) { Count(fields, 1); }

void RunningTotals::RecordRemoved(const RecordFields& fields) { Count(fields, -1); }

void RunningTotals::RecordsCleared() { *this = RunningTotals(); }

void RunningTotals::Count(const RecordFields& fields, int sign) {
  if (const auto value = ReadRecordCost(fields[4]))
    sign > 0 ? cost.Add(*value) : cost.Remove(*value);
  else if (sign > 0)
    ++unreadableCosts;
  else
    --unreadableCosts;
  seconds += sign * int64_t(ParseRecordInteger(fields[2]).value_or(0));
}

}  // namespace lt
