#include "linetally/base/startup_entry.h"

namespace lt {
namespace {

void UpdateUserEntry(Registry& registry, bool startWithWindows, const std::string& exePath) {
  if (!registry.OpenKey(kUserRunKey, true)) registry.CloseKey();  // the write below then fails
  if (startWithWindows) {
    registry.WriteString(kStartupValue, exePath);
  } else if (registry.ValueExists(kStartupValue) && !registry.DeleteValue(kStartupValue)) {
    throw RegistryError(std::string("Failed to set data for '") + kStartupValue + "'");
  }
}

// Left by earlier versions, or by an administrator; a standard user may not remove it.
void RemoveMachineEntry(Registry& registry) {
  registry.SetRootKey(RootKey::LocalMachine);
  if (registry.OpenKey(kMachineRunKey, false) && registry.ValueExists(kStartupValue))
    registry.DeleteValue(kStartupValue);
}

}  // namespace

void UpdateStartupEntry(Registry& registry, bool startWithWindows, const std::string& exePath) {
  registry.SetRootKey(RootKey::CurrentUser);
  try {
    UpdateUserEntry(registry, startWithWindows, exePath);
    if (!startWithWindows) RemoveMachineEntry(registry);
  } catch (...) {
    registry.SetRootKey(RootKey::CurrentUser);
    throw;
  }
  registry.SetRootKey(RootKey::CurrentUser);
}

}  // namespace lt
