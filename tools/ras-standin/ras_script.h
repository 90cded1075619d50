#pragma once
// The remote-access stand-in's script: which dial-up connections are listed over time. One
// line per connection and moment:
//
//   MS HANDLE STATE NAME   from MS milliseconds after the script was loaded, the connection
//                          HANDLE is listed under the entry NAME (the rest of the line),
//                          reporting the connection state STATE
//   MS none                from MS on, nothing is listed
//
// Numbers are decimal or 0x-hex. The lines of the latest moment reached make the listing, in
// their order; moments may not go back. Blank lines and lines starting with # are skipped.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace rasstandin {

struct Connection {
  uint32_t handle = 0;
  uint32_t state = 0;
  std::string name;
  bool operator==(const Connection&) const = default;
};
using Listing = std::vector<Connection>;

// A script line that does not read: its text says which line and why.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Script {
 public:
  Script() = default;  // lists nothing, ever
  explicit Script(const std::string& text);  // throws ScriptError
  const Listing& At(uint32_t elapsedMs) const;

 private:
  struct Moment {
    uint32_t fromMs;
    Listing listing;
  };
  std::vector<Moment> moments;
};

}  // namespace rasstandin
