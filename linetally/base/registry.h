#pragma once
// The registry access object: one current key under a root hive, opened by path with or
// without creating it; sub-key listing, tests, deletes, and typed values (strings, booleans
// as 4-byte 0/1, 8-byte binaries) read by fixed rules. Failures throw RegistryError with
// "Failed to get data for '%s'", "Invalid data type for '%s'" or "Failed to set data for '%s'".
// Implementations: MemoryRegistry (registry_memory.h) and Win32Registry (registry_win32.h).
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace lt {

// The program's own key under the current user.
inline constexpr const char* kProgramKey = "\\Software\\Corvane\\Linetally";

enum class RootKey { CurrentUser, LocalMachine };

// The platform's value type codes.
enum ValueType : uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
};

class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Binary8 = std::array<uint8_t, 8>;

class Registry {
 public:
  virtual ~Registry() = default;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // Closes the current key.
  void SetRootKey(RootKey root);
  RootKey GetRootKey() const { return root; }

  // A path starting with "\" is taken from the root; any other path from the current key
  // (from the root when none is open). On success the key becomes the current key; on
  // failure the current key stays as it was.
  bool OpenKey(const std::string& path, bool canCreate);
  void CloseKey();
  bool HasCurrentKey() const { return open; }
  const std::string& CurrentPath() const { return currentPath; }  // without leading "\"

  // Sub-key names of the current key (of the root when none is open), in the platform's order.
  std::vector<std::string> GetKeyNames();
  bool KeyExists(const std::string& path);
  // Deletes the key with everything below it; false when it could not be deleted.
  bool DeleteKey(const std::string& path);

  // Value operations work on the current key; with none open they fail.
  bool ValueExists(const std::string& name);
  bool DeleteValue(const std::string& name);

  // REG_SZ or REG_EXPAND_SZ, up to the first NUL; a missing value or empty text reads as "".
  std::string ReadString(const std::string& name);
  // REG_SZ, the characters without a terminating NUL.
  void WriteString(const std::string& name, const std::string& value);
  // A 4-byte REG_DWORD, true when non-zero.
  bool ReadBool(const std::string& name);
  void WriteBool(const std::string& name, bool value);  // DWORD 1 or 0
  // Exactly 8 bytes of REG_BINARY.
  Binary8 ReadBinary8(const std::string& name);
  void WriteBinary8(const std::string& name, const Binary8& value);

  // The times of day kept as 8-byte little-endian doubles.
  double ReadTime(const std::string& name);
  void WriteTime(const std::string& name, double fractionOfDay);

 protected:
  Registry() = default;

  enum class QueryStatus { Ok, Missing, TooLong, Refused };
  struct QueryResult {
    QueryStatus status = QueryStatus::Missing;
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;
  };

  // Platform primitives. Paths are full paths below the root, without leading "\".
  virtual bool PlatformOpen(RootKey root, const std::string& path, bool create) = 0;
  virtual void PlatformClose() = 0;
  virtual std::vector<std::string> PlatformSubKeys(RootKey root, const std::string& path) = 0;
  virtual bool PlatformKeyExists(RootKey root, const std::string& path) = 0;
  virtual bool PlatformDeleteTree(RootKey root, const std::string& path) = 0;
  // On the open key. maxBytes limits the data (0: no limit); more gives TooLong.
  virtual QueryResult PlatformQuery(const std::string& name, size_t maxBytes) = 0;
  virtual bool PlatformSet(const std::string& name, uint32_t type,
                           const std::vector<uint8_t>& data) = 0;
  virtual bool PlatformDeleteValue(const std::string& name) = 0;

 private:
  std::string Resolve(const std::string& path) const;
  QueryResult QueryFixed(const std::string& name, uint32_t type, size_t size);
  void Set(const std::string& name, uint32_t type, const std::vector<uint8_t>& data);

  RootKey root = RootKey::CurrentUser;
  bool open = false;
  std::string currentPath;
};

}  // namespace lt
