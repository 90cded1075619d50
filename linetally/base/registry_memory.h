#pragma once
// In-memory hives for tests: keys with case-insensitive names kept in the letter case they
// were created with, values with their type and raw bytes. Several MemoryRegistry objects may
// share one MemoryHives, as several programs share one registry.
#include <memory>
#include <optional>

#include "linetally/base/registry.h"

namespace lt {

class MemoryHives {
 public:
  struct Value {
    std::string name;
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;
  };
  struct Key {
    std::string name;
    std::vector<std::unique_ptr<Key>> subKeys;  // sorted by name, ignoring case
    std::vector<Value> values;                  // in the order they were first set
  };

  // Paths are below the root, "\"-separated, without leading "\".
  Key* Find(RootKey root, const std::string& path);
  Key* Create(RootKey root, const std::string& path);
  bool Delete(RootKey root, const std::string& path);

  // Raw access for tests; SetRaw creates the key when needed.
  void SetRaw(RootKey root, const std::string& path, const std::string& name, uint32_t type,
              std::vector<uint8_t> data);
  std::optional<Value> GetRaw(RootKey root, const std::string& path, const std::string& name);

  // A read-only hive refuses every change, as a machine-wide hive does without the right.
  void SetReadOnly(RootKey root, bool readOnly);
  bool IsReadOnly(RootKey root) const;

  static Value* FindValue(Key& key, const std::string& name);

 private:
  Key& Hive(RootKey root) { return root == RootKey::CurrentUser ? currentUser : localMachine; }

  Key currentUser, localMachine;
  bool currentUserReadOnly = false, localMachineReadOnly = false;
};

class MemoryRegistry : public Registry {
 public:
  explicit MemoryRegistry(std::shared_ptr<MemoryHives> hives);
  ~MemoryRegistry() override;
  MemoryHives& Hives() { return *hives; }

 protected:
  bool PlatformOpen(RootKey root, const std::string& path, bool create) override;
  void PlatformClose() override;
  std::vector<std::string> PlatformSubKeys(RootKey root, const std::string& path) override;
  bool PlatformKeyExists(RootKey root, const std::string& path) override;
  bool PlatformDeleteTree(RootKey root, const std::string& path) override;
  QueryResult PlatformQuery(const std::string& name, size_t maxBytes) override;
  bool PlatformSet(const std::string& name, uint32_t type,
                   const std::vector<uint8_t>& data) override;
  bool PlatformDeleteValue(const std::string& name) override;

 private:
  // The open key looked up afresh: another object may have deleted it meanwhile.
  MemoryHives::Key* OpenKeyNode();

  std::shared_ptr<MemoryHives> hives;
  RootKey openRoot = RootKey::CurrentUser;
  std::optional<std::string> openPath;
};

}  // namespace lt
