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
  static std::optional<Currency> Parse(std::string_view text);

  // Plain decimal text: "." point, at most four decimals, trailing zeros dropped ("0", "1.25").
  std::string ToPlainText() const;
  // Exactly `decimals` (0..4) decimals, the dropped digits rounded halves to even ("-0.05").
  std::string ToFixed(int decimals) const;

  friend constexpr Currency operator+(Currency a, Currency b) { return Currency(a.raw + b.raw); }
  Currency& operator+=(Currency other) {
    raw += other.raw;
    return *this;
  }
  Currency& operator-=(Currency other) {
    raw -= other.raw;
    return *this;
  }
  friend constexpr auto operator<=>(Currency a, Currency b) = default;

 private:
  constexpr explicit Currency(int64_t value) : raw(value) {}
  int64_t raw = 0;
};

// A number in the standard notation (blanks, a sign, digits with at most one ".", an optional
// exponent) rounded once to `decimals` places, halves to even: "1.01499" gives "1.01" at two.
// Empty when the text is no such number.
std::optional<std::string> RoundDecimalText(std::string_view text, int decimals);

}  // namespace lt
