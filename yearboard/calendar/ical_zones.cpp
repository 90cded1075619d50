#include "yearboard/calendar/ical_zones.h"

#include <algorithm>
#include <stdexcept>

namespace yb {
namespace {

// No zone on earth is further than 14 hours from UTC; beyond 18 the value is garbage.
constexpr int kMaxOffset = 18 * 3600;

class OffsetOutOfRange : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// "+0100", "-0530", "+013045" in seconds east of UTC.
int OffsetValue(const ContentLine& c) {
  const std::string& v = c.value;
  const bool shape = (v.size() == 5 || v.size() == 7) && (v[0] == '+' || v[0] == '-') &&
                     std::all_of(v.begin() + 1, v.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
  if (!shape) FailAt(c.line, c.name + " is not an offset: \"" + v + "\"");
  const auto two = [&](std::size_t at) { return (v[at] - '0') * 10 + (v[at + 1] - '0'); };
  const int hours = two(1), minutes = two(3), seconds = v.size() == 7 ? two(5) : 0;
  const int offset = hours * 3600 + minutes * 60 + seconds;
  if (minutes > 59 || seconds > 59 || offset > kMaxOffset)
    throw OffsetOutOfRange("line " + std::to_string(c.line) + ": " + c.name +
                           " is not an offset within 18 hours: \"" + v + "\"");
  return v[0] == '-' ? -offset : offset;
}

ZoneObservance ReadObservance(const RawComponent& part) {
  ZoneObservance o;
  bool haveStart = false, haveFrom = false, haveTo = false;
  for (const ContentLine& c : part.lines) {
    if (c.name == "DTSTART") {
      o.start = TimeValue(c, c.value).value;
      haveStart = true;
    } else if (c.name == "TZOFFSETFROM") {
      o.offsetFrom = OffsetValue(c);
      haveFrom = true;
    } else if (c.name == "TZOFFSETTO") {
      o.offsetTo = OffsetValue(c);
      haveTo = true;
    } else if (c.name == "RRULE") {
      o.rules.push_back(RuleValue(c));
    } else if (c.name == "RDATE") {
      for (const std::string& v : Split(c.value, ',')) o.dates.push_back(TimeValue(c, v).value);
    }
  }
  if (!haveStart || !haveTo) FailAt(part.line, part.name + " without DTSTART or TZOFFSETTO");
  if (!haveFrom) o.offsetFrom = o.offsetTo;
  return o;
}

std::shared_ptr<const TimeZone> ReadZone(const RawComponent& zone) {
  std::vector<ZoneObservance> observances;
  for (const RawComponent& part : zone.children) observances.push_back(ReadObservance(part));
  return std::make_shared<const TimeZone>(TimeZone::FromObservances(observances));
}

}  // namespace

void FailAt(int line, const std::string& what) {
  throw std::invalid_argument("line " + std::to_string(line) + ": " + what);
}

EventTime TimeValue(const ContentLine& c, const std::string& text) {
  EventTime t;
  try {
    t.value = ParseIcalTime(text, Upper(c.Param("VALUE")) == "DATE");
  } catch (const std::invalid_argument& e) {
    FailAt(c.line, c.name + ": " + e.what());
  }
  if (!t.value.utc && !t.value.isDate) t.tzid = c.Param("TZID");
  return t;
}

RecurrenceRule RuleValue(const ContentLine& c) {
  try {
    return ParseRecurrenceRule(c.value);
  } catch (const std::invalid_argument& e) {
    FailAt(c.line, e.what());
  }
}

void FileZones::Define(RawComponent zone) {
  for (const ContentLine& line : zone.lines)
    if (line.name == "TZID" && !line.value.empty()) {
      definitions[TextValue(line.value)] = std::move(zone);
      return;
    }
}

void FileZones::Resolve(EventTime& t) {
  if (t.tzid.empty()) return;
  auto known = found.find(t.tzid);
  if (known == found.end()) known = found.emplace(t.tzid, Find(t.tzid)).first;
  if (!known->second.fault.empty()) throw std::invalid_argument(known->second.fault);
  t.zone = known->second.zone;
}

FileZones::Found FileZones::Find(const std::string& tzid) {
  // A parameter is not TEXT, but some exports escape its commas all the same.
  const std::string unescaped = TextValue(tzid);
  auto definition = definitions.find(tzid);
  if (definition == definitions.end()) definition = definitions.find(unescaped);
  if (definition != definitions.end()) {
    try {
      return {ReadZone(definition->second), ""};
    } catch (const OffsetOutOfRange& e) {
      return {nullptr, e.what()};
    } catch (const std::invalid_argument&) {
      // A definition that does not read: the system may still know the name.
    }
  }
  return {FindSystemZone(system, unescaped), ""};
}

}  // namespace yb
