#include <stdexcept>

#include "harness.h"

namespace e2e {

std::string RegistryValue::AsString() const {
  std::string text(data.begin(), data.end());
  return text.substr(0, text.find('\0'));
}

std::optional<RegistryValue> ReadRegistry(HKEY root, const std::string& path, const std::string& name) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  RegistryValue value;
  DWORD size = 0;
  LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    value.data.resize(size);
    result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(), &size);
    value.data.resize(size);
  }
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  return value;
}

bool RegistryKeyExists(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void DeleteRegistryTree(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
  char name[256];
  for (;;) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    DeleteRegistryTree(key, name);
  }
  RegCloseKey(key);
  RegDeleteKeyA(root, path.c_str());
}

void WriteRegistry(HKEY root, const std::string& path, const std::string& name, DWORD type,
                   const std::vector<uint8_t>& data) {
  HKEY key;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    throw std::runtime_error("cannot create key " + path);
  const LONG result = RegSetValueExA(key, name.c_str(), 0, type, data.data(), DWORD(data.size()));
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) throw std::runtime_error("cannot write " + path + "\\" + name);
}

void WriteRegistryString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
  WriteRegistry(root, path, name, REG_SZ, std::vector<uint8_t>(value.begin(), value.end()));
}

}  // namespace e2e
