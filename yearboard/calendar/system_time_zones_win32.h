#pragma once
// The system's time zones: the records of the "Time Zones" key of Windows NT's current version
// (HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion) by their key names, their "Display"
// texts, and the machine's own zone from GetTimeZoneInformation. All are read once and kept.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "yearboard/calendar/time_zone.h"

namespace yb {

class SystemTimeZones : public TimeZoneSystem {
 public:
  std::shared_ptr<const TimeZone> FindWindowsZone(const std::string& name) override;
  std::vector<std::pair<std::string, std::string>> DisplayNames() override;
  std::shared_ptr<const TimeZone> LocalZone() override;

 private:
  std::map<std::string, std::shared_ptr<const TimeZone>> found;
  std::optional<std::vector<std::pair<std::string, std::string>>> displayNames;
  std::shared_ptr<const TimeZone> local;
};

}  // namespace yb
