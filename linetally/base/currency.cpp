#include "linetally/base/currency.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace lt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Rounds the decimal digit string `digits` (value digits) after dropping its last `drop`
// digits, halves to even, or to odd: the kept digits, and the last one made odd when anything
// but zeros was dropped. Returns the kept digits, possibly one longer after a carry.
std::string RoundDigits(const std::string& digits, size_t drop, bool toOdd = false) {
  if (drop == 0) return digits;
  if (toOdd) {
    std::string kept = drop >= digits.size() ? "0" : digits.substr(0, digits.size() - drop);
    const size_t from = drop >= digits.size() ? 0 : digits.size() - drop;
    if (digits.find_first_not_of('0', from) != std::string::npos && (kept.back() - '0') % 2 == 0) ++kept.back();
    return kept;
  }
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

// A number in the standard notation: blanks, a sign, digits with at most one ".", an optional
// exponent, blanks. Its value is digits x 10^exponent (digits without leading zeros).
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

std::optional<Decimal> ParseDecimal(std::string_view text) {
  Decimal number;
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.negative = text[i++] == '-';
  bool anyDigit = false, point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      anyDigit = true;
      if (!(number.digits.empty() && text[i] == '0')) number.digits += text[i];  // no leading zeros
      if (point) --number.exponent;
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
    number.exponent += negExp ? -e : e;
  }
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) return std::nullopt;
  return number;
}

// The value's digits scaled to `decimals` places, rounded once, halves to even ("0" for zero).
std::string ScaledDigits(const Decimal& number, int decimals, bool toOdd = false) {
  if (number.digits.empty()) return "0";
  const int shift = number.exponent + decimals;
  if (shift >= 0) return number.digits + std::string(size_t(shift), '0');
  return RoundDigits(number.digits, size_t(-shift), toOdd);
}

// Scaled digits as text with `decimals` places; "-" only in front of a value that is not zero.
std::string FixedText(bool negative, const std::string& scaled, int decimals) {
  const size_t places = size_t(decimals);
  const std::string padded = std::string(places + 1 > scaled.size() ? places + 1 - scaled.size() : 0, '0') + scaled;
  std::string text = padded.substr(0, padded.size() - places);
  if (places > 0) text += "." + padded.substr(padded.size() - places);
  const bool zero = scaled.find_first_not_of('0') == std::string::npos;
  return negative && !zero ? "-" + text : text;
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

std::optional<Currency> Currency::Parse(std::string_view text, Rounding rounding) {
  const std::optional<Decimal> number = ParseDecimal(text);
  if (!number) return std::nullopt;
  // raw = value * 10^4
  if (!number->digits.empty() && number->exponent + 4 >= 0 &&
      number->digits.size() + size_t(number->exponent + 4) > 19)
    return std::nullopt;
  const std::string whole = ScaledDigits(*number, 4, rounding == Rounding::ToOdd);
  if (whole.size() > 19) return std::nullopt;
  const unsigned long long magnitude = std::stoull(whole);
  const unsigned long long limit = static_cast<unsigned long long>(std::numeric_limits<int64_t>::max());
  const bool negative = number->negative;
  if (magnitude > limit + (negative ? 1 : 0)) return std::nullopt;
  if (negative) return Currency(magnitude == limit + 1 ? std::numeric_limits<int64_t>::min() : -int64_t(magnitude));
  return Currency(int64_t(magnitude));
}

void CurrencySum::Shift(int64_t amount, bool subtract) {
  const uint64_t magnitude = static_cast<uint64_t>(amount);
  const int64_t signHigh = amount < 0 ? -1 : 0;  // the amount's own high word
  if (!subtract) {
    const uint64_t before = low;
    low += magnitude;
    high += signHigh + (low < before ? 1 : 0);
  } else {
    const uint64_t before = low;
    low -= magnitude;
    high -= signHigh + (before < magnitude ? 1 : 0);
  }
}

Currency CurrencySum::Value() const {
  // Within 64 bits when the high word is only the sign of the low one.
  if (high == 0 && low <= static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
    return Currency::FromRaw(static_cast<int64_t>(low));
  if (high == -1 && low >= static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1)
    return Currency::FromRaw(static_cast<int64_t>(low));
  return high < 0 ? Currency::Min() : Currency::Max();
}

std::optional<std::string> RoundDecimalText(std::string_view text, int decimals) {
  const std::optional<Decimal> number = ParseDecimal(text);
  if (!number || decimals < 0) return std::nullopt;
  if (!number->digits.empty() && number->exponent + decimals > 400) return std::nullopt;  // no amount is that large
  return FixedText(number->negative, ScaledDigits(*number, decimals), decimals);
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
