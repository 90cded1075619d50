#include "yearboard/base/settings_store.h"

namespace yb {

std::string FoldCase(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::optional<std::string> MemorySettingsStore::GetSetting(const std::string& application,
                                                           const std::string& section,
                                                           const std::string& key) {
  const auto found = values.find({FoldCase(application), FoldCase(section), FoldCase(key)});
  if (found == values.end()) return std::nullopt;
  return found->second;
}

void MemorySettingsStore::SaveSetting(const std::string& application,
                                      const std::string& section, const std::string& key,
                                      const std::string& value) {
  values[{FoldCase(application), FoldCase(section), FoldCase(key)}] = value;
}

}  // namespace yb
