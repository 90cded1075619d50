#pragma once
// The record lines as the working file holds them, and their parsed fields.
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

// Parsed records; row k (1-based) holds the fields of line k. Grows with the lines.
class RecordTable {
 public:
  void Clear() { rows.clear(); }
  // Parses lines from..count (1-based) into the rows of the same numbers.
  void Parse(const RecordLines& lines, size_t from);
  size_t Count() const { return rows.size(); }
  const RecordFields& Row(size_t k) const { return rows.at(k - 1); }

 private:
  std::vector<RecordFields> rows;
};

}  // namespace lt
