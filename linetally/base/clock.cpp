#include "linetally/base/clock.h"

#include <cmath>

namespace lt {

CivilDateTime SettableClock::Now() {
  const CivilDateTime reading = current;
  if (stepMs != 0) AdvanceMilliseconds(stepMs);
  return reading;
}

void SettableClock::AdvanceMilliseconds(int64_t ms) {
  const DateTime now = *EncodeDateTime(current);
  const double days = std::trunc(now);
  const double msOfDay = std::round(TimeOfDay(now) * 86400000.0) + double(ms);
  const double dayShift = std::floor(msOfDay / 86400000.0);
  const double rest = msOfDay - dayShift * 86400000.0;
  current = DecodeDateTime(days + dayShift + rest / 86400000.0);
}

}  // namespace lt
