#pragma once
// Recurrence rules (RRULE: FREQ DAILY / WEEKLY / MONTHLY / YEARLY, INTERVAL, COUNT, UNTIL,
// BYDAY, BYMONTHDAY, BYMONTH, WKST) and their expansion into occurrence start times, with
// the series' EXDATEs taken out. Times are wall-clock times of the series' own zone (the
// caller brings UNTIL and the exceptions into it); DTSTART is always the first occurrence.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace standin {

struct IcalTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  bool isDate = false;  // a DATE value: an all-day start or end
  bool utc = false;     // written with "Z"; otherwise floating (the user's local time)
  friend bool operator==(const IcalTime&, const IcalTime&) = default;
};

struct WeekdayRule {
  int ordinal = 0;  // 0 every such weekday of the period; 2 the second; -1 the last
  int weekday = 2;  // 1 = Sunday .. 7 = Saturday
};

struct RecurrenceRule {
  enum class Frequency { Daily, Weekly, Monthly, Yearly };
  Frequency frequency = Frequency::Daily;
  int interval = 1;
  int count = 0;  // 0: no COUNT
  std::optional<IcalTime> until;
  std::vector<WeekdayRule> byDay;
  std::vector<int> byMonthDay;  // 1..31 or -31..-1 from the month's end
  std::vector<int> byMonth;
  int weekStart = 2;  // WKST, Monday by default
};

// "19980505" (a date) or "19980505T100000" with an optional "Z"; a date when dateOnly.
// Throws std::invalid_argument naming the fault.
IcalTime ParseIcalTime(const std::string& value, bool dateOnly);

// Parses the value of an RRULE property; throws std::invalid_argument naming the fault.
RecurrenceRule ParseRecurrenceRule(const std::string& value);

// A series holds at most this many occurrences when its rule gives no end.
constexpr int kMaxOccurrences = 100000;

// Calls found(t) for each occurrence from start on, in time order, until the rule ends,
// kMaxOccurrences are reached, or found returns false. Occurrences equal to an exception
// (a DATE exception matches the whole day) are skipped but still count toward COUNT.
void ExpandRecurrence(const IcalTime& start, const RecurrenceRule& rule,
                      const std::vector<IcalTime>& exceptions,
                      const std::function<bool(const IcalTime&)>& found);

}  // namespace standin
