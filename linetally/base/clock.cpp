#include "linetally/base/clock.h"

#include <cmath>

namespace lt {

CivilDateTime SettableClock::Now() {
  const CivilDateTime reading = current;
  if (stepMs != 0) AdvanceMilliseconds(stepMs);
  return reading;
}

void SettableClock::AdvanceMilliseconds(int64_t ms) {
  // Within the day the fields carry by themselves; the benchmarks step the clock on every reading.
  const int64_t msOfDay =
      ((int64_t(current.hour) * 60 + current.minute) * 60 + current.second) * 1000 + current.millisecond + ms;
  if (msOfDay >= 0 && msOfDay < 86400000) {
    current.hour = int(msOfDay / 3600000);
    current.minute = int(msOfDay / 60000 % 60);
    current.second = int(msOfDay / 1000 % 60);
    current.millisecond = int(msOfDay % 1000);
    return;
  }
  const double days = std::trunc(*EncodeDateTime(current));
  const double dayShift = std::floor(double(msOfDay) / 86400000.0);
  const double rest = double(msOfDay) - dayShift * 86400000.0;
  current = DecodeDateTime(days + dayShift + rest / 86400000.0);
}

}  // namespace lt
