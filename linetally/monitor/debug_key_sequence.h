#pragma once
// The typed sequence that shows or hides the debug controls. A character that does not match
// the next position starts the count again (it is not compared with the first position).
#include <cstdint>

namespace lt {

class DebugKeySequence {
 public:
  // True when this character completes the sequence.
  bool Feed(char typed);
  static const char* Sequence();  // five characters, case-sensitive

 private:
  uint16_t position = 0;
};

}  // namespace lt
