#pragma once
// The telecom services in the registry: one sub-key of the program key per service, its
// values named after the dialog's controls. Reading one service field by field (a value that
// does not read leaves its field empty and is named), writing one whole, and the load of the
// table behind the main window's DoRegistry.
#include <functional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "linetally/base/registry.h"
#include "linetally/tariffs/telecom_service.h"

namespace lt {

// The field a stored value fills; its type gives the value's kind: text, flag or time.
using ServiceMember =
    std::variant<std::string TelecomService::*, bool TelecomService::*, double TelecomService::*>;

// One value of a service key: its registry name, the field as the dialog names it, its member.
struct ServiceField {
  const char* value;
  const char* label;
  ServiceMember member;
};

// A service as its key holds it: the fields that read, and those that did not.
struct StoredService {
  TelecomService service;  // a field that did not read stays empty, off or 00:00
  std::vector<ServiceMember> unreadable;
  std::vector<std::string> labels;  // of the fields that did not read, each once

  bool Reads() const { return unreadable.empty(); }
  bool Unreadable(const ServiceMember& member) const;
};

// Opens the service's key without creating it, reads every value, closes the key. Never
// throws: a key that is gone reads as one whose values are all missing.
StoredService ReadService(Registry& registry, const std::string& name);

// Opens the service's key, creating it when missing, writes all its values, closes it.
void WriteService(Registry& registry, const std::string& name, const TelecomService& service);

// "The stored service 'X' has unreadable values: A, B. " followed by `advice`.
std::string UnreadableServiceMessage(const StoredService& stored, const std::string& advice);

// Replaces the table with every service that reads. One that does not is left out and told
// through `report`, but only the first time its name is met: `reported` keeps the names.
void LoadServiceTable(Registry& registry, ServiceTable& table, std::set<std::string>& reported,
                      const std::function<void(const std::string&)>& report);

}  // namespace lt
