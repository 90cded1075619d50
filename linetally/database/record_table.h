#pragma once
// The record lines as the working file holds them, and their parsed fields. The table tells
// its observers of every row it adds or removes, so totals and summaries are kept, never
// recomputed over the whole log.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lt {

using RecordLines = std::vector<std::string>;  // index 0 is record 1
using RecordFields = std::array<std::string, 6>;

// File text to lines: CR LF, a lone CR and a lone LF each end a line; a last line without an
// ending counts; a NUL byte ends the text.
RecordLines SplitFileText(std::string_view text);
// Lines to file text, each followed by CR LF.
std::string JoinFileText(const RecordLines& lines);

// The fields of one line: split at commas, fields after the sixth ignored, missing ones empty.
RecordFields SplitRecordLine(std::string_view line);

// Removes the elements at the given positions (ascending, no repeats) in one pass.
template <typename T>
void EraseAt(std::vector<T>& items, const std::vector<size_t>& positions) {
  size_t kept = 0, next = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    if (next < positions.size() && positions[next] == i) {
      ++next;
      continue;
    }
    if (kept != i) items[kept] = std::move(items[i]);
    ++kept;
  }
  items.resize(kept);
}

// Hears of the rows of a record table as they come and go.
class RecordObserver {
 public:
  virtual ~RecordObserver() = default;
  virtual void RecordAdded(const RecordFields& fields) = 0;
  virtual void RecordRemoved(const RecordFields& fields) = 0;
  virtual void RecordsCleared() = 0;
};

// Parsed records; row k (1-based) holds the fields of line k. Grows with the lines.
class RecordTable {
 public:
  RecordTable() = default;
  RecordTable(const RecordTable&) = delete;  // observers are tied to this table
  RecordTable& operator=(const RecordTable&) = delete;

  // The observer first hears of every row held now, then of each change.
  void Watch(RecordObserver& observer);
  void Clear();
  // Parses lines from..count (1-based) into the rows of the same numbers; rows not parsed yet
  // before `from` are parsed too, rows beyond the lines removed (whatever `from` is).
  void Parse(const RecordLines& lines, size_t from);
  // Removes the rows at the given 0-based positions (ascending, no repeats).
  void Erase(const std::vector<size_t>& positions);
  size_t Count() const { return rows.size(); }
  const RecordFields& Row(size_t k) const { return rows.at(k - 1); }

 private:
  std::vector<RecordFields> rows;
  std::vector<RecordObserver*> observers;
};

}  // namespace lt
