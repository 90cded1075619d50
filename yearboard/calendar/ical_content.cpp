#include "yearboard/calendar/ical_content.h"

#include <cctype>

namespace yb {

std::string Upper(std::string text) {
  for (char& c : text) c = AsciiUpper(c);
  return text;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

const std::string& ContentLine::Param(const char* paramName) const {
  static const std::string kNone;
  for (const auto& [n, v] : params)
    if (n == paramName) return v;
  return kNone;
}

ContentLines::ContentLines(std::string_view text) : text(text) {
  if (this->text.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
}

bool ContentLines::Next(std::string& line, int& number) {
  line.clear();
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view physicalLine = text.substr(pos, end - pos);
    if (!physicalLine.empty() && physicalLine.back() == '\r') physicalLine.remove_suffix(1);
    // A line of nothing but spaces is as blank as an empty one.
    if (physicalLine.find_first_not_of(" \t") == std::string_view::npos) physicalLine = {};
    const std::size_t next = end + 1;
    const bool continuation =
        !physicalLine.empty() && (physicalLine[0] == ' ' || physicalLine[0] == '\t');
    if (continuation && !line.empty()) {
      line.append(physicalLine.substr(1));
    } else if (!physicalLine.empty()) {
      if (!line.empty()) return true;  // this line starts the next logical line
      line.assign(physicalLine);
      number = physical + 1;
    }
    pos = next;
    ++physical;
  }
  return !line.empty();
}

bool ParseContentLine(const std::string& text, int number, ContentLine& c, std::string& fault) {
  c.line = number;
  c.params.clear();
  std::size_t pos = 0;
  const auto isNameChar = [](char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-' || ch == '_';
  };
  while (pos < text.size() && isNameChar(text[pos])) ++pos;
  if (pos == 0) {
    fault = "not a content line: \"" + text.substr(0, 40) + "\"";
    return false;
  }
  c.name = Upper(text.substr(0, pos));
  while (pos < text.size() && text[pos] == ';') {
    const std::size_t nameStart = ++pos;
    while (pos < text.size() && isNameChar(text[pos])) ++pos;
    if (pos == text.size() || text[pos] != '=') {
      fault = "bad parameter in " + c.name;
      return false;
    }
    std::string name = Upper(text.substr(nameStart, pos - nameStart));
    std::string value;
    ++pos;
    for (;;) {
      if (pos < text.size() && text[pos] == '"') {
        const std::size_t close = text.find('"', pos + 1);
        if (close == std::string::npos) {
          fault = "unclosed quote in " + c.name;
          return false;
        }
        value.append(text, pos + 1, close - pos - 1);
        pos = close + 1;
      } else {
        const std::size_t stop = text.find_first_of(",;:", pos);
        const std::size_t until = stop == std::string::npos ? text.size() : stop;
        value.append(text, pos, until - pos);
        pos = until;
      }
      if (pos < text.size() && text[pos] == ',') {
        value += ',';
        ++pos;
        continue;
      }
      break;
    }
    c.params.emplace_back(std::move(name), std::move(value));
  }
  if (pos >= text.size() || text[pos] != ':') {
    fault = "no ':' after " + c.name;
    return false;
  }
  c.value.assign(text, pos + 1, std::string::npos);
  return true;
}

namespace {

// The character a backslash escape stands for: "\n" a line break, else the character itself.
char Unescaped(char next) { return (next == 'n' || next == 'N') ? '\n' : next; }

}  // namespace

std::vector<std::string> TextValues(const std::string& value) {
  std::vector<std::string> values(1);
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char ch = value[i];
    if (ch == '\\' && i + 1 < value.size()) {
      const char next = value[++i];
      values.back() += Unescaped(next);
    } else if (ch == ',') {
      values.emplace_back();
    } else {
      values.back() += ch;
    }
  }
  return values;
}

std::string TextValue(const std::string& value) {
  // Escapes resolved, commas kept: what TextValues gives joined with ",".
  std::string text;
  text.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char ch = value[i];
    if (ch == '\\' && i + 1 < value.size()) {
      const char next = value[++i];
      text += Unescaped(next);
    } else {
      text += ch;
    }
  }
  return text;
}

}  // namespace yb
