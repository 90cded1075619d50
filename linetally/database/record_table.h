#pragma once
// The parsed fields of the record lines. The table keeps no copy of them: a row's fields are
// read from its line when asked, and its observers hear of every row added or removed, so
// totals and summaries are kept, never recomputed over the whole log.
#include <array>
#include <string_view>
#include <vector>

#include "linetally/database/record_lines.h"

namespace lt {

// Views into one line; they last as long as the line does.
using RecordFields = std::array<std::string_view, 6>;

// The fields of one line: split at commas, fields after the sixth ignored, missing ones empty.
RecordFields SplitRecordLine(std::string_view line);

// Hears of the rows of a record table as they come and go.
class RecordObserver {
 public:
  virtual ~RecordObserver() = default;
  virtual void RecordAdded(const RecordFields& fields) = 0;
  virtual void RecordRemoved(const RecordFields& fields) = 0;
  virtual void RecordsCleared() = 0;
};

// Row k (1-based) is line k of the lines last parsed, up to the count parsed. Those lines
// must not change under the table but through it: it is told of removals first (Erase, Clear),
// and of added or replaced lines after (Parse).
class RecordTable {
 public:
  RecordTable() = default;
  RecordTable(const RecordTable&) = delete;  // observers are tied to this table
  RecordTable& operator=(const RecordTable&) = delete;

  // The observer first hears of every row held now, then of each change.
  void Watch(RecordObserver& observer);
  void Clear();
  // Parses lines from..count (1-based) into the rows of the same numbers; rows not parsed yet
  // before `from` are parsed too, rows beyond the lines removed (whatever `from` is). The rows
  // still held must be lines unchanged since they were parsed.
  void Parse(const RecordLines& lines, size_t from);
  void Parse(RecordLines&&, size_t) = delete;  // the rows would outlive their lines
  // Removes the rows at the given 0-based positions (ascending, no repeats), before the lines
  // are erased at the same positions.
  void Erase(const std::vector<size_t>& positions);
  size_t Count() const { return count; }
  RecordFields Row(size_t k) const;

 private:
  const RecordLines* lines = nullptr;
  size_t count = 0;
  std::vector<RecordObserver*> observers;
};

}  // namespace lt
