#include "yearboard/base/color.h"

#include <charconv>
#include <cstdint>

namespace yb {

std::string ColorText(Color color) { return std::to_string(static_cast<std::int32_t>(color)); }

std::optional<Color> ParseColorText(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto last = text.find_last_not_of(' ');
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  long long value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  if (value < INT32_MIN || value > static_cast<long long>(UINT32_MAX)) return std::nullopt;
  return static_cast<Color>(static_cast<std::uint32_t>(value));
}

}  // namespace yb
