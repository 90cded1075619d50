// The registry suite on advapi32, on a scratch key of the test prefix's HKEY_CURRENT_USER.
#include <windows.h>

#include "linetally/base/registry_win32.h"
#include "tests/linetally/base/test_registry_suite.h"

namespace lt::testing {
namespace {

constexpr const char* kScratchRoot = "Software\\LinetallyTests";

class Win32Env : public RegistryEnv {
 public:
  ~Win32Env() override { RegistryDeleteScratch(); }
  Registry& Object() override { return registry; }
  std::string Scratch() override {
    RegistryDeleteScratch();
    HKEY key;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    return Path();
  }
  void SetRaw(const std::string& path, const std::string& name, uint32_t type,
              std::vector<uint8_t> data) override {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    BYTE none = 0;
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, data.empty() ? &none : data.data(),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  std::optional<RawValue> GetRaw(const std::string& path, const std::string& name) override {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      return std::nullopt;
    DWORD type = 0, size = 1024;
    std::vector<uint8_t> data(size);
    LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return std::nullopt;
    data.resize(size);
    if (type == REG_SZ || type == REG_EXPAND_SZ) data = StoredText(path, name);
    return RawValue{type, data};
  }

 private:
  static std::string Path() { return std::string(kScratchRoot) + "\\Scratch"; }
  // The registry keeps strings as UTF-16: their stored characters, NULs included, as ANSI.
  static std::vector<uint8_t> StoredText(const std::string& path, const std::string& name) {
    HKEY key;
    RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    std::wstring wideName(name.begin(), name.end());
    std::vector<wchar_t> text(512);
    DWORD size = DWORD(text.size() * sizeof(wchar_t));
    RegQueryValueExW(key, wideName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()),
                     &size);
    RegCloseKey(key);
    std::vector<uint8_t> bytes(size / 2 * 2 + 1);
    int length = WideCharToMultiByte(CP_ACP, 0, text.data(), int(size / 2),
                                     reinterpret_cast<char*>(bytes.data()), int(bytes.size()),
                                     nullptr, nullptr);
    bytes.resize(size_t(length));
    return bytes;
  }
  void RegistryDeleteScratch() {
    registry.CloseKey();
    registry.DeleteKey(std::string("\\") + kScratchRoot);
  }
  Win32Registry registry;
};

INSTANTIATE_TEST_SUITE_P(Win32, RegistrySuite,
                         ::testing::Values(RegistryImpl{
                             "Win32", [] { return std::make_unique<Win32Env>(); }}),
                         ImplName);

}  // namespace
}  // namespace lt::testing
