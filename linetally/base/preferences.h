#pragma once
// The five application preferences as they live in the program's registry key: missing values
// get their defaults at start-up, then the state is read back.
#include <functional>
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
// The start-up read from the current key: start with Windows, confirm deletes and the symbol.
// Start minimised and the connection note stay off, unread. A value that does not read keeps
// its default, unwritten; those are named to `report` in one message.
Preferences ReadPreferences(Registry& registry, const std::function<void(const std::string&)>& report);
// Writes all five in their order. Each takes effect in `inForce` once it is written, so a
// refused write (RegistryError) leaves it and the ones after it as they were.
void WritePreferences(Registry& registry, const Preferences& wanted, Preferences& inForce);

}  // namespace lt
