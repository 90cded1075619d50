#pragma once
// The texts of the session list's rows, built from the parsed records.
#include <functional>
#include <optional>
#include <string>

#include "linetally/base/regional_formats.h"
#include "linetally/database/record_table.h"

namespace lt {

struct ListRow {
  std::string date;  // empty under a row of the same date
  std::string time, service, duration, cost;
  bool hasNote = false;  // shows the note marker
};

// Reads a stored amount (the cost field) as a number; may end the program on bad text.
using AmountReader = std::function<long double(const std::string&)>;

// Builds rows in record order. The previous date survives between fills, so an appended row
// compares with the row above it.
class ListRowBuilder {
 public:
  ListRowBuilder(const RegionalFormats& formats, AmountReader readAmount)
      : formats(formats), readAmount(std::move(readAmount)) {}
  // Row of record `index` (1-based); nothing when the record cannot be listed.
  std::optional<ListRow> Build(const RecordFields& fields, size_t index);

 private:
  const RegionalFormats& formats;
  AmountReader readAmount;
  std::string previousDate;
};

}  // namespace lt
