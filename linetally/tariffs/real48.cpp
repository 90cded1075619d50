#include "linetally/tariffs/real48.h"

#include <cmath>

namespace lt {
namespace {

constexpr int kSignificandBits = 40;
// As frexp counts: the 6-byte real spans 2^-128 to just under 2^127.
constexpr int kMinExponent = -127;
constexpr int kMaxExponent = 127;

}  // namespace

long double RoundReal48(long double x) {
  if (x == 0 || !std::isfinite(x)) return x;
  int exponent = 0;
  long double fraction = std::frexp(std::fabs(x), &exponent);  // 0.5 <= fraction < 1
  // fraction * 2^40 has at most 64 significant bits, so this is exact in long double.
  long double scaled = std::floor(std::ldexp(fraction, kSignificandBits) + 0.5L);
  long double rounded = std::ldexp(scaled, exponent - kSignificandBits);
  if (exponent < kMinExponent) return 0;
  if (exponent > kMaxExponent) rounded = HUGE_VALL;
  return std::signbit(x) ? -rounded : rounded;
}

}  // namespace lt
