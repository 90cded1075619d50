#include "linetally/database/record_table.h"

#include <algorithm>

namespace lt {

RecordLines SplitFileText(std::string_view text) {
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  RecordLines lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinFileText(const RecordLines& lines) {
  size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

RecordFields SplitRecordLine(std::string_view line) {
  RecordFields fields;
  size_t column = 0, start = 0;
  for (size_t i = 0; i <= line.size() && column < fields.size(); ++i) {
    if (i == line.size() || line[i] == ',') {
      fields[column++] = std::string(line.substr(start, i - start));
      start = i + 1;
    }
  }
  return fields;
}

void RecordTable::Watch(RecordObserver& observer) {
  observers.push_back(&observer);
  for (const auto& row : rows) observer.RecordAdded(row);
}

void RecordTable::Clear() {
  rows.clear();
  for (auto* observer : observers) observer->RecordsCleared();
}

void RecordTable::Parse(const RecordLines& lines, size_t from) {
  // Past the end of the rows or of the lines: from the first row that no line backs.
  from = std::clamp<size_t>(from, 1, std::min(rows.size(), lines.size()) + 1);
  if (from == 1) {
    Clear();
    rows.reserve(lines.size());
  }
  while (rows.size() >= from) {
    for (auto* observer : observers) observer->RecordRemoved(rows.back());
    rows.pop_back();
  }
  for (size_t k = rows.size(); k < lines.size(); ++k) {
    rows.push_back(SplitRecordLine(lines[k]));
    for (auto* observer : observers) observer->RecordAdded(rows.back());
  }
}

void RecordTable::Erase(const std::vector<size_t>& positions) {
  for (size_t position : positions)
    if (position < rows.size())
      for (auto* observer : observers) observer->RecordRemoved(rows[position]);
  EraseAt(rows, positions);
}

}  // namespace lt
