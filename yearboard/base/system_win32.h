#pragma once
// Win32 adapters of the base services: the user's regional formats, letter case of the
// system's code page, and the settings store in the registry under
// HKCU\Software\<application>\<section>, one string value per key.
#include "yearboard/base/formats.h"
#include "yearboard/base/settings_store.h"
#include "yearboard/base/text_case.h"

namespace yb {

Formats ReadSystemFormats();  // GetLocaleInfoA of the user's default locale

// CharUpperBuffA: the case mapping of the ANSI code page.
class SystemTextCase : public TextCase {
 public:
  std::string Fold(const std::string& text) const override;
};

// UTF-8 text (as calendar files hold it) in the ANSI code page; text that is not UTF-8 is
// taken to be in that code page already and comes back as it is.
std::string AnsiFromUtf8(const std::string& text);

class RegistrySettingsStore : public SettingsStore {
 public:
  // A value of another type than a string, or one the system refuses, reads as unreadable.
  StoredSetting ReadSetting(const std::string& application, const std::string& section,
                            const std::string& key) override;
  // Throws std::runtime_error when the key cannot be created or the value written.
  void SaveSetting(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& value) override;
};

}  // namespace yb
