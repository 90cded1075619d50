#include "yearboard/model/master_list_win32.h"

#include <windows.h>

#include <vector>

namespace yb {

namespace {

class OpenKey {
 public:
  OpenKey(HKEY parent, const char* path) {
    if (RegOpenKeyA(parent, path, &key) != ERROR_SUCCESS) key = nullptr;
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (key) RegCloseKey(key);
  }
  HKEY key = nullptr;
};

// RegQueryValueA hands out the bytes of any value type; only a string is a list.
bool IsStringValue(HKEY key) {
  const OpenKey subkey(key, kMasterListSubkey);
  if (!subkey.key) return false;
  DWORD type = REG_NONE;
  const LONG result = RegQueryValueExA(subkey.key, nullptr, nullptr, &type, nullptr, nullptr);
  return result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ);
}

}  // namespace

std::string ReadMasterCategoryList() {
  const OpenKey key(HKEY_CURRENT_USER, kMasterListKey);
  if (!key.key || !IsStringValue(key.key)) return "";
  // The size first, then the value into a buffer of that many characters, NUL included.
  LONG size = 0;
  if (RegQueryValueA(key.key, kMasterListSubkey, nullptr, &size) != ERROR_SUCCESS || size <= 0) return "";
  std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
  LONG read = size;
  if (RegQueryValueA(key.key, kMasterListSubkey, buffer.data(), &read) != ERROR_SUCCESS) return "";
  return std::string(buffer.data());  // stops at the first NUL, also when the value has none
}

}  // namespace yb
