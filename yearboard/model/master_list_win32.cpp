#include "yearboard/model/master_list_win32.h"

#include <windows.h>

#include <vector>

namespace yb {

namespace {

// RegQueryValueA hands out the bytes of any value type; only a string is a list.
bool IsStringValue(HKEY key) {
  HKEY subkey = nullptr;
  if (RegOpenKeyA(key, kMasterListSubkey, &subkey) != ERROR_SUCCESS) return false;
  DWORD type = REG_NONE;
  const LONG result = RegQueryValueExA(subkey, nullptr, nullptr, &type, nullptr, nullptr);
  RegCloseKey(subkey);
  return result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ);
}

}  // namespace

std::string ReadMasterCategoryList() {
  HKEY key = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_USER, kMasterListKey, &key) != ERROR_SUCCESS || !key) return "";
  if (!IsStringValue(key)) {
    RegCloseKey(key);
    return "";
  }
  // The size first, then the value into a buffer of that many characters, NUL included.
  LONG size = 0;
  std::string text;
  if (RegQueryValueA(key, kMasterListSubkey, nullptr, &size) == ERROR_SUCCESS && size > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
    LONG read = size;
    if (RegQueryValueA(key, kMasterListSubkey, buffer.data(), &read) == ERROR_SUCCESS) {
      text.assign(buffer.data());  // stops at the first NUL, also when the value has none
    }
  }
  RegCloseKey(key);
  return text;
}

}  // namespace yb
