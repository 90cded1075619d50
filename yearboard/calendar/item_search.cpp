#include "yearboard/calendar/item_search.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "yearboard/base/ole_date.h"
#include "yearboard/calendar/calendar_client.h"

namespace yb {

namespace {

using Property = Restriction::Property;
using Op = Restriction::Op;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsDateProperty(Property p) {
  return p == Property::Start || p == Property::End;
}

bool PropertyFromName(const std::string& name, Property& p) {
  const std::string lower = Lower(name);
  if (lower == "start")
    p = Property::Start;
  else if (lower == "end")
    p = Property::End;
  else if (lower == "subject")
    p = Property::Subject;
  else if (lower == "categories")
    p = Property::Categories;
  else
    return false;
  return true;
}

[[noreturn]] void Fail(const std::string& text, std::size_t at) {
  throw CalendarError("Cannot parse the condition \"" + text + "\" at position " +
                      std::to_string(at + 1) + ".");
}

// Reads the restriction text left to right; every fault names its position.
class RestrictionParser {
 public:
  explicit RestrictionParser(const std::string& text) : text(text) {}

  std::vector<Restriction::Condition> Parse() {
    std::vector<Restriction::Condition> result;
    SkipSpace();
    if (pos == text.size()) Fail(text, pos);
    for (;;) {
      result.push_back(ParseCondition());
      SkipSpace();
      if (pos == text.size()) return result;
      if (!TakeWord("and")) Fail(text, pos);
      SkipSpace();
      if (pos == text.size()) Fail(text, pos);
    }
  }

 private:
  void SkipSpace() {
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
  }

  bool TakeWord(const char* word) {
    const std::string w = word;
    if (Lower(text.substr(pos, w.size())) != w) return false;
    const std::size_t after = pos + w.size();
    if (after >= text.size() || !std::isspace(static_cast<unsigned char>(text[after])))
      return false;
    pos = after;
    return true;
  }

  Restriction::Condition ParseCondition() {
    Restriction::Condition c{};
    if (text[pos] != '[') Fail(text, pos);
    const std::size_t close = text.find(']', pos);
    if (close == std::string::npos) Fail(text, pos);
    if (!PropertyFromName(text.substr(pos + 1, close - pos - 1), c.property)) Fail(text, pos);
    pos = close + 1;
    SkipSpace();
    c.op = ParseOp();
    SkipSpace();
    const std::size_t valueAt = pos;
    if (pos == text.size() || (text[pos] != '\'' && text[pos] != '"')) Fail(text, pos);
    const char quote = text[pos];
    const std::size_t end = text.find(quote, pos + 1);
    if (end == std::string::npos) Fail(text, pos);
    c.text = text.substr(pos + 1, end - pos - 1);
    pos = end + 1;
    if (IsDateProperty(c.property) && !ParseFilterDate(c.text, c.date)) Fail(text, valueAt);
    return c;
  }

  Op ParseOp() {
    static const std::pair<const char*, Op> kOps[] = {
        {"<>", Op::NotEqual}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual},
        {"<", Op::Less},      {">", Op::Greater},    {"=", Op::Equal}};
    for (const auto& [symbol, op] : kOps) {
      const std::string s = symbol;
      if (text.compare(pos, s.size(), s) == 0) {
        pos += s.size();
        return op;
      }
    }
    Fail(text, pos);
  }

  const std::string& text;
  std::size_t pos = 0;
};

template <typename T>
bool Compare(const T& a, Op op, const T& b) {
  switch (op) {
    case Op::Equal:
      return a == b;
    case Op::NotEqual:
      return a != b;
    case Op::Less:
      return a < b;
    case Op::LessEqual:
      return a <= b;
    case Op::Greater:
      return a > b;
    case Op::GreaterEqual:
      return a >= b;
  }
  return false;
}

// Dates compare to the second, so texts and stored values that differ by rounding agree.
long long Seconds(double oleDate) { return OleToSeconds(oleDate); }

bool ReadNumber(const std::string& text, std::size_t& pos, int maxDigits, int& value) {
  const std::size_t start = pos;
  value = 0;
  while (pos < text.size() && pos - start < static_cast<std::size_t>(maxDigits) &&
         std::isdigit(static_cast<unsigned char>(text[pos])))
    value = value * 10 + (text[pos++] - '0');
  return pos > start;
}

}  // namespace

