#pragma once
// Time zones as iCalendar files and Windows describe them, and the conversions between a
// zone's wall clock and UTC (whole seconds, ical_time.h). A zone is the list of changes of its
// UTC offset up to the year 2200; a wall time in the gap of a change counts with the offset
// before it, a wall time that occurs twice is its first occurrence. Also the platform service
// that finds the system's zones by Windows name and gives the machine's own zone.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "yearboard/calendar/ical_time.h"
#include "yearboard/calendar/recurrence.h"

namespace yb {

// A STANDARD or DAYLIGHT part of a VTIMEZONE: from `start` (on the wall clock of offsetFrom)
// and at each date its rule or list gives, the offset changes to offsetTo (seconds east).
struct ZoneObservance {
  IcalTime start;
  int offsetFrom = 0;
  int offsetTo = 0;
  std::vector<RecurrenceRule> rules;  // RRULE
  std::vector<IcalTime> dates;       // RDATE
};

// The fields of a Windows time-zone record (minutes west of UTC; change dates as the system
// gives them: year 0 with day 1..5 meaning the n-th, 5 the last, such weekday of the month).
struct WindowsZoneDate {
  int year = 0, month = 0, dayOfWeek = 0, day = 0, hour = 0, minute = 0;  // dayOfWeek 0 = Sunday
};
struct WindowsZoneRule {
  int bias = 0, standardBias = 0, daylightBias = 0;
  WindowsZoneDate standardDate, daylightDate;  // month 0: no daylight saving time
};

class TimeZone {
 public:
  static TimeZone Fixed(int offsetSeconds);
  // Throws std::invalid_argument when there is no observance.
  static TimeZone FromObservances(const std::vector<ZoneObservance>& observances);
  static TimeZone FromWindows(const WindowsZoneRule& rule);

  long long UtcFromWall(long long wall) const;
  long long WallFromUtc(long long utc) const;

 private:
  struct Change {
    long long utc;
    long long wallThreshold;  // the first wall time read with the new offset
    int to;
  };
  void AddChange(long long utc, int from, int to);
  void Finish();

  std::vector<Change> changes;
  int initial = 0;
};

class TimeZoneSystem {
 public:
  virtual ~TimeZoneSystem() = default;
  // The system's zone of this Windows name ("Eastern Standard Time"), or nullptr.
  virtual std::shared_ptr<const TimeZone> FindWindowsZone(const std::string& name) = 0;
  // The texts the system shows for its zones ("(UTC-05:00) Eastern Time (US & Canada)"), each
  // with its Windows name.
  virtual std::vector<std::pair<std::string, std::string>> DisplayNames() = 0;
  // The machine's own zone: every time is shown on its clock.
  virtual std::shared_ptr<const TimeZone> LocalZone() = 0;
};

// The Windows name of an IANA zone ("America/New_York" -> "Eastern Standard Time"), old names
// of the zone database's backward list ("US/Eastern") included, or "" when the table does not
// hold it.
std::string WindowsZoneName(const std::string& ianaName);

// A TZID that the file does not define: a Windows name as it is; an "Etc/GMT-2" (two hours
// ahead of UTC); an IANA name, also at the end of a path, through the table; a zone's display
// text, its offset in front in either spelling ("(GMT-05:00) ...") or left out. nullptr when
// the system has none of these.
std::shared_ptr<const TimeZone> FindSystemZone(TimeZoneSystem& system, const std::string& tzid);

}  // namespace yb
