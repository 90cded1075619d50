#include "linetally/tariffs/service_store.h"

namespace lt {
namespace {

std::string ServicePath(const std::string& name) { return std::string(kProgramKey) + "\\" + name; }

// Closes the registry's current key however the reading ends.
class KeyCloser {
 public:
  explicit KeyCloser(Registry& registry) : registry(registry) {}
  ~KeyCloser() { registry.CloseKey(); }
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;

 private:
  Registry& registry;
};

void ReadDays(Registry& registry, TelecomService& s, DayReadOrder order) {
  if (order == DayReadOrder::SundayFirst) s.Sun = registry.ReadBool("checkSun");
  s.Mon = registry.ReadBool("checkMon");
  s.Tue = registry.ReadBool("checkTue");
  s.Wed = registry.ReadBool("checkWed");
  s.Thu = registry.ReadBool("checkThu");
  s.Fri = registry.ReadBool("checkFri");
  s.Sat = registry.ReadBool("checkSat");
  if (order == DayReadOrder::MondayFirst) s.Sun = registry.ReadBool("checkSun");
}

}  // namespace

std::string BuildDays(const TelecomService& s) {
  std::string days;
  const bool flags[] = {s.Sun, s.Mon, s.Tue, s.Wed, s.Thu, s.Fri, s.Sat};
  for (int day = 0; day < 7; ++day)
    if (flags[day]) days += static_cast<char>('1' + day);
  return days;
}

TelecomService ReadService(Registry& registry, const std::string& name, DayReadOrder order) {
  TelecomService s;
  s.Name = name;
  // With the key gone no key is open, and the first read fails naming its value.
  if (!registry.OpenKey(ServicePath(name), false)) registry.CloseKey();
  KeyCloser closer(registry);
  s.Cost = registry.ReadString("editCost");
  s.MinChargeOn = registry.ReadBool("checkMinCharge");
  s.MinCharge = registry.ReadString("editMinCharge");
  s.DiscountOn = registry.ReadBool("checkDiscount");
  s.Discount = registry.ReadString("editDiscount");
  s.ConnChargeOn = registry.ReadBool("checkConnCharge");
  s.ConnCharge = registry.ReadString("editConnCharge");
  ReadDays(registry, s, order);
  s.Days = BuildDays(s);
  s.After = registry.ReadTime("editAfter");
  s.Before = registry.ReadTime("editBefore");
  s.Connections = registry.ReadString("editConnections");  // missing: every connection
  return s;
}

void WriteService(Registry& registry, const std::string& name, const TelecomService& s) {
  if (!registry.OpenKey(ServicePath(name), true)) registry.CloseKey();  // the first write fails
  KeyCloser closer(registry);
  registry.WriteString("editCost", s.Cost);
  registry.WriteBool("checkMinCharge", s.MinChargeOn);
  registry.WriteString("editMinCharge", s.MinCharge);
  registry.WriteBool("checkDiscount", s.DiscountOn);
  registry.WriteString("editDiscount", s.Discount);
  registry.WriteBool("checkConnCharge", s.ConnChargeOn);
  registry.WriteString("editConnCharge", s.ConnCharge);
  registry.WriteBool("checkMon", s.Mon);
  registry.WriteBool("checkTue", s.Tue);
  registry.WriteBool("checkWed", s.Wed);
  registry.WriteBool("checkThu", s.Thu);
  registry.WriteBool("checkFri", s.Fri);
  registry.WriteBool("checkSat", s.Sat);
  registry.WriteBool("checkSun", s.Sun);
  registry.WriteTime("editAfter", s.After);
  registry.WriteTime("editBefore", s.Before);
  registry.WriteString("editConnections", s.Connections);
}

void LoadServiceTable(Registry& registry, ServiceTable& table,
                      const std::function<void(const std::string&)>& reportError) {
  table.Clear();
  std::vector<std::string> names;
  if (registry.OpenKey(kProgramKey, false)) names = registry.GetKeyNames();
  registry.CloseKey();
  for (const std::string& name : names) {
    try {
      table.Add(ReadService(registry, name, DayReadOrder::SundayFirst));
    } catch (const RegistryError& error) {
      reportError(error.what());
    }
  }
}

}  // namespace lt
