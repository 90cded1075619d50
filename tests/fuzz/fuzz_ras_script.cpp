// The remote-access stand-in's script reader: a script reads or is refused with a message
// naming its line, and every connection it lists has a name.
#include <optional>

#include "tests/fuzz/fuzz_support.h"
#include "tools/ras-standin/ras_script.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::optional<rasstandin::Script> script;
  try {
    script.emplace(fuzz::Text(data, size));
  } catch (const rasstandin::ScriptError& error) {
    Require(std::string(error.what()).rfind("line ", 0) == 0, "a refusal that names no line");
    return 0;
  }
  for (uint32_t ms : {0u, 1u, 250u, 1000u, 60000u, 0xFFFFFFFFu})
    for (const rasstandin::Connection& connection : script->At(ms))
      Require(!connection.name.empty(), "a connection listed without a name");
  return 0;
}
