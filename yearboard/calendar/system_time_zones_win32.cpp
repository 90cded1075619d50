#include "yearboard/calendar/system_time_zones_win32.h"

#include <windows.h>

namespace yb {
namespace {

constexpr const char* kZonesKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// The registry's TZI value: the fields of TIME_ZONE_INFORMATION without the names.
#pragma pack(push, 4)
struct RegistryZone {
  LONG bias, standardBias, daylightBias;
  SYSTEMTIME standardDate, daylightDate;
};
#pragma pack(pop)

WindowsZoneDate DateOf(const SYSTEMTIME& t) {
  return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute};
}

std::shared_ptr<const TimeZone> ZoneOf(LONG bias, LONG standardBias, LONG daylightBias,
                                       const SYSTEMTIME& standardDate,
                                       const SYSTEMTIME& daylightDate) {
  WindowsZoneRule rule;
  rule.bias = bias;
  rule.standardBias = standardBias;
  rule.daylightBias = daylightBias;
  rule.standardDate = DateOf(standardDate);
  rule.daylightDate = DateOf(daylightDate);
  return std::make_shared<const TimeZone>(TimeZone::FromWindows(rule));
}

}  // namespace

std::shared_ptr<const TimeZone> SystemTimeZones::FindWindowsZone(const std::string& name) {
  const auto known = found.find(name);
  if (known != found.end()) return known->second;
  std::shared_ptr<const TimeZone> zone;
  const std::string path = std::string(kZonesKey) + "\\" + name;
  HKEY key = nullptr;
  // A name with a backslash would reach another key.
  if (!name.empty() && name.find('\\') == std::string::npos &&
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    RegistryZone record{};
    DWORD type = 0, size = sizeof record;
    if (RegQueryValueExA(key, "TZI", nullptr, &type, reinterpret_cast<BYTE*>(&record), &size) ==
            ERROR_SUCCESS &&
        type == REG_BINARY && size == sizeof record)
      zone = ZoneOf(record.bias, record.standardBias, record.daylightBias, record.standardDate,
                    record.daylightDate);
    RegCloseKey(key);
  }
  found.emplace(name, zone);
  return zone;
}

std::vector<std::pair<std::string, std::string>> SystemTimeZones::DisplayNames() {
  if (displayNames) return *displayNames;
  displayNames.emplace();
  HKEY zones = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kZonesKey, 0, KEY_ENUMERATE_SUB_KEYS, &zones) != ERROR_SUCCESS)
    return *displayNames;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = sizeof name;
    const LONG rc = RegEnumKeyExA(zones, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_MORE_DATA) continue;  // no zone has so long a name
    if (rc != ERROR_SUCCESS) break;
    HKEY zone = nullptr;
    if (RegOpenKeyExA(zones, name, 0, KEY_QUERY_VALUE, &zone) != ERROR_SUCCESS) continue;
    char display[256] = {};
    DWORD type = 0, size = sizeof display - 1;
    if (RegQueryValueExA(zone, "Display", nullptr, &type, reinterpret_cast<BYTE*>(display), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ)
      displayNames->emplace_back(display, name);
    RegCloseKey(zone);
  }
  RegCloseKey(zones);
  return *displayNames;
}

std::shared_ptr<const TimeZone> SystemTimeZones::LocalZone() {
  if (!local) {
    TIME_ZONE_INFORMATION info{};
    GetTimeZoneInformation(&info);
    local = ZoneOf(info.Bias, info.StandardBias, info.DaylightBias, info.StandardDate,
                   info.DaylightDate);
  }
  return local;
}

}  // namespace yb
