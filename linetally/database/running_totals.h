#pragma once
// The log's totals of cost and seconds, kept as records come and go (a RecordObserver of the
// record table), so showing them costs nothing that grows with the log.
#include <cstddef>
#include <cstdint>

#include "linetally/base/currency.h"
#include "linetally/database/record_table.h"

namespace lt {

class RunningTotals : public RecordObserver {
 public:
  void RecordAdded(const RecordFields& fields) override;
  void RecordRemoved(const RecordFields& fields) override;
  void RecordsCleared() override;

  // The sum of the cost fields that read (ReadRecordCost), held at the ends of the range.
  Currency Cost() const { return cost.Value(); }
  // How many cost fields do not read; they count nothing in the sum.
  size_t UnreadableCosts() const { return unreadableCosts; }
  // The sum of the seconds fields, each read as a whole number (0 when it is not one).
  int64_t Seconds() const { return seconds; }

 private:
  void Count(const RecordFields& fields, int sign);

  CurrencySum cost;
  int64_t seconds = 0;
  size_t unreadableCosts = 0;
};

}  // namespace lt
