#include "linetally/tariffs/amount.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "linetally/base/currency.h"
#include "linetally/tariffs/real48.h"

namespace lt {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first "," or "." becomes ".", later ones go.
std::string NormalisePoints(const std::string& text) {
  std::string result;
  bool pointSeen = false;
  for (char c : text) {
    if (c == '.' || c == ',') {
      if (!pointSeen) result += '.';
      pointSeen = true;
    } else {
      result += c;
    }
  }
  return result;
}

// The number between the blanks when the whole text fits the grammar.
std::optional<std::string> Validate(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t mantissa = i;
  bool point = false;
  while (i < n && (IsDigit(text[i]) || (text[i] == '.' && !point))) point |= text[i++] == '.';
  if (i == mantissa) return std::nullopt;  // no digits and no point
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = i;
    while (i < n && IsDigit(text[i])) ++i;
    if (i == digits) return std::nullopt;
  }
  size_t end = i;
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return std::nullopt;
  return text.substr(start, end - start);
}

// Up to 19 digits and a power of ten up to 27 are both exact in long double, so one
// multiplication or division rounds correctly; anything longer goes through strtold. The
// program never changes the C locale, so strtold reads "." as the point.
long double ToReal(const std::string& number) {
  uint64_t mantissa = 0;
  int digits = 0, scale = 0;
  size_t i = 0;
  bool negative = number[0] == '-';
  if (number[0] == '+' || number[0] == '-') ++i;
  bool afterPoint = false;
  for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
    if (number[i] == '.') {
      afterPoint = true;
      continue;
    }
    if (mantissa == 0 && number[i] == '0') {
      if (afterPoint) --scale;
      continue;
    }
    if (++digits > 19) return std::strtold(number.c_str(), nullptr);
    mantissa = mantissa * 10 + static_cast<uint64_t>(number[i] - '0');
    if (afterPoint) --scale;
  }
  if (i < number.size()) {  // the exponent
    long exponent = std::strtol(number.c_str() + i + 1, nullptr, 10);
    if (exponent > 1000 || exponent < -1000) return std::strtold(number.c_str(), nullptr);
    scale += static_cast<int>(exponent);
  }
  if (scale > 27 || scale < -27) return std::strtold(number.c_str(), nullptr);
  long double power = 1;
  for (int k = 0; k < (scale < 0 ? -scale : scale); ++k) power *= 10;
  long double value = static_cast<long double>(mantissa);
  value = scale < 0 ? value / power : value * power;
  return negative ? -value : value;
}

}  // namespace

std::optional<long double> TryStrToAmount(const std::string& text) {
  std::optional<std::string> number = Validate(NormalisePoints(text));
  if (!number) return std::nullopt;
  long double value = RoundReal48(ToReal(*number));
  if (!std::isfinite(value)) return std::nullopt;  // beyond what the format holds
  return value;
}

long double StrToAmount(const std::string& text) {
  std::optional<long double> value = TryStrToAmount(text);
  if (!value) throw AmountConversionError();
  return *value;
}

std::string AmountText(const std::string& text, int decimals) {
  StrToAmount(text);  // the same texts convert, or the program ends
  std::string number = *Validate(NormalisePoints(text));
  // A point without digits ("." or ".e5") reads as 0.
  if (number.substr(0, number.find_first_of("eE")).find_first_of("0123456789") == std::string::npos) number = "0";
  return RoundDecimalText(number, decimals).value_or("0");
}

}  // namespace lt
