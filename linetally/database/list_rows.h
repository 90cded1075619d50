#pragma once
// The texts of the session list's rows, built from the parsed records.
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

// Builds the row of any record on demand, so a list of any length shows only what it paints.
class ListRowBuilder {
 public:
  explicit ListRowBuilder(const RegionalFormats& formats) : formats(formats) {}
  // Row of record `index` (1-based); its date is empty when the record above starts on the same
  // date. Nothing when the record cannot be listed.
  std::optional<ListRow> Build(const RecordTable& table, size_t index) const;
  // Whether Build gives the record a row; cheaper, as it formats nothing. The cost does not
  // decide: one that does not read is shown as stored and told of once (SessionDatabase).
  bool Listable(const RecordFields& fields) const;

 private:
  const RegionalFormats& formats;
};

}  // namespace lt
