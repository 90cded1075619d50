#include "tools/ras-standin/ras_script.h"

#include <cstdlib>
#include <sstream>

namespace rasstandin {
namespace {

uint32_t Number(const std::string& word, int line, const char* what) {
  const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
  const std::string digits = hex ? word.substr(2) : word;
  const bool ok = !digits.empty() && digits.size() <= (hex ? 8u : 10u) &&
                  digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") == std::string::npos;
  const unsigned long long value = ok ? std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10) : 0;
  if (!ok || value > 0xFFFFFFFFull)
    throw ScriptError("line " + std::to_string(line) + ": " + what + " '" + word + "' is not a number");
  return uint32_t(value);
}

}  // namespace

Script::Script(const std::string& text) {
  std::istringstream in(text);
  std::string raw;
  for (int line = 1; std::getline(in, raw); ++line) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::istringstream words(raw);
    std::string ms, handle, state;
    if (!(words >> ms) || ms[0] == '#') continue;
    const uint32_t from = Number(ms, line, "the moment");
    if (!moments.empty() && from < moments.back().fromMs)
      throw ScriptError("line " + std::to_string(line) + ": moment " + ms + " comes before the one above");
    if (moments.empty() || moments.back().fromMs != from) moments.push_back({from, {}});
    if (!(words >> handle))
      throw ScriptError("line " + std::to_string(line) + ": a handle, state and name, or \"none\", must follow");
    if (handle == "none") {
      if (words >> state) throw ScriptError("line " + std::to_string(line) + ": nothing may follow \"none\"");
      continue;
    }
    Connection connection;
    connection.handle = Number(handle, line, "the handle");
    if (!(words >> state)) throw ScriptError("line " + std::to_string(line) + ": the state is missing");
    connection.state = Number(state, line, "the state");
    std::getline(words >> std::ws, connection.name);
    if (connection.name.empty()) throw ScriptError("line " + std::to_string(line) + ": the entry name is missing");
    moments.back().listing.push_back(std::move(connection));
  }
}

const Listing& Script::At(uint32_t elapsedMs) const {
  static const Listing nothing;
  const Listing* current = &nothing;
  for (const Moment& moment : moments) {
    if (moment.fromMs > elapsedMs) break;
    current = &moment.listing;
  }
  return *current;
}

}  // namespace rasstandin
