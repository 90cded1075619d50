#pragma once
// Telecom services written straight into the registry by the e2e drivers, as a user's earlier
// run of the dialog would have left them, and the bytes the drivers expect back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "linetally_app.h"

namespace e2e {

struct Service {
  std::string cost = "0.06";
  bool minOn = false, connOn = false, discountOn = false;
  std::string minCharge = "0.000", connCharge = "0.000", discount = "0.000";
  std::string days = "MonTueWedThuFriSatSun";
  double after = 0, before = 0;  // the whole day
  std::string connections = "";   // none stored when empty, as services saved before it existed
};

inline std::vector<uint8_t> Dword(bool on) { return {uint8_t(on ? 1 : 0), 0, 0, 0}; }

inline std::vector<uint8_t> TimeBytes(double fraction) {
  std::vector<uint8_t> bytes(8);
  std::memcpy(bytes.data(), &fraction, 8);
  return bytes;
}

inline std::vector<uint8_t> TextBytes(const std::string& text) { return {text.begin(), text.end()}; }

inline std::string ServiceKey(const std::string& name) {
  return std::string(kLinetallyKey) + "\\" + name;
}

inline void WriteService(const std::string& name, const Service& s) {
  const std::string key = ServiceKey(name);
  WriteRegistryString(HKEY_CURRENT_USER, key, "editCost", s.cost);
  WriteRegistry(HKEY_CURRENT_USER, key, "checkMinCharge", REG_DWORD, Dword(s.minOn));
  WriteRegistryString(HKEY_CURRENT_USER, key, "editMinCharge", s.minCharge);
  WriteRegistry(HKEY_CURRENT_USER, key, "checkDiscount", REG_DWORD, Dword(s.discountOn));
  WriteRegistryString(HKEY_CURRENT_USER, key, "editDiscount", s.discount);
  WriteRegistry(HKEY_CURRENT_USER, key, "checkConnCharge", REG_DWORD, Dword(s.connOn));
  WriteRegistryString(HKEY_CURRENT_USER, key, "editConnCharge", s.connCharge);
  for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
    WriteRegistry(HKEY_CURRENT_USER, key, std::string("check") + day, REG_DWORD,
                  Dword(s.days.find(day) != std::string::npos));
  WriteRegistry(HKEY_CURRENT_USER, key, "editAfter", REG_BINARY, TimeBytes(s.after));
  WriteRegistry(HKEY_CURRENT_USER, key, "editBefore", REG_BINARY, TimeBytes(s.before));
  if (!s.connections.empty()) WriteRegistryString(HKEY_CURRENT_USER, key, "editConnections", s.connections);
}

// The cost field of the log's first record, in ten-thousandths, and its counted seconds.
inline std::pair<long, long> LoggedCost(LinetallyApp& app) {
  const std::string file = app.WorkingFile();
  std::vector<std::string> fields = LogFields(file.substr(0, file.find("\r\n")));
  EXPECT_EQ(fields.size(), 6u) << file;
  if (fields.size() != 6) return {-1, -1};
  return {std::lround(std::stod(fields[4]) * 10000), std::stol(fields[2])};
}

// The sub-key names of the program key, as the registry spells them.
inline std::vector<std::string> ServiceKeys() {
  std::vector<std::string> names;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kLinetallyKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  return names;
}

}  // namespace e2e
