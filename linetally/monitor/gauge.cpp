#include "linetally/monitor/gauge.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

namespace lt {
namespace {

// Nearest integer, halves to even, held within int.
int RoundEven(long double value) {
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  long double rounded = std::nearbyint(value);
  std::fesetround(saved);
  rounded = std::clamp<long double>(rounded, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  return int(rounded);
}

}  // namespace

GaugeState ComputeGauge(long double minimum, long double costPerSecond, long double accumulated) {
  GaugeState gauge;
  if (!(costPerSecond > 0) || !(minimum >= 0)) return gauge;
  gauge.maximum = std::max(0, RoundEven(minimum / costPerSecond));
  gauge.position = std::clamp(gauge.maximum - RoundEven(accumulated / costPerSecond), 0, gauge.maximum);
  if (gauge.position > 1) gauge.trayFrame = RoundEven(14.0L * gauge.position / gauge.maximum);
  return gauge;
}

}  // namespace lt
