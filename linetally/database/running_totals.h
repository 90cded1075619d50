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

  // The sum of the cost fields that the standard currency conversion reads.
  Currency Cost() const { return Currency::FromRaw(cost); }
  // How many cost fields it cannot read; the total is only whole when none.
  size_t UnreadableCosts() const { return unreadableCosts; }
  // The sum of the seconds fields, each read as a whole number (0 when it is not one).
  int64_t Seconds() const { return seconds; }

 private:
  void Count(const RecordFields& fields, int sign);

  int64_t cost = 0, seconds = 0;
  size_t unreadableCosts = 0;
};

}  // namespace lt
