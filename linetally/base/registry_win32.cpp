#include "linetally/base/registry_win32.h"

#include <windows.h>

namespace lt {
namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_WRITE;

HKEY RootHandle(RootKey root) {
  return root == RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// Owns one opened key; the root handles are never closed.
class KeyHandle {
 public:
  KeyHandle() = default;
  explicit KeyHandle(HKEY key) : key(key) {}
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;
  ~KeyHandle() {
    if (key) RegCloseKey(key);
  }
  HKEY Get() const { return key; }
  HKEY* Out() { return &key; }

 private:
  HKEY key = nullptr;
};

std::vector<std::string> SubKeyNames(HKEY key) {
  std::vector<std::string> names;
  DWORD longest = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return names;
  std::string buffer(longest + 1, '\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(buffer.size());
    LONG rc = RegEnumKeyExA(key, index, buffer.data(), &length, nullptr, nullptr, nullptr,
                            nullptr);
    if (rc == ERROR_MORE_DATA) {  // a key added since the size was asked
      buffer.resize(buffer.size() * 2 + 256);
      --index;
      continue;
    }
    if (rc != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), length);
  }
  return names;
}

// The platform of our target has no tree delete: children first, then the key.
bool DeleteTree(HKEY parent, const std::string& path) {
  {
    KeyHandle key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, kAccess, key.Out()) != ERROR_SUCCESS)
      return false;
    for (const std::string& child : SubKeyNames(key.Get()))
      if (!DeleteTree(key.Get(), child)) return false;
  }
  return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace

struct Win32Registry::CurrentKey {
  KeyHandle handle;
};

Win32Registry::Win32Registry() = default;

Win32Registry::~Win32Registry() = default;

bool Win32Registry::PlatformOpen(RootKey root, const std::string& path, bool create) {
  auto opened = std::make_unique<CurrentKey>();
  LONG rc = RegOpenKeyExA(RootHandle(root), path.c_str(), 0, kAccess, opened->handle.Out());
  if (rc != ERROR_SUCCESS && create) {
    rc = RegCreateKeyExA(RootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         kAccess, nullptr, opened->handle.Out(), nullptr);
  }
  if (rc != ERROR_SUCCESS) return false;
  current = std::move(opened);
  return true;
}

void Win32Registry::PlatformClose() { current.reset(); }

std::vector<std::string> Win32Registry::PlatformSubKeys(RootKey root, const std::string& path) {
  if (path.empty()) return SubKeyNames(RootHandle(root));
  KeyHandle key;
  if (RegOpenKeyExA(RootHandle(root), path.c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS)
    return {};
  return SubKeyNames(key.Get());
}

bool Win32Registry::PlatformKeyExists(RootKey root, const std::string& path) {
  KeyHandle key;
  return RegOpenKeyExA(RootHandle(root), path.c_str(), 0, KEY_READ, key.Out()) == ERROR_SUCCESS;
}

bool Win32Registry::PlatformDeleteTree(RootKey root, const std::string& path) {
  return DeleteTree(RootHandle(root), path);
}

Registry::QueryResult Win32Registry::PlatformQuery(const std::string& name, size_t maxBytes) {
  QueryResult result;
  if (!current) {
    result.status = QueryStatus::Refused;
    return result;
  }
  DWORD type = 0, size = 0;
  LONG rc = RegQueryValueExA(current->handle.Get(), name.c_str(), nullptr, &type, nullptr, &size);
  if (rc == ERROR_FILE_NOT_FOUND) return result;  // Missing
  result.type = type;
  if (rc != ERROR_SUCCESS) {
    result.status = QueryStatus::Refused;
    return result;
  }
  if (maxBytes != 0 && size > maxBytes) {
    result.status = QueryStatus::TooLong;
    return result;
  }
  result.data.resize(size);
  rc = RegQueryValueExA(current->handle.Get(), name.c_str(), nullptr, &type,
                        result.data.empty() ? nullptr : result.data.data(), &size);
  if (rc != ERROR_SUCCESS) {
    result.status = rc == ERROR_MORE_DATA ? QueryStatus::TooLong : QueryStatus::Refused;
    result.data.clear();
    return result;
  }
  result.data.resize(size);
  result.type = type;
  result.status = QueryStatus::Ok;
  return result;
}

bool Win32Registry::PlatformSet(const std::string& name, uint32_t type,
                                const std::vector<uint8_t>& data) {
  if (!current) return false;
  // Wine takes a NUL lying right after string data into the value; a sentinel byte there
  // keeps the value to the data given.
  std::vector<uint8_t> buffer(data);
  buffer.push_back('.');
  return RegSetValueExA(current->handle.Get(), name.c_str(), 0, type, buffer.data(),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::PlatformDeleteValue(const std::string& name) {
  return current && RegDeleteValueA(current->handle.Get(), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace lt
