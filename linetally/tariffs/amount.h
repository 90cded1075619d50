#pragma once
// StrToAmount: a stored amount text to a real. "," and "." both stand for the decimal point
// (the first one met; later ones are dropped), then the text must be blanks, a sign, digits
// with at most one point, an optional exponent, blanks. A text that does not convert is the
// program's one fatal failure: AmountConversionError, which the main window handles by
// stopping its timer, logging an active session, showing the two-line box and exiting with 1.
#include <optional>
#include <stdexcept>
#include <string>

namespace lt {

inline constexpr const char* kAmountFailureText =
    "An error occurred during Linetally processing.\n"
    "This is most likely the result of too many records in your database.";

class AmountConversionError : public std::runtime_error {
 public:
  AmountConversionError() : std::runtime_error(kAmountFailureText) {}
};

// The converted amount rounded to the 6-byte real, or empty when the text does not convert.
std::optional<long double> TryStrToAmount(const std::string& text);
// The same; throws AmountConversionError when the text does not convert.
long double StrToAmount(const std::string& text);
// The amount as StrToAmount reads it, rounded once from its text to `decimals` places, halves
// to even ("1,01499" gives "1.01" at two); throws AmountConversionError like StrToAmount.
std::string AmountText(const std::string& text, int decimals);

}  // namespace lt
