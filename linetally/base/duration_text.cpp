#include "linetally/base/duration_text.h"

#include <cstdio>

namespace lt {

std::string DurationText(int64_t seconds) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.3lld:%.2lld:%.2lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return buffer;
}

}  // namespace lt
