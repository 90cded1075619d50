#pragma once
// The telecom services in the registry: one sub-key of the program key per service, its
// values named after the dialog's controls. Reading and writing one service, and the load
// of the whole table behind the main window's DoRegistry.
#include <functional>
#include <string>

#include "linetally/base/registry.h"
#include "linetally/tariffs/telecom_service.h"

namespace lt {

// The load reads the days Sunday first, the dialog Monday first; the order decides only
// which missing value a failure names.
enum class DayReadOrder { SundayFirst, MondayFirst };

// Opens the service's key without creating it, reads every value, closes the key.
// Throws RegistryError (the value's failure) when a value does not read.
TelecomService ReadService(Registry& registry, const std::string& name, DayReadOrder order);

// Opens the service's key, creating it when missing, writes all its values, closes it.
void WriteService(Registry& registry, const std::string& name, const TelecomService& service);

// Replaces the table with every service key. A service that does not read is reported
// through reportError with the registry's text and left out; the others still load.
void LoadServiceTable(Registry& registry, ServiceTable& table,
                      const std::function<void(const std::string&)>& reportError);

}  // namespace lt
