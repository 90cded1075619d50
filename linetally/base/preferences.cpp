#include "linetally/base/preferences.h"

#include "linetally/base/stored_fields.h"

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

Preferences ReadPreferences(Registry& registry, const std::function<void(const std::string&)>& report) {
  Preferences p;
  FieldReader reader(registry);
  reader.Flag("checkStartEvery", "Every time you start Windows", p.startEvery);
  reader.Flag("checkConfirmDeletes", "Confirm deletes", p.confirmDeletes);
  reader.Text(kCurrency, "Currency symbol", p.currency);
  if (!reader.AllRead())
    report(reader.Message("The stored application preferences have",
                          "Their defaults are used until you confirm Application Preferences."));
  return p;
}

void WritePreferences(Registry& registry, const Preferences& wanted, Preferences& inForce) {
  for (const Flag& flag : kFlags) {
    registry.WriteBool(flag.name, wanted.*flag.field);
    inForce.*flag.field = wanted.*flag.field;
  }
  registry.WriteString(kCurrency, wanted.currency);
  inForce.currency = wanted.currency;
}

}  // namespace lt
