#include <windows.h>

#include <stdexcept>

#include "yearboard/base/system_win32.h"

namespace yb {
namespace {

class RegKey {
 public:
  RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() {
    if (key) RegCloseKey(key);
  }
  HKEY key = nullptr;
};

std::string KeyPath(const std::string& application, const std::string& section) {
  return "Software\\" + application + "\\" + section;
}

}  // namespace

StoredSetting RegistrySettingsStore::ReadSetting(const std::string& application, const std::string& section,
                                                 const std::string& key) {
  RegKey reg;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_READ, &reg.key) !=
      ERROR_SUCCESS) {
    return {};
  }
  const StoredSetting unreadable{StoredSetting::State::Unreadable, ""};
  DWORD type = 0;
  DWORD size = 0;
  const LONG found = RegQueryValueExA(reg.key, key.c_str(), nullptr, &type, nullptr, &size);
  if (found == ERROR_FILE_NOT_FOUND) return {};
  if (found != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return unreadable;
  std::string value(size, '\0');
  if (size > 0 && RegQueryValueExA(reg.key, key.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS) {
    return unreadable;
  }
  value.resize(size);
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return {StoredSetting::State::Text, value};
}

void RegistrySettingsStore::SaveSetting(const std::string& application,
                                        const std::string& section, const std::string& key,
                                        const std::string& value) {
  RegKey reg;
  const std::string path = KeyPath(application, section);
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      &reg.key, nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("Failed to open registry key '" + path + "'");
  }
  if (RegSetValueExA(reg.key, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS) {
    throw std::runtime_error("Failed to save setting '" + key + "'");
  }
}

}  // namespace yb
