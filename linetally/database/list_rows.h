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

// Reads a stored amount (the cost field); may end the program on bad text.
using AmountReader = std::function<long double(const std::string&)>;
// The Cost column's text of a stored amount, read the same way.
using CostText = std::function<std::string(const std::string&)>;

// Builds the row of any record on demand, so a list of any length shows only what it paints.
class ListRowBuilder {
 public:
  ListRowBuilder(const RegionalFormats& formats, AmountReader readAmount, CostText costText)
      : formats(formats), readAmount(std::move(readAmount)), costText(std::move(costText)) {}
  // Row of record `index` (1-based); its date is empty when the record above starts on the same
  // date. Nothing when the record cannot be listed.
  std::optional<ListRow> Build(const RecordTable& table, size_t index) const;
  // Whether Build gives the record a row, its cost read the same way; cheaper, as it formats nothing.
  bool Listable(const RecordFields& fields) const;

 private:
  const RegionalFormats& formats;
  AmountReader readAmount;
  CostText costText;
};

}  // namespace lt
