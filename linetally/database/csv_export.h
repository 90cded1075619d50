#pragma once
// The session log as spreadsheets read it: CSV with a header row (Start, End, Seconds, Duration,
// Connection, Cost, Note), a field quoted when it holds a comma, a quote or a line break, CR LF
// line ends, UTF-8 behind a byte-order mark, dates as "2026-12-07 09:15:02" whatever the
// locale, the cost as stored and the duration as the list shows it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "linetally/base/regional_formats.h"
#include "linetally/database/record_table.h"

namespace lt {

// Text in the system's code page as UTF-8. Asked only for text outside ASCII, which reads
// the same in both.
using Utf8Converter = std::function<std::string(std::string_view)>;

// The records with the given numbers (1-based, in the order given). A field the log cannot
// read (a date, the seconds) goes out as stored, so nothing is lost on the way.
std::string ExportCsv(const RecordTable& table, const std::vector<size_t>& records,
                      const RegionalFormats& formats, const Utf8Converter& toUtf8);

}  // namespace lt