bool ParseFilterDate(const std::string& text, double& oleDate) {
  std::size_t pos = 0;
  int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
  if (!ReadNumber(text, pos, 2, month) || pos >= text.size() || text[pos++] != '/') return false;
  if (!ReadNumber(text, pos, 2, day) || pos >= text.size() || text[pos++] != '/') return false;
  if (!ReadNumber(text, pos, 4, year)) return false;
  if (month < 1 || month > 12 || day < 1 || year < 100 ||
      DecodeDateTime(DateSerial(year, month, day)).day != day)
    return false;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (pos < text.size()) {
    if (!ReadNumber(text, pos, 2, hour) || pos >= text.size() || text[pos++] != ':') return false;
    if (!ReadNumber(text, pos, 2, minute)) return false;
    if (pos < text.size() && text[pos] == ':' && !ReadNumber(text, ++pos, 2, second)) return false;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    const std::string suffix = Lower(text.substr(pos));
    if (suffix == "am" || suffix == "pm") {
      if (hour < 1 || hour > 12) return false;
      hour = hour % 12 + (suffix == "pm" ? 12 : 0);
    } else if (!suffix.empty()) {
      return false;
    }
    if (hour > 23 || minute > 59 || second > 59) return false;
  }
  oleDate = DateTimeSerial(year, month, day, hour, minute, second);
  return true;
}

Restriction::Restriction(const std::string& text)
    : conditions(RestrictionParser(text).Parse()),
      startFrom(-std::numeric_limits<double>::infinity()),
      startTo(std::numeric_limits<double>::infinity()) {
  // A second's slack on each side: Matches decides exactly, this only bounds expansion.
  long long from = std::numeric_limits<long long>::min(), to = std::numeric_limits<long long>::max();
  for (const Condition& c : conditions) {
    if (c.property != Property::Start) continue;
    if (c.op == Op::Greater || c.op == Op::GreaterEqual || c.op == Op::Equal)
      from = std::max(from, Seconds(c.date) - 1);
    if (c.op == Op::Less || c.op == Op::LessEqual || c.op == Op::Equal)
      to = std::min(to, Seconds(c.date) + 1);
  }
  if (from != std::numeric_limits<long long>::min()) startFrom = OleFromSeconds(from);
  if (to != std::numeric_limits<long long>::max()) startTo = OleFromSeconds(to);
}

bool Restriction::Matches(const SearchRecord& record) const {
  for (const Condition& c : conditions) {
    bool ok = false;
    switch (c.property) {
      case Property::Start:
        ok = Compare(Seconds(record.start), c.op, Seconds(c.date));
        break;
      case Property::End:
        ok = Compare(Seconds(record.end), c.op, Seconds(c.date));
        break;
      case Property::Subject:
        ok = Compare(Lower(record.subject), c.op, Lower(c.text));
        break;
      case Property::Categories:
        ok = Compare(Lower(record.categories), c.op, Lower(c.text));
        break;
    }
    if (!ok) return false;
  }
  return true;
}

void ItemSearch::Sort(const std::string& property, bool descendingOrder) {
  const bool bracketed = property.size() > 2 && property.front() == '[' && property.back() == ']';
  if (!bracketed || !PropertyFromName(property.substr(1, property.size() - 2), sortBy))
    throw CalendarError("Unknown property \"" + property + "\" for Sort.");
  sorted = true;
  descending = descendingOrder;
}

const SearchRecord* ItemSearch::Find(const SearchSource& source, const std::string& filter) {
  const Restriction restriction(filter);
  results.clear();
  next = 0;
  std::vector<SearchRecord> candidates;
  for (std::size_t i = 0; i < source.EntryCount(); ++i) {
    candidates.clear();
    if (includeRecurrences)
      source.Occurrences(i, restriction.StartFrom(), restriction.StartTo(), candidates);
    else
      candidates.push_back(source.Master(i));
    for (SearchRecord& r : candidates)
      if (restriction.Matches(r)) results.push_back(std::move(r));
  }
  if (sorted) {
    const auto key = [this](const SearchRecord& a, const SearchRecord& b) {
      switch (sortBy) {
        case Property::Start:
          return Seconds(a.start) < Seconds(b.start);
        case Property::End:
          return Seconds(a.end) < Seconds(b.end);
        case Property::Subject:
          return Lower(a.subject) < Lower(b.subject);
        case Property::Categories:
          return Lower(a.categories) < Lower(b.categories);
      }
      return false;
    };
    std::stable_sort(results.begin(), results.end(),
                     [&](const SearchRecord& a, const SearchRecord& b) {
                       return descending ? key(b, a) : key(a, b);
                     });
  }
  return FindNext();
}

const SearchRecord* ItemSearch::FindNext() {
  return next < results.size() ? &results[next++] : nullptr;
}

}  // namespace yb
