// The amount reader: the throwing and the optional reader agree, "," reads as ".", and the
// shown text of an amount that reads is made without failing.
#include "linetally/tariffs/amount.h"
#include "tests/fuzz/fuzz_support.h"

using namespace lt;
using fuzz::Require;

namespace {

bool Same(long double a, long double b) { return a == b || (a != a && b != b); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::Text(data, size);
  const auto value = TryStrToAmount(text);
  bool thrown = false;
  try {
    Require(Same(StrToAmount(text), *value), "the two readers read different amounts");
  } catch (const AmountConversionError&) {
    thrown = true;
  }
  Require(thrown != value.has_value(), "the two readers disagree");
  if (value)
    for (int decimals = 0; decimals <= 4; ++decimals) Require(!AmountText(text, decimals).empty(), "an empty amount text");
  const size_t point = text.find('.');
  if (text.find(',') == std::string::npos && point != std::string::npos) {
    std::string comma = text;
    comma[point] = ',';
    const auto other = TryStrToAmount(comma);
    Require(other.has_value() == value.has_value() && (!value || Same(*other, *value)), "a comma reads unlike a point");
  }
  return 0;
}
