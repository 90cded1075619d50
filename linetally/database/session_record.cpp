#include "linetally/database/session_record.h"

#include <cstdio>
#include <limits>

namespace lt {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text(text) {}
  void SkipBlanks() {
    while (pos < text.size() && text[pos] == ' ') ++pos;
  }
  // Reads minDigits..maxDigits digits.
  std::optional<int> Number(size_t minDigits, size_t maxDigits) {
    size_t start = pos;
    int value = 0;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < maxDigits) value = value * 10 + (text[pos++] - '0');
    if (pos - start < minDigits) return std::nullopt;
    return value;
  }
  bool Take(char c) {
    if (pos < text.size() && text[pos] == c) {
      ++pos;
      return true;
    }
    return false;
  }
  bool AtEnd() const { return pos == text.size(); }

 private:
  std::string_view text;
  size_t pos = 0;
};

}  // namespace

std::string FormatRecordDateTime(const CivilDateTime& v, const RegionalFormats& f) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d %02d%c%02d%c%02d", v.day, f.dateSeparator, v.month,
                f.dateSeparator, v.year, v.hour, f.timeSeparator, v.minute, f.timeSeparator, v.second);
  return buffer;
}

std::optional<CivilDateTime> ParseRecordDateTime(std::string_view text, const RegionalFormats& f) {
  Scanner s(text);
  CivilDateTime v;
  s.SkipBlanks();
  auto day = s.Number(1, 2);
  if (!day || !s.Take(f.dateSeparator)) return std::nullopt;
  auto month = s.Number(1, 2);
  if (!month || !s.Take(f.dateSeparator)) return std::nullopt;
  auto year = s.Number(4, 4);
  if (!year) return std::nullopt;
  v.day = *day;
  v.month = *month;
  v.year = *year;
  s.SkipBlanks();
  if (!s.AtEnd()) {
    auto hour = s.Number(1, 2);
    if (!hour || !s.Take(f.timeSeparator)) return std::nullopt;
    auto minute = s.Number(2, 2);
    if (!minute) return std::nullopt;
    v.hour = *hour;
    v.minute = *minute;
    if (s.Take(f.timeSeparator)) {
      auto second = s.Number(2, 2);
      if (!second) return std::nullopt;
      v.second = *second;
    }
    s.SkipBlanks();
  }
  if (!s.AtEnd() || !EncodeDateTime(v)) return std::nullopt;
  return v;
}

std::optional<int32_t> ParseRecordInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1) return std::nullopt;
  }
  while (i < text.size() && text[i] == ' ') ++i;
  if (i != text.size()) return std::nullopt;
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return int32_t(value);
}

std::optional<Currency> ReadRecordCost(std::string_view field) {
  return Currency::Parse(field, Currency::Rounding::ToOdd);
}

std::string RecordCostText(std::string_view field) {
  const auto cost = ReadRecordCost(field);
  return cost ? cost->ToFixed(2) : std::string(field);
}

std::string BuildRecordLine(const SessionRecord& r, const RegionalFormats& f) {
  std::string service = r.service.empty() ? kDebugSessionName : r.service;
  for (char& c : service)
    if (c == ',') c = '-';
  return FormatRecordDateTime(r.start, f) + "," + FormatRecordDateTime(r.end, f) + "," +
         std::to_string(r.seconds) + "," + service + "," + r.cost.ToPlainText() + "," + r.note;
}

}  // namespace lt
