#pragma once
// The telecom services as the cost step reads them: one entry per service key, amounts kept
// as the texts typed (converted at every use), weekdays as the digits of Days, and the daily
// window as fractions of a day.
#include <cstdint>
#include <string>
#include <vector>

namespace lt {

struct TelecomService {
  std::string Name;
  std::string Cost;
  bool MinChargeOn = false;
  std::string MinCharge;
  bool ConnChargeOn = false;
  std::string ConnCharge;
  bool DiscountOn = false;
  std::string Discount;
  bool Sun = false, Mon = false, Tue = false, Wed = false, Thu = false, Fri = false, Sat = false;
  std::string Days;  // "1" Sunday .. "7" Saturday, ascending
  double After = 0;  // the window opens
  double Before = 0;  // the window closes
};

// "1" for Sunday to "7" for Saturday, for each day flag set, in ascending order.
std::string BuildDays(const TelecomService& service);

// The loaded services, numbered 1 to ServiceCount() in the order the registry listed them.
class ServiceTable {
 public:
  size_t ServiceCount() const { return services.size(); }
  const TelecomService& Service(size_t number) const { return services[number - 1]; }
  void Clear() { services.clear(); }
  void Add(TelecomService service) { services.push_back(std::move(service)); }

 private:
  std::vector<TelecomService> services;
};

}  // namespace lt
