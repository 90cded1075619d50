#pragma once
// Recurrence rules (RRULE) and their expansion into occurrence starts on the series' own
// clock: FREQ DAILY to YEARLY with INTERVAL, COUNT, UNTIL, BYMONTH, BYWEEKNO, BYYEARDAY,
// BYMONTHDAY and BYDAY (negative values and ordinals too), BYHOUR, BYMINUTE and BYSECOND,
// BYSETPOS and WKST; names in any letter case. What a rule does not say is taken from the
// start (its day of the week, month or year, its time of day). Frequencies finer than a day
// (FREQ HOURLY, ...) and combinations the rules leave undefined are refused with
// std::invalid_argument naming the part: such a series cannot be shown as it was meant.
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "yearboard/calendar/ical_time.h"

namespace yb {

struct WeekdayRule {
  int ordinal = 0;  // 0 every such weekday of the period; 2 the second; -1 the last
  int weekday = 2;  // 1 = Sunday .. 7 = Saturday
  friend bool operator==(const WeekdayRule&, const WeekdayRule&) = default;
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
  std::vector<int> byYearDay;  // 1..366 or negative
  std::vector<int> byWeekNo;   // 1..53 or negative
  std::vector<int> byHour, byMinute, bySecond;  // from 0
  std::vector<int> bySetPos;
  int weekStart = 2;  // WKST, Monday unless given
};

RecurrenceRule ParseRecurrenceRule(const std::string& value);

// One expansion passes on at most this many occurrences.
constexpr int kMaxOccurrences = 100000;

// The starts wanted, from <= start < to, on the series' clock.
struct StartWindow {
  long long from = std::numeric_limits<long long>::min();
  long long to = std::numeric_limits<long long>::max();
};

// Calls found(seconds) with the start of each occurrence in the window, in time order, on the
// clock of `start` (SecondsOf), until the rule ends or found returns false. DTSTART is always
// the first occurrence. `until` is the rule's UNTIL already on that clock (inclusive). A
// series without COUNT is taken up where the window begins, however long ago it started.
void ExpandRecurrence(const IcalTime& start, const RecurrenceRule& rule,
                      std::optional<long long> until, const StartWindow& window,
                      const std::function<bool(long long)>& found);

}  // namespace yb
