#pragma once
// The connections a telecom service is for: the "Connections:" text of a service ("" for
// every connection, else entry names separated by ";"), its check before a save, and the
// keys the cost step compares entry names by. Names compare without regard to letter case,
// as the remote-access service matches its entry names.
#include <string>
#include <string_view>
#include <vector>

namespace lt {

inline constexpr char kConnectionSeparator = ';';

// The names of the text, blanks around each taken off, empty ones and repeats (in any letter
// case) left out; the first spelling stays.
std::vector<std::string> SplitConnectionNames(std::string_view text);

// The text stored for the field: its names joined by ";". `error` names the field and the
// first name the remote-access service would refuse as an entry name; nothing may be saved then.
struct ConnectionsCheck {
  std::string text;
  std::string error;
};
ConnectionsCheck CheckConnections(std::string_view text);

// The name in one letter case, for comparing: ASCII and the accented letters of the Western
// code page the program's texts are kept in.
std::string ConnectionKey(std::string_view name);

// The keys of a service's "Connections:" text; empty when the service is for every connection.
std::vector<std::string> ConnectionKeys(std::string_view text);

}  // namespace lt
