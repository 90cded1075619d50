#include "linetally/base/preferences.h"

namespace lt {
namespace {

struct Flag {
  const char* name;
  bool Preferences::*field;
};
constexpr Flag kFlags[] = {{"checkStartMin", &Preferences::startMinimised},
                           {"checkStartEvery", &Preferences::startEvery},
                           {"checkConfirmDeletes", &Preferences::confirmDeletes},
                           {"checkExtraInfo", &Preferences::extraInfo}};
constexpr const char* kCurrency = "editCurrency";

}  // namespace

void WriteMissingPreferenceDefaults(Registry& registry) {
  const Preferences defaults;
  for (const Flag& flag : kFlags)
    if (!registry.ValueExists(flag.name)) registry.WriteBool(flag.name, defaults.*flag.field);
  if (!registry.ValueExists(kCurrency)) registry.WriteString(kCurrency, defaults.currency);
}

Preferences ReadPreferences(Registry& registry) {
  Preferences p;
  for (const Flag& flag : kFlags) p.*flag.field = registry.ReadBool(flag.name);
  p.currency = registry.ReadString(kCurrency);
  return p;
}

void WritePreferences(Registry& registry, const Preferences& preferences) {
  for (const Flag& flag : kFlags) registry.WriteBool(flag.name, preferences.*flag.field);
  registry.WriteString(kCurrency, preferences.currency);
}

}  // namespace lt
