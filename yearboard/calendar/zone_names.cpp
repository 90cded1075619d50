// The common IANA zone names and the Windows zones that keep the same rules.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "yearboard/calendar/time_zone.h"

namespace yb {
namespace {

struct ZoneName {
  const char* iana;
  const char* windows;
};

// Sorted by IANA name for the search.
constexpr ZoneName kZones[] = {
    {"Africa/Cairo", "Egypt Standard Time"},
    {"Africa/Casablanca", "Morocco Standard Time"},
    {"Africa/Johannesburg", "South Africa Standard Time"},
    {"Africa/Lagos", "W. Central Africa Standard Time"},
    {"Africa/Nairobi", "E. Africa Standard Time"},
    {"America/Anchorage", "Alaskan Standard Time"},
    {"America/Argentina/Buenos_Aires", "Argentina Standard Time"},
    {"America/Bogota", "SA Pacific Standard Time"},
    {"America/Buenos_Aires", "Argentina Standard Time"},
    {"America/Caracas", "Venezuela Standard Time"},
    {"America/Chicago", "Central Standard Time"},
    {"America/Denver", "Mountain Standard Time"},
    {"America/Edmonton", "Mountain Standard Time"},
    {"America/Halifax", "Atlantic Standard Time"},
    {"America/Lima", "SA Pacific Standard Time"},
    {"America/Los_Angeles", "Pacific Standard Time"},
    {"America/Mexico_City", "Central Standard Time (Mexico)"},
    {"America/New_York", "Eastern Standard Time"},
    {"America/Phoenix", "US Mountain Standard Time"},
    {"America/Santiago", "Pacific SA Standard Time"},
    {"America/Sao_Paulo", "E. South America Standard Time"},
    {"America/St_Johns", "Newfoundland Standard Time"},
    {"America/Toronto", "Eastern Standard Time"},
    {"America/Vancouver", "Pacific Standard Time"},
    {"America/Winnipeg", "Central Standard Time"},
    {"Asia/Bangkok", "SE Asia Standard Time"},
    {"Asia/Calcutta", "India Standard Time"},
    {"Asia/Dhaka", "Bangladesh Standard Time"},
    {"Asia/Dubai", "Arabian Standard Time"},
    {"Asia/Hong_Kong", "China Standard Time"},
    {"Asia/Jakarta", "SE Asia Standard Time"},
    {"Asia/Jerusalem", "Israel Standard Time"},
    {"Asia/Karachi", "Pakistan Standard Time"},
    {"Asia/Kathmandu", "Nepal Standard Time"},
    {"Asia/Kolkata", "India Standard Time"},
    {"Asia/Manila", "Singapore Standard Time"},
    {"Asia/Riyadh", "Arab Standard Time"},
    {"Asia/Seoul", "Korea Standard Time"},
    {"Asia/Shanghai", "China Standard Time"},
    {"Asia/Singapore", "Singapore Standard Time"},
    {"Asia/Taipei", "Taipei Standard Time"},
    {"Asia/Tehran", "Iran Standard Time"},
    {"Asia/Tokyo", "Tokyo Standard Time"},
    {"Atlantic/Azores", "Azores Standard Time"},
    {"Atlantic/Reykjavik", "Greenwich Standard Time"},
    {"Australia/Adelaide", "Cen. Australia Standard Time"},
    {"Australia/Brisbane", "E. Australia Standard Time"},
    {"Australia/Darwin", "AUS Central Standard Time"},
    {"Australia/Hobart", "Tasmania Standard Time"},
    {"Australia/Melbourne", "AUS Eastern Standard Time"},
    {"Australia/Perth", "W. Australia Standard Time"},
    {"Australia/Sydney", "AUS Eastern Standard Time"},
    {"Etc/GMT", "UTC"},
    {"Etc/UTC", "UTC"},
    {"Europe/Amsterdam", "W. Europe Standard Time"},
    {"Europe/Athens", "GTB Standard Time"},
    {"Europe/Berlin", "W. Europe Standard Time"},
    {"Europe/Brussels", "Romance Standard Time"},
    {"Europe/Bucharest", "GTB Standard Time"},
    {"Europe/Budapest", "Central Europe Standard Time"},
    {"Europe/Copenhagen", "Romance Standard Time"},
    {"Europe/Dublin", "GMT Standard Time"},
    {"Europe/Helsinki", "FLE Standard Time"},
    {"Europe/Istanbul", "Turkey Standard Time"},
    {"Europe/Kiev", "FLE Standard Time"},
    {"Europe/Kyiv", "FLE Standard Time"},
    {"Europe/Lisbon", "GMT Standard Time"},
    {"Europe/London", "GMT Standard Time"},
    {"Europe/Madrid", "Romance Standard Time"},
    {"Europe/Moscow", "Russian Standard Time"},
    {"Europe/Oslo", "W. Europe Standard Time"},
    {"Europe/Paris", "Romance Standard Time"},
    {"Europe/Prague", "Central Europe Standard Time"},
    {"Europe/Rome", "W. Europe Standard Time"},
    {"Europe/Stockholm", "W. Europe Standard Time"},
    {"Europe/Vienna", "W. Europe Standard Time"},
    {"Europe/Warsaw", "Central European Standard Time"},
    {"Europe/Zurich", "W. Europe Standard Time"},
    {"Pacific/Auckland", "New Zealand Standard Time"},
    {"Pacific/Honolulu", "Hawaiian Standard Time"},
    {"UTC", "UTC"},
};

}  // namespace

std::string WindowsZoneName(const std::string& ianaName) {
  const auto found = std::lower_bound(
      std::begin(kZones), std::end(kZones), ianaName,
      [](const ZoneName& z, const std::string& name) { return std::strcmp(z.iana, name.c_str()) < 0; });
  return found != std::end(kZones) && ianaName == found->iana ? found->windows : "";
}

}  // namespace yb
