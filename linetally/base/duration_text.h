#pragma once
// A number of seconds as hours (at least three digits), minutes and seconds: 3661 -> "001:01:01".
#include <cstdint>
#include <string>

namespace lt {

std::string DurationText(int64_t seconds);

}  // namespace lt
