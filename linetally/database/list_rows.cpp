#include "linetally/database/list_rows.h"

#include <cstdio>

#include "linetally/base/currency.h"
#include "linetally/base/duration_text.h"
#include "linetally/database/session_record.h"

namespace lt {

std::optional<ListRow> ListRowBuilder::Build(const RecordFields& fields, size_t index) {
  const auto start = ParseRecordDateTime(fields[0], formats);
  if (!start) return std::nullopt;
  const auto seconds = ParseRecordInteger(fields[2]);
  if (!seconds) return std::nullopt;

  ListRow row;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", start->day, formats.dateSeparator, start->month,
                formats.dateSeparator, start->year);
  const std::string date = buffer;
  if (!(date == previousDate && index > 1)) row.date = date;
  previousDate = date;
  std::snprintf(buffer, sizeof buffer, "%02d%c%02d", start->hour, formats.timeSeparator, start->minute);
  row.time = buffer;
  row.service = fields[3];
  row.duration = DurationText(*seconds);
  row.cost = Currency::FromReal(readAmount(fields[4])).ToFixed(2);
  row.hasNote = !fields[5].empty();
  return row;
}

}  // namespace lt
