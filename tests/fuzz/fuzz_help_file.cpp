// The help file reader on any bytes: it reads or throws std::runtime_error, never reads past
// what it was given, and what it read answers the lookups the tests make.
#include <stdexcept>

#include "tests/fuzz/fuzz_support.h"
#include "tools/helpwriter/hlp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  winhelp::HelpFile file;
  try {
    file = winhelp::ReadHelpFile(std::vector<uint8_t>(data, data + size));
  } catch (const std::runtime_error&) {
    return 0;
  }
  for (const auto& [number, address] : file.numbers) file.ByNumber(number);
  for (const winhelp::ReadTopic& topic : file.topics) file.ByContext(topic.title);
  return 0;
}
