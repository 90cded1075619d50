#pragma once
// The "Linetally" entry that starts the program at log-on. It is kept in the user's own Run
// key, which every Windows reads at log-on and a standard user may write; the machine-wide
// one needs administrator rights. Unticking removes it from both, where the program may.
#include <string>

#include "linetally/base/registry.h"

namespace lt {

inline constexpr const char* kUserRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kMachineRunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kStartupValue = "Linetally";

// Writes `exePath` to the user's entry, or removes the entry. A refused write or removal of the
// user's entry throws RegistryError ("Failed to set data for 'Linetally'"); the machine-wide
// removal is skipped where it is refused. The object is back on the user's hive afterwards,
// failure included.
void UpdateStartupEntry(Registry& registry, bool startWithWindows, const std::string& exePath);

}  // namespace lt
