#pragma once
// The reader's time zones, and the value readers events and zones share: the VTIMEZONE
// definitions of a file, read when an event first names them, and the zone of each TZID: the file's definition (its TZID unescaped, as TEXT), else
// the system's zone of that name (FindSystemZone). A definition that cannot be read falls back
// to the system's zone too; one with an offset beyond 18 hours is refused outright, and so are
// the events that use it.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "yearboard/calendar/ical_content.h"
#include "yearboard/calendar/ical_reader.h"

namespace yb {

[[noreturn]] void FailAt(int line, const std::string& what);  // throws std::invalid_argument

// A DATE or DATE-TIME value of a property (VALUE=DATE, TZID as written), and an RRULE; faults
// name the line.
EventTime TimeValue(const ContentLine& c, const std::string& text);
RecurrenceRule RuleValue(const ContentLine& c);

// A STANDARD, DAYLIGHT or VTIMEZONE as written.
struct RawComponent {
  std::string name;
  int line = 0;
  std::vector<ContentLine> lines;
  std::vector<RawComponent> children;
};

class FileZones {
 public:
  explicit FileZones(TimeZoneSystem& system) : system(system) {}

  // A VTIMEZONE read to its end; one without a TZID is dropped.
  void Define(RawComponent zone);
  // Sets t.zone for t.tzid; leaves it null when no zone of that name can be read. Throws
  // std::invalid_argument for a definition that is refused.
  void Resolve(EventTime& t);

 private:
  struct Found {
    std::shared_ptr<const TimeZone> zone;
    std::string fault;  // a refused definition
  };
  Found Find(const std::string& tzid);

  TimeZoneSystem& system;
  std::map<std::string, RawComponent> definitions;
  std::map<std::string, Found> found;
};

}  // namespace yb
