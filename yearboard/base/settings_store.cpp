#include "yearboard/base/settings_store.h"

#include "yearboard/base/text_case.h"

namespace yb {

namespace {
std::string FoldCase(const std::string& text) { return AsciiCase().Fold(text); }
}  // namespace

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
