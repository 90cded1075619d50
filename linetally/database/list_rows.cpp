#include "linetally/database/list_rows.h"

#include <cstdio>

#include "linetally/base/duration_text.h"
#include "linetally/database/session_database.h"
#include "linetally/database/session_record.h"

namespace lt {
namespace {

std::string DateText(const CivilDateTime& start, const RegionalFormats& formats) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", start.day, formats.dateSeparator, start.month,
                formats.dateSeparator, start.year);
  return buffer;
}

}  // namespace

bool ListRowBuilder::Listable(const RecordFields& fields) const { return IsListable(fields, formats); }

std::optional<ListRow> ListRowBuilder::Build(const RecordTable& table, size_t index) const {
  const RecordFields fields = table.Row(index);
  const auto start = ParseRecordDateTime(fields[0], formats);
  if (!start) return std::nullopt;
  const auto seconds = ParseRecordInteger(fields[2]);
  if (!seconds) return std::nullopt;

  ListRow row;
  row.date = DateText(*start, formats);
  if (index > 1) {
    const auto above = ParseRecordDateTime(table.Row(index - 1)[0], formats);
    if (above && above->year == start->year && above->month == start->month && above->day == start->day)
      row.date.clear();
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d%c%02d", start->hour, formats.timeSeparator, start->minute);
  row.time = buffer;
  row.service = fields[3];
  row.duration = DurationText(*seconds);
  row.cost = RecordCostText(fields[4]);
  row.hasNote = !fields[5].empty();
  return row;
}

}  // namespace lt
