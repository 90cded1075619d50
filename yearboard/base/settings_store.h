#pragma once
// The per-user settings store, addressed by application, section and key (names compare
// without regard to letter case), with an in-memory implementation for tests. A setting that
// is there but is no text (a hand edit, another program's value) reads as unreadable, so that
// the caller can name it and leave it alone rather than take it for a missing one.
#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace yb {

struct StoredSetting {
  enum class State { Missing, Text, Unreadable };
  State state = State::Missing;
  std::string text;  // when State::Text
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual StoredSetting ReadSetting(const std::string& application, const std::string& section,
                                    const std::string& key) = 0;
  // The text; empty when there is no such setting or it does not read.
  std::optional<std::string> GetSetting(const std::string& application, const std::string& section,
                                        const std::string& key);
  virtual void SaveSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
 public:
  StoredSetting ReadSetting(const std::string& application, const std::string& section,
                            const std::string& key) override;
  void SaveSetting(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& value) override;
  // A value of another type, as a hand edit may leave one.
  void SaveUnreadable(const std::string& application, const std::string& section, const std::string& key);
  std::size_t Size() const { return values.size(); }

 private:
  using Key = std::tuple<std::string, std::string, std::string>;
  Key KeyOf(const std::string& application, const std::string& section, const std::string& key) const;
  std::map<Key, StoredSetting> values;
};

}  // namespace yb
