#include <stdexcept>

#include "harness.h"

namespace e2e {

std::string RegistryValue::AsString() const {
  std::string text(data.begin(), data.end());
  return text.substr(0, text.find('\0'));
}

namespace {

// Strings are read through the wide call, which returns the stored characters exactly (the
// narrow call adds a NUL the program did not write), then turned into the ANSI code page.
void NarrowStoredString(HKEY key, const std::string& name, RegistryValue& value) {
  const std::wstring wideName(name.begin(), name.end());
  DWORD size = 0, type = 0;
  if (RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return;
  std::wstring wide(size / sizeof(wchar_t), L'\0');
  if (RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(wide.data()), &size) !=
      ERROR_SUCCESS)
    return;
  wide.resize(size / sizeof(wchar_t));
  value.data.clear();
  if (wide.empty()) return;
  std::string narrow(wide.size() * 2, '\0');
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), narrow.data(),
                                        int(narrow.size()), nullptr, nullptr);
  value.data.assign(narrow.begin(), narrow.begin() + bytes);
}

}  // namespace

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
  if (result == ERROR_SUCCESS && (value.type == REG_SZ || value.type == REG_EXPAND_SZ))
    NarrowStoredString(key, name, value);
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
