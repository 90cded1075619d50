#include "yearboard/base/settings_store.h"

#include "yearboard/base/text_case.h"

namespace yb {

std::optional<std::string> SettingsStore::GetSetting(const std::string& application, const std::string& section,
                                                     const std::string& key) {
  StoredSetting setting = ReadSetting(application, section, key);
  if (setting.state != StoredSetting::State::Text) return std::nullopt;
  return std::move(setting.text);
}

MemorySettingsStore::Key MemorySettingsStore::KeyOf(const std::string& application, const std::string& section,
                                                    const std::string& key) const {
  const TextCase& textCase = AsciiCase();
  return {textCase.Fold(application), textCase.Fold(section), textCase.Fold(key)};
}

StoredSetting MemorySettingsStore::ReadSetting(const std::string& application, const std::string& section,
                                               const std::string& key) {
  const auto found = values.find(KeyOf(application, section, key));
  return found == values.end() ? StoredSetting{} : found->second;
}

void MemorySettingsStore::SaveSetting(const std::string& application, const std::string& section,
                                      const std::string& key, const std::string& value) {
  values[KeyOf(application, section, key)] = {StoredSetting::State::Text, value};
}

void MemorySettingsStore::SaveUnreadable(const std::string& application, const std::string& section,
                                         const std::string& key) {
  values[KeyOf(application, section, key)] = {StoredSetting::State::Unreadable, ""};
}

}  // namespace yb
