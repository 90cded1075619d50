#include "linetally/tariffs/connection_names.h"

#include <algorithm>

namespace lt {
namespace {

// What the remote-access service refuses in an entry name.
constexpr std::string_view kRefused = "|><?*\\/:";

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char UpperCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 0x20);
  if (byte >= 0xE0 && byte != 0xF7 && byte != 0xFF) return static_cast<char>(byte - 0x20);
  switch (byte) {
    case 0x9A: return '\x8A';  // s caron
    case 0x9C: return '\x8C';  // oe
    case 0x9E: return '\x8E';  // z caron
    case 0xFF: return '\x9F';  // y diaeresis
    default: return c;
  }
}

std::string Refusal(const std::string& name, const std::string& why) {
  return "Connections: the name \"" + name + "\" " + why +
         ". Separate connection names with \";\", or leave the field empty for every connection.";
}

}  // namespace

std::vector<std::string> SplitConnectionNames(std::string_view text) {
  std::vector<std::string> names, keys;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(kConnectionSeparator, start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view name = Trim(text.substr(start, end - start));
    std::string key = ConnectionKey(name);
    if (!name.empty() && std::find(keys.begin(), keys.end(), key) == keys.end()) {
      names.emplace_back(name);
      keys.push_back(std::move(key));
    }
    start = end + 1;
  }
  return names;
}

ConnectionsCheck CheckConnections(std::string_view text) {
  ConnectionsCheck check;
  const std::vector<std::string> names = SplitConnectionNames(text);
  for (const std::string& name : names) {
    const size_t refused = name.find_first_of(kRefused);
    if (refused != std::string::npos) {
      check.error = Refusal(name, std::string("holds \"") + name[refused] + "\", which a connection name cannot hold");
      return check;
    }
    if (name.front() == '.') {
      check.error = Refusal(name, "begins with \".\", which a connection name cannot");
      return check;
    }
  }
  for (const std::string& name : names) {
    if (!check.text.empty()) check.text += kConnectionSeparator;
    check.text += name;
  }
  return check;
}

std::string ConnectionKey(std::string_view name) {
  std::string key(name);
  std::transform(key.begin(), key.end(), key.begin(), UpperCase);
  return key;
}

std::vector<std::string> ConnectionKeys(std::string_view text) {
  std::vector<std::string> keys;
  for (const std::string& name : SplitConnectionNames(text)) keys.push_back(ConnectionKey(name));
  return keys;
}

}  // namespace lt
