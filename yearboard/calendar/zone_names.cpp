// The IANA zone names and the Windows zones that keep the same rules, the zone database's old
// names, the fixed "Etc/GMT" zones, and finding a TZID among the system's zones by any of these.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "yearboard/calendar/ical_content.h"
#include "yearboard/calendar/time_zone.h"

namespace yb {
namespace {

struct ZoneName {
  const char* name;
  const char* stands;  // the Windows name, or the zone an old name stands for
};

// Sorted by IANA name for the search.
constexpr ZoneName kZones[] = {
    {"Africa/Abidjan", "Greenwich Standard Time"},
    {"Africa/Accra", "Greenwich Standard Time"},
    {"Africa/Addis_Ababa", "E. Africa Standard Time"},
    {"Africa/Algiers", "W. Central Africa Standard Time"},
    {"Africa/Cairo", "Egypt Standard Time"},
    {"Africa/Casablanca", "Morocco Standard Time"},
    {"Africa/Johannesburg", "South Africa Standard Time"},
    {"Africa/Lagos", "W. Central Africa Standard Time"},
    {"Africa/Nairobi", "E. Africa Standard Time"},
    {"Africa/Tripoli", "Libya Standard Time"},
    {"America/Adak", "Aleutian Standard Time"},
    {"America/Anchorage", "Alaskan Standard Time"},
    {"America/Argentina/Buenos_Aires", "Argentina Standard Time"},
    {"America/Argentina/Catamarca", "Argentina Standard Time"},
    {"America/Argentina/Cordoba", "Argentina Standard Time"},
    {"America/Argentina/Jujuy", "Argentina Standard Time"},
    {"America/Argentina/Mendoza", "Argentina Standard Time"},
    {"America/Bogota", "SA Pacific Standard Time"},
    {"America/Caracas", "Venezuela Standard Time"},
    {"America/Chicago", "Central Standard Time"},
    {"America/Denver", "Mountain Standard Time"},
    {"America/Detroit", "Eastern Standard Time"},
    {"America/Edmonton", "Mountain Standard Time"},
    {"America/Halifax", "Atlantic Standard Time"},
    {"America/Havana", "Cuba Standard Time"},
    {"America/Indiana/Indianapolis", "US Eastern Standard Time"},
    {"America/Indiana/Knox", "Central Standard Time"},
    {"America/Iqaluit", "Eastern Standard Time"},
    {"America/Jamaica", "SA Pacific Standard Time"},
    {"America/Kentucky/Louisville", "Eastern Standard Time"},
    {"America/Lima", "SA Pacific Standard Time"},
    {"America/Los_Angeles", "Pacific Standard Time"},
    {"America/Manaus", "SA Western Standard Time"},
    {"America/Mazatlan", "Mountain Standard Time (Mexico)"},
    {"America/Mexico_City", "Central Standard Time (Mexico)"},
    {"America/Montevideo", "Montevideo Standard Time"},
    {"America/New_York", "Eastern Standard Time"},
    {"America/Noronha", "UTC-02"},
    {"America/Nuuk", "Greenland Standard Time"},
    {"America/Panama", "SA Pacific Standard Time"},
    {"America/Phoenix", "US Mountain Standard Time"},
    {"America/Puerto_Rico", "SA Western Standard Time"},
    {"America/Regina", "Canada Central Standard Time"},
    {"America/Rio_Branco", "SA Pacific Standard Time"},
    {"America/Santiago", "Pacific SA Standard Time"},
    {"America/Sao_Paulo", "E. South America Standard Time"},
    {"America/St_Johns", "Newfoundland Standard Time"},
    {"America/Tijuana", "Pacific Standard Time (Mexico)"},
    {"America/Toronto", "Eastern Standard Time"},
    {"America/Vancouver", "Pacific Standard Time"},
    {"America/Whitehorse", "Yukon Standard Time"},
    {"America/Winnipeg", "Central Standard Time"},
    {"Asia/Almaty", "Central Asia Standard Time"},
    {"Asia/Ashgabat", "West Asia Standard Time"},
    {"Asia/Baghdad", "Arabic Standard Time"},
    {"Asia/Bangkok", "SE Asia Standard Time"},
    {"Asia/Colombo", "Sri Lanka Standard Time"},
    {"Asia/Dhaka", "Bangladesh Standard Time"},
    {"Asia/Dubai", "Arabian Standard Time"},
    {"Asia/Ho_Chi_Minh", "SE Asia Standard Time"},
    {"Asia/Hong_Kong", "China Standard Time"},
    {"Asia/Jakarta", "SE Asia Standard Time"},
    {"Asia/Jerusalem", "Israel Standard Time"},
    {"Asia/Karachi", "Pakistan Standard Time"},
    {"Asia/Kathmandu", "Nepal Standard Time"},
    {"Asia/Kolkata", "India Standard Time"},
    {"Asia/Kuala_Lumpur", "Singapore Standard Time"},
    {"Asia/Kuwait", "Arab Standard Time"},
    {"Asia/Macau", "China Standard Time"},
    {"Asia/Makassar", "Singapore Standard Time"},
    {"Asia/Manila", "Singapore Standard Time"},
    {"Asia/Muscat", "Arabian Standard Time"},
    {"Asia/Nicosia", "GTB Standard Time"},
    {"Asia/Qatar", "Arab Standard Time"},
    {"Asia/Riyadh", "Arab Standard Time"},
    {"Asia/Seoul", "Korea Standard Time"},
    {"Asia/Shanghai", "China Standard Time"},
    {"Asia/Singapore", "Singapore Standard Time"},
    {"Asia/Taipei", "Taipei Standard Time"},
    {"Asia/Tashkent", "West Asia Standard Time"},
    {"Asia/Tehran", "Iran Standard Time"},
    {"Asia/Thimphu", "Bangladesh Standard Time"},
    {"Asia/Tokyo", "Tokyo Standard Time"},
    {"Asia/Ulaanbaatar", "Ulaanbaatar Standard Time"},
    {"Asia/Urumqi", "Central Asia Standard Time"},
    {"Asia/Yangon", "Myanmar Standard Time"},
    {"Asia/Yekaterinburg", "Ekaterinburg Standard Time"},
    {"Atlantic/Azores", "Azores Standard Time"},
    {"Atlantic/Faroe", "GMT Standard Time"},
    {"Atlantic/Reykjavik", "Greenwich Standard Time"},
    {"Australia/Adelaide", "Cen. Australia Standard Time"},
    {"Australia/Brisbane", "E. Australia Standard Time"},
    {"Australia/Broken_Hill", "Cen. Australia Standard Time"},
    {"Australia/Darwin", "AUS Central Standard Time"},
    {"Australia/Hobart", "Tasmania Standard Time"},
    {"Australia/Lord_Howe", "Lord Howe Standard Time"},
    {"Australia/Melbourne", "AUS Eastern Standard Time"},
    {"Australia/Perth", "W. Australia Standard Time"},
    {"Australia/Sydney", "AUS Eastern Standard Time"},
    {"Etc/GMT", "UTC"},
    {"Etc/UTC", "UTC"},
    {"Europe/Amsterdam", "W. Europe Standard Time"},
    {"Europe/Athens", "GTB Standard Time"},
    {"Europe/Belgrade", "Central Europe Standard Time"},
    {"Europe/Berlin", "W. Europe Standard Time"},
    {"Europe/Brussels", "Romance Standard Time"},
    {"Europe/Bucharest", "GTB Standard Time"},
    {"Europe/Budapest", "Central Europe Standard Time"},
    {"Europe/Chisinau", "E. Europe Standard Time"},
    {"Europe/Copenhagen", "Romance Standard Time"},
    {"Europe/Dublin", "GMT Standard Time"},
    {"Europe/Helsinki", "FLE Standard Time"},
    {"Europe/Istanbul", "Turkey Standard Time"},
    {"Europe/Kyiv", "FLE Standard Time"},
    {"Europe/Lisbon", "GMT Standard Time"},
    {"Europe/Ljubljana", "Central Europe Standard Time"},
    {"Europe/London", "GMT Standard Time"},
    {"Europe/Luxembourg", "W. Europe Standard Time"},
    {"Europe/Madrid", "Romance Standard Time"},
    {"Europe/Minsk", "Belarus Standard Time"},
    {"Europe/Monaco", "W. Europe Standard Time"},
    {"Europe/Moscow", "Russian Standard Time"},
    {"Europe/Oslo", "W. Europe Standard Time"},
    {"Europe/Paris", "Romance Standard Time"},
    {"Europe/Prague", "Central Europe Standard Time"},
    {"Europe/Riga", "FLE Standard Time"},
    {"Europe/Rome", "W. Europe Standard Time"},
    {"Europe/Sarajevo", "Central European Standard Time"},
    {"Europe/Skopje", "Central European Standard Time"},
    {"Europe/Sofia", "FLE Standard Time"},
    {"Europe/Stockholm", "W. Europe Standard Time"},
    {"Europe/Tallinn", "FLE Standard Time"},
    {"Europe/Vienna", "W. Europe Standard Time"},
    {"Europe/Vilnius", "FLE Standard Time"},
    {"Europe/Warsaw", "Central European Standard Time"},
    {"Europe/Zagreb", "Central European Standard Time"},
    {"Europe/Zurich", "W. Europe Standard Time"},
    {"Pacific/Auckland", "New Zealand Standard Time"},
    {"Pacific/Chatham", "Chatham Islands Standard Time"},
    {"Pacific/Easter", "Easter Island Standard Time"},
    {"Pacific/Fiji", "Fiji Standard Time"},
    {"Pacific/Guadalcanal", "Central Pacific Standard Time"},
    {"Pacific/Guam", "West Pacific Standard Time"},
    {"Pacific/Honolulu", "Hawaiian Standard Time"},
    {"Pacific/Kanton", "Tonga Standard Time"},
    {"Pacific/Kwajalein", "UTC+12"},
    {"Pacific/Pago_Pago", "UTC-11"},
    {"Pacific/Port_Moresby", "West Pacific Standard Time"},
};

// The zone database's old names (its backward list) and the zones they stand for; sorted.
constexpr ZoneName kOldNames[] = {
    {"Africa/Asmera", "Africa/Nairobi"},
    {"Africa/Timbuktu", "Africa/Abidjan"},
    {"America/Argentina/ComodRivadavia", "America/Argentina/Catamarca"},
    {"America/Atka", "America/Adak"},
    {"America/Buenos_Aires", "America/Argentina/Buenos_Aires"},
    {"America/Catamarca", "America/Argentina/Catamarca"},
    {"America/Coral_Harbour", "America/Panama"},
    {"America/Cordoba", "America/Argentina/Cordoba"},
    {"America/Ensenada", "America/Tijuana"},
    {"America/Fort_Wayne", "America/Indiana/Indianapolis"},
    {"America/Godthab", "America/Nuuk"},
    {"America/Indianapolis", "America/Indiana/Indianapolis"},
    {"America/Jujuy", "America/Argentina/Jujuy"},
    {"America/Knox_IN", "America/Indiana/Knox"},
    {"America/Kralendijk", "America/Puerto_Rico"},
    {"America/Louisville", "America/Kentucky/Louisville"},
    {"America/Lower_Princes", "America/Puerto_Rico"},
    {"America/Marigot", "America/Puerto_Rico"},
    {"America/Mendoza", "America/Argentina/Mendoza"},
    {"America/Montreal", "America/Toronto"},
    {"America/Nipigon", "America/Toronto"},
    {"America/Pangnirtung", "America/Iqaluit"},
    {"America/Porto_Acre", "America/Rio_Branco"},
    {"America/Rainy_River", "America/Winnipeg"},
    {"America/Rosario", "America/Argentina/Cordoba"},
    {"America/Santa_Isabel", "America/Tijuana"},
    {"America/Shiprock", "America/Denver"},
    {"America/St_Barthelemy", "America/Puerto_Rico"},
    {"America/Thunder_Bay", "America/Toronto"},
    {"America/Virgin", "America/Puerto_Rico"},
    {"America/Yellowknife", "America/Edmonton"},
    {"Antarctica/South_Pole", "Pacific/Auckland"},
    {"Arctic/Longyearbyen", "Europe/Berlin"},
    {"Asia/Ashkhabad", "Asia/Ashgabat"},
    {"Asia/Calcutta", "Asia/Kolkata"},
    {"Asia/Choibalsan", "Asia/Ulaanbaatar"},
    {"Asia/Chongqing", "Asia/Shanghai"},
    {"Asia/Chungking", "Asia/Shanghai"},
    {"Asia/Dacca", "Asia/Dhaka"},
    {"Asia/Harbin", "Asia/Shanghai"},
    {"Asia/Istanbul", "Europe/Istanbul"},
    {"Asia/Kashgar", "Asia/Urumqi"},
    {"Asia/Katmandu", "Asia/Kathmandu"},
    {"Asia/Macao", "Asia/Macau"},
    {"Asia/Rangoon", "Asia/Yangon"},
    {"Asia/Saigon", "Asia/Ho_Chi_Minh"},
    {"Asia/Tel_Aviv", "Asia/Jerusalem"},
    {"Asia/Thimbu", "Asia/Thimphu"},
    {"Asia/Ujung_Pandang", "Asia/Makassar"},
    {"Asia/Ulan_Bator", "Asia/Ulaanbaatar"},
    {"Atlantic/Faeroe", "Atlantic/Faroe"},
    {"Atlantic/Jan_Mayen", "Europe/Berlin"},
    {"Australia/ACT", "Australia/Sydney"},
    {"Australia/Canberra", "Australia/Sydney"},
    {"Australia/Currie", "Australia/Hobart"},
    {"Australia/LHI", "Australia/Lord_Howe"},
    {"Australia/NSW", "Australia/Sydney"},
    {"Australia/North", "Australia/Darwin"},
    {"Australia/Queensland", "Australia/Brisbane"},
    {"Australia/South", "Australia/Adelaide"},
    {"Australia/Tasmania", "Australia/Hobart"},
    {"Australia/Victoria", "Australia/Melbourne"},
    {"Australia/West", "Australia/Perth"},
    {"Australia/Yancowinna", "Australia/Broken_Hill"},
    {"Brazil/Acre", "America/Rio_Branco"},
    {"Brazil/DeNoronha", "America/Noronha"},
    {"Brazil/East", "America/Sao_Paulo"},
    {"Brazil/West", "America/Manaus"},
    {"Canada/Atlantic", "America/Halifax"},
    {"Canada/Central", "America/Winnipeg"},
    {"Canada/Eastern", "America/Toronto"},
    {"Canada/Mountain", "America/Edmonton"},
    {"Canada/Newfoundland", "America/St_Johns"},
    {"Canada/Pacific", "America/Vancouver"},
    {"Canada/Saskatchewan", "America/Regina"},
    {"Canada/Yukon", "America/Whitehorse"},
    {"Chile/Continental", "America/Santiago"},
    {"Chile/EasterIsland", "Pacific/Easter"},
    {"Cuba", "America/Havana"},
    {"Egypt", "Africa/Cairo"},
    {"Eire", "Europe/Dublin"},
    {"Etc/GMT+0", "Etc/GMT"},
    {"Etc/GMT-0", "Etc/GMT"},
    {"Etc/GMT0", "Etc/GMT"},
    {"Etc/Greenwich", "Etc/GMT"},
    {"Etc/UCT", "Etc/UTC"},
    {"Etc/Universal", "Etc/UTC"},
    {"Etc/Zulu", "Etc/UTC"},
    {"Europe/Belfast", "Europe/London"},
    {"Europe/Bratislava", "Europe/Prague"},
    {"Europe/Busingen", "Europe/Zurich"},
    {"Europe/Kiev", "Europe/Kyiv"},
    {"Europe/Mariehamn", "Europe/Helsinki"},
    {"Europe/Nicosia", "Asia/Nicosia"},
    {"Europe/Podgorica", "Europe/Belgrade"},
    {"Europe/San_Marino", "Europe/Rome"},
    {"Europe/Tiraspol", "Europe/Chisinau"},
    {"Europe/Uzhgorod", "Europe/Kyiv"},
    {"Europe/Vatican", "Europe/Rome"},
    {"Europe/Zaporozhye", "Europe/Kyiv"},
    {"GB", "Europe/London"},
    {"GB-Eire", "Europe/London"},
    {"GMT", "Etc/GMT"},
    {"GMT+0", "Etc/GMT"},
    {"GMT-0", "Etc/GMT"},
    {"GMT0", "Etc/GMT"},
    {"Greenwich", "Etc/GMT"},
    {"Hongkong", "Asia/Hong_Kong"},
    {"Iceland", "Africa/Abidjan"},
    {"Iran", "Asia/Tehran"},
    {"Israel", "Asia/Jerusalem"},
    {"Jamaica", "America/Jamaica"},
    {"Japan", "Asia/Tokyo"},
    {"Kwajalein", "Pacific/Kwajalein"},
    {"Libya", "Africa/Tripoli"},
    {"Mexico/BajaNorte", "America/Tijuana"},
    {"Mexico/BajaSur", "America/Mazatlan"},
    {"Mexico/General", "America/Mexico_City"},
    {"NZ", "Pacific/Auckland"},
    {"NZ-CHAT", "Pacific/Chatham"},
    {"Navajo", "America/Denver"},
    {"PRC", "Asia/Shanghai"},
    {"Pacific/Enderbury", "Pacific/Kanton"},
    {"Pacific/Johnston", "Pacific/Honolulu"},
    {"Pacific/Ponape", "Pacific/Guadalcanal"},
    {"Pacific/Samoa", "Pacific/Pago_Pago"},
    {"Pacific/Truk", "Pacific/Port_Moresby"},
    {"Pacific/Yap", "Pacific/Port_Moresby"},
    {"Poland", "Europe/Warsaw"},
    {"Portugal", "Europe/Lisbon"},
    {"ROC", "Asia/Taipei"},
    {"ROK", "Asia/Seoul"},
    {"Singapore", "Asia/Singapore"},
    {"Turkey", "Europe/Istanbul"},
    {"UCT", "Etc/UTC"},
    {"US/Alaska", "America/Anchorage"},
    {"US/Aleutian", "America/Adak"},
    {"US/Arizona", "America/Phoenix"},
    {"US/Central", "America/Chicago"},
    {"US/East-Indiana", "America/Indiana/Indianapolis"},
    {"US/Eastern", "America/New_York"},
    {"US/Hawaii", "Pacific/Honolulu"},
    {"US/Indiana-Starke", "America/Indiana/Knox"},
    {"US/Michigan", "America/Detroit"},
    {"US/Mountain", "America/Denver"},
    {"US/Pacific", "America/Los_Angeles"},
    {"US/Samoa", "Pacific/Pago_Pago"},
    {"UTC", "Etc/UTC"},
    {"Universal", "Etc/UTC"},
    {"W-SU", "Europe/Moscow"},
    {"Zulu", "Etc/UTC"},
};

template <std::size_t N>
const char* Lookup(const ZoneName (&table)[N], const std::string& name) {
  const auto found = std::lower_bound(
      std::begin(table), std::end(table), name,
      [](const ZoneName& z, const std::string& n) { return std::strcmp(z.name, n.c_str()) < 0; });
  return found != std::end(table) && name == found->name ? found->stands : nullptr;
}

// "Etc/GMT-2" is two hours ahead of UTC: the database writes these zones' signs the POSIX way.
std::shared_ptr<const TimeZone> EtcZone(const std::string& tzid) {
  static const std::string kPrefix = "Etc/GMT";
  if (tzid.size() < kPrefix.size() + 2 || tzid.size() > kPrefix.size() + 3 ||
      tzid.compare(0, kPrefix.size(), kPrefix) != 0)
    return nullptr;
  const char sign = tzid[kPrefix.size()];
  int hours = 0;
  for (std::size_t i = kPrefix.size() + 1; i < tzid.size(); ++i) {
    if (tzid[i] < '0' || tzid[i] > '9') return nullptr;
    hours = hours * 10 + (tzid[i] - '0');
  }
  if ((sign != '+' && sign != '-') || hours > (sign == '-' ? 14 : 12)) return nullptr;
  return std::make_shared<const TimeZone>(TimeZone::Fixed((sign == '-' ? 3600 : -3600) * hours));
}

// A display text without its offset in front ("(UTC-05:00) " or "(GMT-05:00) "), in upper case.
std::string DisplayKey(const std::string& text) {
  std::size_t from = 0;
  if (text.rfind("(UTC", 0) == 0 || text.rfind("(GMT", 0) == 0) {
    const std::size_t close = text.find(')');
    if (close != std::string::npos) from = close + 1;
  }
  while (from < text.size() && text[from] == ' ') ++from;
  return Upper(text.substr(from));
}

}  // namespace

std::string WindowsZoneName(const std::string& ianaName) {
  const char* canonical = Lookup(kOldNames, ianaName);
  const char* windows = Lookup(kZones, canonical ? canonical : ianaName);
  return windows ? windows : "";
}

std::shared_ptr<const TimeZone> FindSystemZone(TimeZoneSystem& system, const std::string& tzid) {
  if (auto zone = system.FindWindowsZone(tzid)) return zone;
  // Some exports put a path before the IANA name ("/example.org/20050126_1/America/New_York").
  for (std::size_t from = 0; from != std::string::npos;) {
    const std::string name = tzid.substr(from);
    if (auto zone = EtcZone(name)) return zone;
    const std::string windowsName = WindowsZoneName(name);
    if (!windowsName.empty()) return system.FindWindowsZone(windowsName);
    const std::size_t slash = tzid.find('/', from);
    from = slash == std::string::npos || tzid[0] != '/' ? std::string::npos : slash + 1;
  }
  const std::string key = DisplayKey(tzid);
  if (key.empty()) return nullptr;
  for (const auto& [display, windowsName] : system.DisplayNames())
    if (DisplayKey(display) == key) return system.FindWindowsZone(windowsName);
  return nullptr;
}

}  // namespace yb
