#pragma once
// The five application preferences as they live in the program's registry key: missing values
// get their defaults at start-up, then the state is read back.
#include <string>

#include "linetally/base/registry.h"

namespace lt {

inline constexpr const char* kDefaultCurrency = "\xA3";  // the pound sign of the ANSI code page

struct Preferences {
  bool startMinimised = false;   // checkStartMin
  bool startEvery = false;       // checkStartEvery
  bool confirmDeletes = true;    // checkConfirmDeletes
  bool extraInfo = false;        // checkExtraInfo
  std::string currency = kDefaultCurrency;  // editCurrency
};

// Writes the defaults of the values that do not exist, in their order, into the current key.
void WriteMissingPreferenceDefaults(Registry& registry);
// Reads all five from the current key; throws RegistryError on a wrong type or refused read.
Preferences ReadPreferences(Registry& registry);
// Writes all five, in their order.
void WritePreferences(Registry& registry, const Preferences& preferences);

}  // namespace lt
