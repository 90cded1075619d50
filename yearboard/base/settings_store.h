#pragma once
// The per-user settings store, addressed by application, section and key (names compare
// without regard to letter case), with an in-memory implementation for tests.
#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace yb {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Empty when there is no such setting (or it cannot be read as text).
  virtual std::optional<std::string> GetSetting(const std::string& application,
                                                const std::string& section,
                                                const std::string& key) = 0;
  virtual void SaveSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> GetSetting(const std::string& application,
                                        const std::string& section,
                                        const std::string& key) override;
  void SaveSetting(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& value) override;
  std::size_t Size() const { return values.size(); }

 private:
  using Key = std::tuple<std::string, std::string, std::string>;
  std::map<Key, std::string> values;
};

}  // namespace yb
