// The session log's readers on a whole file text, in three regional formats: the file splitter,
// the record line and its dates and whole numbers, the list's rows, the kept totals and the
// journal's lines. Whatever a reader takes must write back to what it read.
#include <optional>

#include "linetally/database/list_rows.h"
#include "linetally/database/record_table.h"
#include "linetally/database/running_totals.h"
#include "linetally/database/session_database.h"
#include "linetally/database/session_journal.h"
#include "tests/fuzz/fuzz_support.h"

using namespace lt;
using fuzz::Require;

namespace {

void CheckLine(std::string_view line, const RegionalFormats& formats) {
  const RecordFields fields = SplitRecordLine(line);
  if (auto date = ParseRecordDateTime(fields[0], formats))
    Require(ParseRecordDateTime(FormatRecordDateTime(*date, formats), formats) == date,
            "a date that does not read back as written");
  if (auto seconds = ParseRecordInteger(fields[2]))
    Require(ParseRecordInteger(std::to_string(*seconds)) == seconds, "a whole number that does not read back");
  if (auto record = ParseJournalLine(line, formats)) {
    const std::string written = BuildRecordLine(*record, formats);
    const auto again = ParseJournalLine(written, formats);
    Require(again && BuildRecordLine(*again, formats) == written, "a recovered record that does not read back");
    Require(IsListable(SplitRecordLine(written), formats), "a recovered record that cannot be listed");
    Require(ReadRecordCost(SplitRecordLine(written)[4]) == record->cost, "a recovered cost that does not read back");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::Text(data, size);
  const RecordLines lines = SplitFileText(text);
  for (const auto& line : lines)
    Require(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos, "a line with an ending");
  Require(SplitFileText(JoinFileText(lines)) == lines, "lines that do not split the same again");

  static const RegionalFormats formats[] = {DayFirstFormats(), DayFirstFormats('.', '.'), DayFirstFormats('-', ':')};
  for (const RegionalFormats& f : formats) {
    for (const auto& line : lines) CheckLine(line, f);
    RecordTable table;
    RunningTotals totals;
    table.Watch(totals);
    RecordLines kept = lines;
    table.Parse(kept, 1);
    const ListRowBuilder rows(f);
    for (size_t k = 1; k <= table.Count(); ++k)
      Require(rows.Build(table, k).has_value() == rows.Listable(table.Row(k)), "a row listed unlike its check");
    // A delete and an append, as the window makes them; the kept totals follow.
    if (!kept.empty()) {
      table.Erase({0});
      kept.Erase({0});
      kept.push_back(lines[0]);
      table.Parse(kept, kept.size());
    }
    int64_t seconds = 0;
    size_t unreadable = 0;
    for (size_t k = 1; k <= table.Count(); ++k) {
      seconds += ParseRecordInteger(table.Row(k)[2]).value_or(0);
      unreadable += !ReadRecordCost(table.Row(k)[4]);
    }
    Require(totals.Seconds() == seconds, "kept seconds unlike the records' sum");
    Require(totals.UnreadableCosts() == unreadable, "kept unreadable costs miscounted");
  }
  return 0;
}
