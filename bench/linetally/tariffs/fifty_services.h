#pragma once
// 50 services, only the last of which applies at noon, the others failing on their time window
// (so their bounds are read). Restricted, every service is for three connections, "Office link"
// named last, so the cost step compares every name before it reads a bound.
#include <string>

#include "linetally/tariffs/telecom_service.h"

namespace lt {

inline ServiceTable FiftyServices(bool restricted = false) {
  ServiceTable table;
  for (int i = 1; i <= 50; ++i) {
    TelecomService s;
    s.Name = "Service " + std::to_string(i);
    if (restricted) s.Connections = "Home dial;Mobile " + std::to_string(i) + ";Office link";
    s.Cost = "0.0395";
    s.Days = "1234567";
    if (i < 50) {
      s.After = 1.0 / 24;
      s.Before = 2.0 / 24;
    } else {
      s.MinChargeOn = s.ConnChargeOn = s.DiscountOn = true;
      s.MinCharge = "0.10";
      s.ConnCharge = "0.05";
      s.Discount = "10";
    }
    table.Add(s);
  }
  return table;
}

}  // namespace lt
