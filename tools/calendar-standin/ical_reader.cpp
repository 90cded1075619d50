#include "tools/calendar-standin/ical_reader.h"

#include <cctype>

#include "yearboard/base/ole_date.h"

namespace standin {
namespace {

struct ContentLine {
  std::string name;  // upper case
  std::vector<std::pair<std::string, std::string>> params;
  std::string value;
  int line = 0;
};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

[[noreturn]] void Fail(int line, const std::string& what) {
  throw CalendarFileError("line " + std::to_string(line) + ": " + what);
}

// Unfolds the text into logical lines, each with the number of its first physical line.
std::vector<std::pair<int, std::string>> Unfold(const std::string& text) {
  std::vector<std::pair<int, std::string>> lines;
  std::size_t pos = 0;
  int number = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string physical = text.substr(pos, end - pos);
    if (!physical.empty() && physical.back() == '\r') physical.pop_back();
    pos = end + 1;
    ++number;
    if (!physical.empty() && (physical[0] == ' ' || physical[0] == '\t') && !lines.empty())
      lines.back().second += physical.substr(1);
    else if (!physical.empty())
      lines.emplace_back(number, std::move(physical));
  }
  return lines;
}

ContentLine ParseContentLine(int line, const std::string& text) {
  ContentLine c;
  c.line = line;
  std::size_t pos = 0;
  const auto isNameChar = [](char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-';
  };
  while (pos < text.size() && isNameChar(text[pos])) ++pos;
  if (pos == 0) Fail(line, "not a content line: \"" + text + "\"");
  c.name = Upper(text.substr(0, pos));
  while (pos < text.size() && text[pos] == ';') {
    const std::size_t nameStart = ++pos;
    while (pos < text.size() && isNameChar(text[pos])) ++pos;
    if (pos == text.size() || text[pos] != '=') Fail(line, "bad parameter in " + c.name);
    std::string name = Upper(text.substr(nameStart, pos - nameStart));
    std::string value;
    ++pos;
    for (;;) {
      if (pos < text.size() && text[pos] == '"') {
        const std::size_t close = text.find('"', pos + 1);
        if (close == std::string::npos) Fail(line, "unclosed quote in " + c.name);
        value += text.substr(pos + 1, close - pos - 1);
        pos = close + 1;
      } else {
        const std::size_t stop = text.find_first_of(",;:", pos);
        value += text.substr(pos, stop == std::string::npos ? std::string::npos : stop - pos);
        pos = stop == std::string::npos ? text.size() : stop;
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
  if (pos >= text.size() || text[pos] != ':') Fail(line, "no ':' after " + c.name);
  c.value = text.substr(pos + 1);
  return c;
}

std::string Param(const ContentLine& c, const char* name) {
  for (const auto& [n, v] : c.params)
    if (n == name) return v;
  return std::string();
}

// TEXT values: split at unescaped commas, escapes resolved.
std::vector<std::string> TextValues(const std::string& value) {
  std::vector<std::string> values(1);
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char ch = value[i];
    if (ch == '\\' && i + 1 < value.size()) {
      const char next = value[++i];
      values.back() += (next == 'n' || next == 'N') ? '\n' : next;
    } else if (ch == ',') {
      values.emplace_back();
    } else {
      values.back() += ch;
    }
  }
  return values;
}

IcalTime TimeValue(const ContentLine& c, const std::string& text) {
  try {
    return ParseIcalTime(text, Upper(Param(c, "VALUE")) == "DATE");
  } catch (const std::invalid_argument& e) {
    Fail(c.line, c.name + ": " + e.what());
  }
}

// DURATION: [+]P nW, or P [nD] [T [nH] [nM] [nS]]; in seconds.
long long DurationValue(const ContentLine& c) {
  const std::string& v = c.value;
  std::size_t pos = 0;
  if (pos < v.size() && v[pos] == '+') ++pos;
  if (pos >= v.size() || v[pos] != 'P') Fail(c.line, "DURATION is not a duration: \"" + v + "\"");
  ++pos;
  long long seconds = 0;
  bool inTime = false, any = false;
  while (pos < v.size()) {
    if (v[pos] == 'T' && !inTime) {
      inTime = true;
      ++pos;
      continue;
    }
    long long n = 0;
    const std::size_t digits = pos;
    while (pos < v.size() && std::isdigit(static_cast<unsigned char>(v[pos])) && pos - digits < 9)
      n = n * 10 + (v[pos++] - '0');
    if (pos == digits || pos >= v.size()) Fail(c.line, "DURATION is not a duration: \"" + v + "\"");
    const char unit = v[pos++];
    const long long scale = !inTime && unit == 'W'   ? 604800
                            : !inTime && unit == 'D' ? 86400
                            : inTime && unit == 'H'  ? 3600
                            : inTime && unit == 'M'  ? 60
                            : inTime && unit == 'S'  ? 1
                                                     : 0;
    if (!scale) Fail(c.line, "DURATION is not a duration: \"" + v + "\"");
    seconds += n * scale;
    any = true;
  }
  if (!any) Fail(c.line, "DURATION is not a duration: \"" + v + "\"");
  return seconds;
}

// Compared as whole seconds: doubles kept in x87 registers may differ from stored ones.
long long Seconds(const IcalTime& t) {
  return static_cast<long long>(yb::DateSerial(t.year, t.month, t.day)) * 86400 + t.hour * 3600 +
         t.minute * 60 + t.second;
}

IcalTime AddSeconds(const IcalTime& start, long long seconds) {
  const long long days = seconds / 86400;
  const long long rest = seconds % 86400;
  const yb::CivilDateTime c = yb::DecodeDateTime(
      yb::DateSerial(start.year, start.month, start.day) + static_cast<double>(days) +
      static_cast<double>(start.hour * 3600 + start.minute * 60 + start.second + rest) / 86400.0);
  IcalTime t = start;
  t.year = c.year;
  t.month = c.month;
  t.day = c.day;
  t.hour = c.hour;
  t.minute = c.minute;
  t.second = c.second;
  if (rest) t.isDate = false;
  return t;
}

struct EventBuilder {
  CalendarEvent event;
  bool haveStart = false;
  std::optional<IcalTime> end;
  std::optional<long long> duration;
  std::vector<std::string> categories;

  void Take(const ContentLine& c) {
    if (c.name == "DTSTART") {
      event.start = TimeValue(c, c.value);
      haveStart = true;
    } else if (c.name == "DTEND") {
      end = TimeValue(c, c.value);
    } else if (c.name == "DURATION") {
      duration = DurationValue(c);
    } else if (c.name == "SUMMARY") {
      const std::vector<std::string> parts = TextValues(c.value);
      event.summary.clear();
      for (std::size_t i = 0; i < parts.size(); ++i) event.summary += (i ? "," : "") + parts[i];
    } else if (c.name == "CATEGORIES") {
      for (std::string& name : TextValues(c.value))
        if (!name.empty()) categories.push_back(std::move(name));
    } else if (c.name == "RRULE") {
      try {
        event.rule = ParseRecurrenceRule(c.value);
      } catch (const std::invalid_argument& e) {
        Fail(c.line, e.what());
      }
    } else if (c.name == "EXDATE") {
      for (const std::string& v : TextValues(c.value)) event.exceptions.push_back(TimeValue(c, v));
    }
  }

  CalendarEvent Finish(int line) {
    if (!haveStart) Fail(event.line, "VEVENT without DTSTART");
    if (end && duration) Fail(line, "VEVENT with both DTEND and DURATION");
    if (end)
      event.end = *end;
    else if (duration)
      event.end = AddSeconds(event.start, *duration);
    else if (event.start.isDate)
      event.end = AddSeconds(event.start, 86400);
    else
      event.end = event.start;
    if (end && end->utc != event.start.utc && !end->isDate && !event.start.isDate)
      Fail(line, "DTEND and DTSTART mix UTC and local times");
    if (Seconds(event.end) < Seconds(event.start)) Fail(line, "DTEND is before DTSTART");
    for (std::size_t i = 0; i < categories.size(); ++i)
      event.categories += (i ? ", " : "") + categories[i];
    return std::move(event);
  }
};

}  // namespace

std::vector<CalendarEvent> ReadCalendar(const std::string& text) {
  const std::vector<std::pair<int, std::string>> lines = Unfold(text);
  if (lines.empty() || Upper(lines.front().second) != "BEGIN:VCALENDAR")
    throw CalendarFileError("not an iCalendar file: it does not begin with BEGIN:VCALENDAR");
  std::vector<CalendarEvent> events;
  std::vector<std::string> open;
  std::optional<EventBuilder> event;
  for (const auto& [number, raw] : lines) {
    const ContentLine c = ParseContentLine(number, raw);
    if (c.name == "BEGIN") {
      const std::string component = Upper(c.value);
      if (open.empty() && component != "VCALENDAR")
        Fail(number, "BEGIN:" + component + " outside VCALENDAR");
      if (component == "VEVENT" && open.size() == 1) {
        event.emplace();
        event->event.line = number;
      }
      open.push_back(component);
    } else if (c.name == "END") {
      const std::string component = Upper(c.value);
      if (open.empty() || open.back() != component)
        Fail(number,
             "END:" + component +
                 (open.empty() ? " without BEGIN" : " where END:" + open.back() + " belongs"));
      open.pop_back();
      if (component == "VEVENT" && open.size() == 1) {
        events.push_back(event->Finish(number));
        event.reset();
      }
    } else if (open.empty()) {
      Fail(number, c.name + " after END:VCALENDAR");
    } else if (event && open.size() == 2) {
      event->Take(c);
    }
  }
  if (!open.empty()) throw CalendarFileError("the file ends before END:" + open.back());
  return events;
}

}  // namespace standin
