#pragma once
// One logged session as one text line of six comma-separated fields:
// start, end ("dd/mm/yyyy hh:mm:ss" with the system's separators), counted seconds, service,
// cost (plain decimal, "." point) and note (written empty, so a line ends with a comma).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "linetally/base/currency.h"
#include "linetally/base/date_time.h"
#include "linetally/base/regional_formats.h"

namespace lt {

inline constexpr const char* kDebugSessionName = "Debug Session";

struct SessionRecord {
  CivilDateTime start, end;
  int32_t seconds = 0;
  std::string service;  // commas become hyphens when written; empty gives "Debug Session"
  Currency cost;
  std::string note;
};

std::string FormatRecordDateTime(const CivilDateTime& value, const RegionalFormats& formats);
// Reads the date-time in the order it is written (day, month, year, hour, minute, second)
// with the system's separators, whatever the system's date order. Seconds may be left out.
std::optional<CivilDateTime> ParseRecordDateTime(std::string_view text, const RegionalFormats& formats);
// The whole-number reading of the seconds field: blanks, an optional sign, digits, 32 bits.
std::optional<int32_t> ParseRecordInteger(std::string_view text);

// The one reading of a stored cost (field 5), for the list, the totals, the summary and the
// recovery alike: the standard currency conversion ("." as the point), with a cost of more than
// four decimals (a log edited by hand) rounded to odd, so that every money text, rounded from
// it halves to even, shows what the stored text rounds to. Nothing when the field does not read.
std::optional<Currency> ReadRecordCost(std::string_view field);
// The Cost column's text: the cost as read, with two decimals by the rule of every money text
// (halves to even), so the row shows the figure the totals add. A cost that does not read is
// shown as it is stored, so the user can find the record that the message named.
std::string RecordCostText(std::string_view field);

std::string BuildRecordLine(const SessionRecord& record, const RegionalFormats& formats);

}  // namespace lt
