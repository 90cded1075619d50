#pragma once
// The registry access object over advapi32 (the ANSI functions).
#include <memory>

#include "linetally/base/registry.h"

namespace lt {

class Win32Registry : public Registry {
 public:
  Win32Registry();
  ~Win32Registry() override;

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
  struct CurrentKey;
  std::unique_ptr<CurrentKey> current;
};

}  // namespace lt
