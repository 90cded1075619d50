#include "linetally/base/duration_text.h"

#include <cstdio>

namespace lt {

namespace {
void AppendTwoDigits(std::string& text, int64_t value) {
  text += char('0' + value / 10);
  text += char('0' + value % 10);
}
}  // namespace

// Built by hand: the tick shows a duration three times a second.
std::string DurationText(int64_t seconds) {
  if (seconds < 0) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.3lld:%.2lld:%.2lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return buffer;
  }
  std::string text = std::to_string(seconds / 3600);
  if (text.size() < 3) text.insert(0, 3 - text.size(), '0');
  text += ':';
  AppendTwoDigits(text, seconds / 60 % 60);
  text += ':';
  AppendTwoDigits(text, seconds % 60);
  return text;
}

}  // namespace lt
