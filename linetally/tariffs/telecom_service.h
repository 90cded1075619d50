#pragma once
// The telecom services as the cost step reads them: one entry per service key, amounts kept
// as the texts typed (converted at every use), weekdays as the digits of Days, the daily
// window as fractions of a day, and the connections the service is for.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "linetally/tariffs/connection_names.h"

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
  std::string Connections;  // "" for every connection, else entry names separated by ";"
};

// "1" for Sunday to "7" for Saturday, for each day flag set, in ascending order.
std::string BuildDays(const TelecomService& service);

// The loaded services, numbered 1 to ServiceCount() in the order the registry listed them.
// Each keeps its connection names as keys, so the cost step compares without splitting.
class ServiceTable {
 public:
  size_t ServiceCount() const { return services.size(); }
  const TelecomService& Service(size_t number) const { return services[number - 1]; }
  // Whether service `number` is for the connection whose ConnectionKey is `connection`.
  bool AppliesTo(size_t number, const std::string& connection) const {
    const std::vector<std::string>& keys = connectionKeys[number - 1];
    return keys.empty() || std::find(keys.begin(), keys.end(), connection) != keys.end();
  }
  void Clear() {
    services.clear();
    connectionKeys.clear();
  }
  void Add(TelecomService service) {
    connectionKeys.push_back(ConnectionKeys(service.Connections));
    services.push_back(std::move(service));
  }

 private:
  std::vector<TelecomService> services;
  std::vector<std::vector<std::string>> connectionKeys;  // empty: every connection
};

}  // namespace lt
