#include "linetally/database/record_table.h"

#include <algorithm>
#include <stdexcept>

namespace lt {

RecordFields SplitRecordLine(std::string_view line) {
  RecordFields fields;
  size_t start = 0;
  for (size_t column = 0; column < fields.size(); ++column) {
    const size_t comma = line.find(',', start);
    fields[column] = line.substr(start, comma - start);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}

RecordFields RecordTable::Row(size_t k) const {
  if (k < 1 || k > count) throw std::out_of_range("record row");
  return SplitRecordLine((*lines)[k - 1]);
}

void RecordTable::Watch(RecordObserver& observer) {
  observers.push_back(&observer);
  for (size_t k = 1; k <= count; ++k) observer.RecordAdded(Row(k));
}

void RecordTable::Clear() {
  count = 0;
  for (auto* observer : observers) observer->RecordsCleared();
}

void RecordTable::Parse(const RecordLines& source, size_t from) {
  // Other lines, or fewer than the rows: all again. Past the end of the rows or of the lines:
  // from the first row that no line backs.
  if (lines != &source || count > source.size()) from = 1;
  from = std::clamp<size_t>(from, 1, std::min(count, source.size()) + 1);
  if (from == 1) Clear();
  for (; count >= from; --count) {
    const RecordFields fields = Row(count);
    for (auto* observer : observers) observer->RecordRemoved(fields);
  }
  lines = &source;
  for (; count < source.size(); ++count) {
    const RecordFields fields = SplitRecordLine(source[count]);
    for (auto* observer : observers) observer->RecordAdded(fields);
  }
}

void RecordTable::Erase(const std::vector<size_t>& positions) {
  size_t removed = 0;
  for (size_t position : positions)
    if (position < count) {
      const RecordFields fields = Row(position + 1);
      for (auto* observer : observers) observer->RecordRemoved(fields);
      ++removed;
    }
  count -= removed;
}

}  // namespace lt
