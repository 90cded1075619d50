#include "linetally/tariffs/service_store.h"

#include <algorithm>

#include "linetally/base/stored_fields.h"

namespace lt {
namespace {

using S = TelecomService;

// In the order the dialog shows and writes them.
const ServiceField kServiceFields[] = {
    {"editCost", "Cost per minute", &S::Cost},
    {"checkMinCharge", "Minimum call charge", &S::MinChargeOn},
    {"editMinCharge", "Minimum call charge", &S::MinCharge},
    {"checkDiscount", "Apply discount to calls", &S::DiscountOn},
    {"editDiscount", "Apply discount to calls", &S::Discount},
    {"checkConnCharge", "Connection charge", &S::ConnChargeOn},
    {"editConnCharge", "Connection charge", &S::ConnCharge},
    {"checkMon", "Mon", &S::Mon},
    {"checkTue", "Tue", &S::Tue},
    {"checkWed", "Wed", &S::Wed},
    {"checkThu", "Thu", &S::Thu},
    {"checkFri", "Fri", &S::Fri},
    {"checkSat", "Sat", &S::Sat},
    {"checkSun", "Sun", &S::Sun},
    {"editAfter", "Valid after", &S::After},
    {"editBefore", "Valid before", &S::Before},
    {"editConnections", "Connections", &S::Connections},  // missing: every connection
};

std::string ServicePath(const std::string& name) { return std::string(kProgramKey) + "\\" + name; }

// Closes the registry's current key however the reading or writing ends.
class KeyCloser {
 public:
  explicit KeyCloser(Registry& registry) : registry(registry) {}
  ~KeyCloser() { registry.CloseKey(); }
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;

 private:
  Registry& registry;
};

struct ReadInto {
  FieldReader& reader;
  const ServiceField& field;
  S& service;
  bool operator()(std::string S::*member) const { return reader.Text(field.value, field.label, service.*member); }
  bool operator()(bool S::*member) const { return reader.Flag(field.value, field.label, service.*member); }
  bool operator()(double S::*member) const { return reader.Time(field.value, field.label, service.*member); }
};

struct WriteFrom {
  Registry& registry;
  const char* value;
  const S& service;
  void operator()(std::string S::*member) const { registry.WriteString(value, service.*member); }
  void operator()(bool S::*member) const { registry.WriteBool(value, service.*member); }
  void operator()(double S::*member) const { registry.WriteTime(value, service.*member); }
};

}  // namespace

std::string BuildDays(const TelecomService& s) {
  std::string days;
  const bool flags[] = {s.Sun, s.Mon, s.Tue, s.Wed, s.Thu, s.Fri, s.Sat};
  for (int day = 0; day < 7; ++day)
    if (flags[day]) days += static_cast<char>('1' + day);
  return days;
}

bool StoredService::Unreadable(const ServiceMember& member) const {
  return std::find(unreadable.begin(), unreadable.end(), member) != unreadable.end();
}

StoredService ReadService(Registry& registry, const std::string& name) {
  StoredService stored;
  stored.service.Name = name;
  // With the key gone no key is open, and every value reads as missing.
  if (!registry.OpenKey(ServicePath(name), false)) registry.CloseKey();
  KeyCloser closer(registry);
  FieldReader reader(registry);
  for (const ServiceField& field : kServiceFields)
    if (!std::visit(ReadInto{reader, field, stored.service}, field.member))
      stored.unreadable.push_back(field.member);
  stored.service.Days = BuildDays(stored.service);
  stored.labels = reader.Labels();
  return stored;
}

void WriteService(Registry& registry, const std::string& name, const TelecomService& s) {
  if (!registry.OpenKey(ServicePath(name), true)) registry.CloseKey();  // the first write fails
  KeyCloser closer(registry);
  for (const ServiceField& field : kServiceFields) std::visit(WriteFrom{registry, field.value, s}, field.member);
}

std::string UnreadableServiceMessage(const StoredService& stored, const std::string& advice) {
  return UnreadableValuesMessage("The stored service '" + stored.service.Name + "' has", stored.labels, advice);
}

void LoadServiceTable(Registry& registry, ServiceTable& table, std::set<std::string>& reported,
                      const std::function<void(const std::string&)>& report) {
  table.Clear();
  std::vector<std::string> names;
  if (registry.OpenKey(kProgramKey, false)) names = registry.GetKeyNames();
  registry.CloseKey();
  for (const std::string& name : names) {
    StoredService stored = ReadService(registry, name);
    if (stored.Reads())
      table.Add(std::move(stored.service));
    else if (reported.insert(name).second)
      report(UnreadableServiceMessage(stored, "Calls are not priced by it until it is repaired in Telecom Preferences."));
  }
}

}  // namespace lt
