#include "linetally/base/currency.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace lt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Rounds the decimal digit string `digits` (value digits) after dropping its last `drop`
// digits, halves to even. Returns the kept digits, possibly one longer after a carry.
std::string RoundDigits(const std::string& digits, size_t drop) {
  if (drop == 0) return digits;
  if (drop > digits.size()) return "0";
  std::string kept = digits.substr(0, digits.size() - drop);
  if (kept.empty()) kept = "0";
  const char first = digits[digits.size() - drop];
  bool restNonZero = false;
  for (size_t i = digits.size() - drop + 1; i < digits.size(); ++i) restNonZero |= digits[i] != '0';
  const bool odd = (kept.back() - '0') % 2 == 1;
  const bool up = first > '5' || (first == '5' && (restNonZero || odd));
  if (!up) return kept;
  for (size_t i = kept.size(); i-- > 0;) {
    if (kept[i] != '9') {
      ++kept[i];
      return kept;
    }
    kept[i] = '0';
  }
  return "1" + kept;
}

}  // namespace

Currency Currency::FromReal(long double amount) {
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);  // nearbyint rounds halves to even in this mode
  const long double scaled = std::nearbyint(amount * kScale);
  std::fesetround(saved);
  // Amounts past the range hold at its ends (an edited registry can ask for any price).
  if (!(scaled > static_cast<long double>(std::numeric_limits<int64_t>::min())))
    return Currency(std::numeric_limits<int64_t>::min());
  if (!(scaled < static_cast<long double>(std::numeric_limits<int64_t>::max())))
    return Currency(std::numeric_limits<int64_t>::max());
  return Currency(static_cast<int64_t>(scaled));
}

std::optional<Currency> Currency::Parse(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;
  int exponent = 0;
  bool anyDigit = false, point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      anyDigit = true;
      if (!(digits.empty() && text[i] == '0')) digits += text[i];  // no leading zeros
      if (point) --exponent;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negExp = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negExp = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
    int e = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      if (e > 10000) return std::nullopt;
      e = e * 10 + (text[i] - '0');
    }
    exponent += negExp ? -e : e;
  }
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) return std::nullopt;
  if (digits.empty()) return Currency(0);

  // value = digits * 10^exponent; raw = value * 10^4
  const int shift = exponent + 4;
  std::string whole;
  if (shift >= 0) {
    if (digits.size() + size_t(shift) > 19) return std::nullopt;
    whole = digits + std::string(size_t(shift), '0');
  } else {
    whole = RoundDigits(digits, size_t(-shift));
  }
  if (whole.size() > 19) return std::nullopt;
  const unsigned long long magnitude = std::stoull(whole);
  const unsigned long long limit = static_cast<unsigned long long>(std::numeric_limits<int64_t>::max());
  if (magnitude > limit + (negative ? 1 : 0)) return std::nullopt;
  if (negative) return Currency(magnitude == limit + 1 ? std::numeric_limits<int64_t>::min() : -int64_t(magnitude));
  return Currency(int64_t(magnitude));
}

std::string Currency::ToPlainText() const {
  const bool negative = raw < 0;
  const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(raw) : raw;
  std::string text = std::to_string(magnitude / kScale);
  std::string fraction = std::to_string(magnitude % kScale + kScale).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return negative ? "-" + text : text;
}

std::string Currency::ToFixed(int decimals) const {
  if (decimals < 0) decimals = 0;
  if (decimals > 4) decimals = 4;
  // In integers and one buffer: the status bar asks for four of these on most ticks.
  const bool negative = raw < 0;
  const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(raw) : raw;
  unsigned long long unit = 1;
  for (int i = decimals; i < 4; ++i) unit *= 10;
  unsigned long long kept = magnitude / unit;
  const unsigned long long dropped = magnitude % unit;
  if (dropped * 2 > unit || (dropped * 2 == unit && kept % 2 == 1)) ++kept;  // halves to even
  char text[32];
  char* end = text + sizeof text;
  char* p = end;
  for (int i = 0; i < decimals; ++i, kept /= 10) *--p = char('0' + kept % 10);
  if (decimals > 0) *--p = '.';
  do {
    *--p = char('0' + kept % 10);
    kept /= 10;
  } while (kept > 0);
  const bool zero = std::string_view(p, size_t(end - p)).find_first_not_of("0.") == std::string_view::npos;
  if (negative && !zero) *--p = '-';
  return std::string(p, end);
}

}  // namespace lt
