#pragma once
// iCalendar content lines: the text cut into logical lines (folded lines joined, LF or CR LF
// ends, a leading byte-order mark skipped, blank lines and lines of spaces dropped), each split into its name
// (upper case), parameters (names upper case, quoted values unquoted) and value; and TEXT
// values split at unescaped commas with their escapes resolved.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace yb {

struct ContentLine {
  std::string name;
  std::vector<std::pair<std::string, std::string>> params;
  std::string value;
  int line = 0;  // of its first physical line

  // The parameter's value, "" when it is not given.
  const std::string& Param(const char* paramName) const;
};

// Walks the logical lines of a text.
class ContentLines {
 public:
  explicit ContentLines(std::string_view text);
  // The next logical line and the number of its first physical line; false at the end.
  bool Next(std::string& line, int& number);

 private:
  std::string_view text;
  std::size_t pos = 0;
  int physical = 0;
};

// False when the line is not "NAME[;PARAM=VALUE...]:VALUE"; `fault` then says why.
bool ParseContentLine(const std::string& text, int number, ContentLine& out, std::string& fault);

std::vector<std::string> TextValues(const std::string& value);
// TEXT values of one property joined back with ",".
std::string TextValue(const std::string& value);

// Names are ASCII: upper case without the locale's tables.
inline char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
std::string Upper(std::string text);
// The parts between separators ("a,b," gives "a", "b", "").
std::vector<std::string> Split(const std::string& text, char separator);

}  // namespace yb
