#pragma once
// The wall clock: local date and time with milliseconds.
#include "linetally/base/date_time.h"

namespace lt {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilDateTime Now() = 0;
};

// A clock the tests set by hand; it may also step on every reading.
class SettableClock : public Clock {
 public:
  explicit SettableClock(CivilDateTime start = {}) : current(start) {}
  CivilDateTime Now() override;
  void Set(const CivilDateTime& value) { current = value; }
  // Added to the time after every reading (0 keeps the clock still).
  void SetStepMilliseconds(int64_t step) { stepMs = step; }
  void AdvanceMilliseconds(int64_t ms);

 private:
  CivilDateTime current;
  int64_t stepMs = 0;
};

}  // namespace lt
