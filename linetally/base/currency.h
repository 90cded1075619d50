#pragma once
// Money as a signed 64-bit count of ten-thousandths of the currency unit.
// Formatting works on the integer (halves to even), never through a double.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lt {

class Currency {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromRaw(int64_t tenThousandths) { return Currency(tenThousandths); }
  // Nearest ten-thousandth of a real amount, halves to even; held within the 64-bit range.
  static Currency FromReal(long double amount);

  constexpr int64_t Raw() const { return raw; }
  long double ToReal() const { return static_cast<long double>(raw) / kScale; }

  // The standard conversion: blanks, a sign, digits with at most one ".", an optional
  // exponent; rounded to four decimals, halves to even. Nothing else is accepted.
  // Rounded to odd instead, a figure with more decimals keeps a mark of what was dropped in its
  // last digit, so that rounding it again to two decimals (halves to even) gives what rounding
  // the text once would: "0.0250499" reads 0.0251 and shows 0.03, as the text rounds.
  enum class Rounding { HalvesToEven, ToOdd };
  static std::optional<Currency> Parse(std::string_view text, Rounding rounding = Rounding::HalvesToEven);

  // Plain decimal text: "." point, at most four decimals, trailing zeros dropped ("0", "1.25").
  std::string ToPlainText() const;
  // Exactly `decimals` (0..4) decimals, the dropped digits rounded halves to even ("-0.05").
  std::string ToFixed(int decimals) const;

  // Sums hold at the ends of the range instead of wrapping: a log edited by hand can hold
  // any amount, and a total that turned negative would be worse than one that stops growing.
  friend constexpr Currency operator+(Currency a, Currency b) { return Currency(SaturatedAdd(a.raw, b.raw)); }
  friend constexpr Currency operator-(Currency a, Currency b) { return Currency(SaturatedSubtract(a.raw, b.raw)); }
  Currency& operator+=(Currency other) { return *this = *this + other; }
  Currency& operator-=(Currency other) { return *this = *this - other; }
  friend constexpr auto operator<=>(Currency a, Currency b) = default;

  static constexpr Currency Max() { return Currency(INT64_MAX); }
  static constexpr Currency Min() { return Currency(INT64_MIN); }

 private:
  constexpr explicit Currency(int64_t value) : raw(value) {}
  static constexpr int64_t SaturatedAdd(int64_t a, int64_t b) {
    int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? INT64_MAX : INT64_MIN;
  }
  static constexpr int64_t SaturatedSubtract(int64_t a, int64_t b) {
    int64_t difference = 0;
    if (!__builtin_sub_overflow(a, b, &difference)) return difference;
    return b < 0 ? INT64_MAX : INT64_MIN;
  }
  int64_t raw = 0;
};

// An exact running sum of amounts that come and go (a log's records as they are added and
// removed): 128 bits, so no count of 64-bit amounts that a log can hold wraps it, and taking
// an amount away always undoes adding it. Its value holds at the ends of the currency's range.
class CurrencySum {
 public:
  void Add(Currency amount) { Shift(amount.Raw(), false); }
  void Remove(Currency amount) { Shift(amount.Raw(), true); }
  Currency Value() const;
  bool operator==(const CurrencySum&) const = default;

 private:
  void Shift(int64_t amount, bool subtract);
  int64_t high = 0;  // the sum is high * 2^64 + low
  uint64_t low = 0;
};

// A number in the standard notation (blanks, a sign, digits with at most one ".", an optional
// exponent) rounded once to `decimals` places, halves to even: "1.01499" gives "1.01" at two.
// Empty when the text is no such number.
std::optional<std::string> RoundDecimalText(std::string_view text, int decimals);

}  // namespace lt
