#include "tools/calendar-standin/calendar_file_win32.h"

#include <windows.h>

#include <fstream>
#include <memory>
#include <type_traits>
#include <sstream>

#include "yearboard/calendar/system_time_zones_win32.h"

namespace standin {
namespace {

std::string CalendarFilePath() {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
    throw std::runtime_error(std::string("No calendar file is set: the key HKEY_CURRENT_USER\\") +
                             kSettingsKey + " is missing.");
  const std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)> key(raw, RegCloseKey);
  char path[MAX_PATH * 2] = {};
  DWORD size = sizeof path - 1;
  DWORD type = 0;
  const LONG rc = RegQueryValueExA(key.get(), kCalendarFileValue, nullptr, &type,
                                   reinterpret_cast<BYTE*>(path), &size);
  if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || path[0] == '\0')
    throw std::runtime_error(std::string("No calendar file is set: the value ") +
                             kCalendarFileValue + " is missing or not a path.");
  if (type == REG_EXPAND_SZ) {
    char expanded[MAX_PATH * 2] = {};
    if (ExpandEnvironmentStringsA(path, expanded, sizeof expanded) == 0)
      throw std::runtime_error(std::string("The calendar file path does not expand: ") + path);
    return expanded;
  }
  return path;
}

}  // namespace

std::shared_ptr<const yb::IcalCalendar> LoadCalendarFile() {
  const std::string path = CalendarFilePath();
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("Calendar file " + path + ": it cannot be opened.");
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) throw std::runtime_error("Calendar file " + path + ": it cannot be read.");
  static yb::SystemTimeZones zones;
  try {
    return std::make_shared<const yb::IcalCalendar>(yb::ReadCalendar(text.str(), zones),
                                                    zones.LocalZone());
  } catch (const yb::CalendarFileError& e) {
    throw std::runtime_error("Calendar file " + path + ": " + e.what());
  }
}

}  // namespace standin
