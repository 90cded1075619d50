#pragma once
// The system's zones for tests: New York and central Europe with their Windows rules and
// display texts, the machine's own zone chosen by the test (central Europe unless told).
#include <map>

#include "yearboard/calendar/time_zone.h"

namespace yb {

inline WindowsZoneRule NewYorkRule() {
  WindowsZoneRule r;
  r.bias = 300;
  r.daylightBias = -60;
  r.standardDate = {0, 11, 0, 1, 2, 0};  // first Sunday of November, 02:00
  r.daylightDate = {0, 3, 0, 2, 2, 0};   // second Sunday of March, 02:00
  return r;
}

inline WindowsZoneRule CentralEuropeRule() {
  WindowsZoneRule r;
  r.bias = -60;
  r.daylightBias = -60;
  r.standardDate = {0, 10, 0, 5, 3, 0};  // last Sunday of October, 03:00
  r.daylightDate = {0, 3, 0, 5, 2, 0};   // last Sunday of March, 02:00
  return r;
}

class FixedZones : public TimeZoneSystem {
 public:
  explicit FixedZones(const WindowsZoneRule& local = CentralEuropeRule())
      : local(std::make_shared<const TimeZone>(TimeZone::FromWindows(local))) {
    zones["Eastern Standard Time"] = std::make_shared<const TimeZone>(TimeZone::FromWindows(NewYorkRule()));
    zones["W. Europe Standard Time"] =
        std::make_shared<const TimeZone>(TimeZone::FromWindows(CentralEuropeRule()));
  }
  std::shared_ptr<const TimeZone> FindWindowsZone(const std::string& name) override {
    const auto found = zones.find(name);
    return found == zones.end() ? nullptr : found->second;
  }
  std::vector<std::pair<std::string, std::string>> DisplayNames() override {
    return {{"(UTC-05:00) Eastern Time (US & Canada)", "Eastern Standard Time"},
            {"(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna", "W. Europe Standard Time"}};
  }
  std::shared_ptr<const TimeZone> LocalZone() override { return local; }

 private:
  std::map<std::string, std::shared_ptr<const TimeZone>> zones;
  std::shared_ptr<const TimeZone> local;
};

}  // namespace yb
