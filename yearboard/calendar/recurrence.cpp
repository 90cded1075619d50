#include "yearboard/calendar/recurrence.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "yearboard/base/ole_date.h"
#include "yearboard/calendar/ical_content.h"

namespace yb {
namespace {

using Frequency = RecurrenceRule::Frequency;

// Periods from here on lie past the last day a calendar can hold.
constexpr int kBeyondYear = 10000;
long long BeyondDay() { return DayNumber(kBeyondYear, 1, 1); }

[[noreturn]] void Bad(const std::string& what) { throw std::invalid_argument(what); }

int ParseInt(const std::string& text, const std::string& part) {
  std::size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size()) Bad("RRULE " + part + " is not a number: " + text);
  return value;
}

std::vector<int> Numbers(const std::string& text, const std::string& part, int limit) {
  std::vector<int> values;
  for (const std::string& n : Split(text, ',')) {
    const int v = ParseInt(n, part);
    if (v == 0 || v < -limit || v > limit) Bad("RRULE " + part + " is out of range: " + n);
    values.push_back(v);
  }
  return values;
}

// BYHOUR, BYMINUTE, BYSECOND: values from 0 to `last`.
std::vector<int> TimeValues(const std::string& text, const std::string& part, int last) {
  std::vector<int> values;
  for (const std::string& n : Split(text, ',')) {
    const int v = ParseInt(n, part);
    if (v < 0 || v > last) Bad("RRULE " + part + " is out of range: " + n);
    values.push_back(v);
  }
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

int WeekdayFromCode(const std::string& code) {
  static const char* const kCodes[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
  for (int i = 0; i < 7; ++i)
    if (code == kCodes[i]) return i + 1;
  Bad("RRULE weekday is not one of SU MO TU WE TH FR SA: " + code);
}

WeekdayRule ParseWeekdayRule(const std::string& text) {
  if (text.size() < 2) Bad("RRULE BYDAY value is not a weekday: " + text);
  WeekdayRule r;
  r.weekday = WeekdayFromCode(text.substr(text.size() - 2));
  const std::string ordinal = text.substr(0, text.size() - 2);
  if (!ordinal.empty()) {
    r.ordinal = ParseInt(ordinal, "BYDAY");
    if (r.ordinal == 0 || r.ordinal < -53 || r.ordinal > 53)
      Bad("RRULE BYDAY ordinal is out of range: " + text);
  }
  return r;
}

bool Has(const std::vector<int>& values, int v, int length) {
  return std::find(values.begin(), values.end(), v) != values.end() ||
         std::find(values.begin(), values.end(), v - length - 1) != values.end();
}

// The first day of week 1 of the year: the week (from weekStart) that holds 4 January.
long long FirstWeekDay(int year, int weekStart) {
  const long long jan4 = DayNumber(year, 1, 4);
  return jan4 - (WeekdayOfDay(jan4) - weekStart + 7) % 7;
}

bool WeekNumberMatches(long long day, int year, const RecurrenceRule& rule) {
  long long first = FirstWeekDay(year, rule.weekStart);
  int owner = year;
  if (day < first) {
    owner = year - 1;
  } else if (day >= FirstWeekDay(year + 1, rule.weekStart)) {
    owner = year + 1;
  }
  first = FirstWeekDay(owner, rule.weekStart);
  const int weeks = static_cast<int>((FirstWeekDay(owner + 1, rule.weekStart) - first) / 7);
  return Has(rule.byWeekNo, static_cast<int>((day - first) / 7) + 1, weeks);
}

// Where a day stands for the rule parts: its date, and the frame its BYDAY ordinals count in.
struct DayFacts {
  long long day;
  int year, month, dayOfMonth, monthLength, dayOfYear, yearLength, weekday;
};

DayFacts FactsOf(long long day) {
  const CivilDateTime c = DecodeDateTime(static_cast<double>(day));
  const long long jan1 = DayNumber(c.year, 1, 1);
  return {day,
          c.year,
          c.month,
          c.day,
          DaysInMonth(c.year, c.month),
          static_cast<int>(day - jan1) + 1,
          static_cast<int>(DayNumber(c.year + 1, 1, 1) - jan1),
          WeekdayOfDay(day)};
}

bool WeekdayMatches(const DayFacts& f, const RecurrenceRule& rule) {
  // Ordinals count within the month for MONTHLY and for YEARLY with BYMONTH, else the year.
  const bool inMonth = rule.frequency == Frequency::Monthly || !rule.byMonth.empty();
  const int position = inMonth ? f.dayOfMonth : f.dayOfYear;
  const int length = inMonth ? f.monthLength : f.yearLength;
  for (const WeekdayRule& r : rule.byDay) {
    if (r.weekday != f.weekday) continue;
    if (r.ordinal == 0 || r.ordinal == (position - 1) / 7 + 1 ||
        r.ordinal == -((length - position) / 7 + 1))
      return true;
  }
  return false;
}

bool Selects(const DayFacts& f, const RecurrenceRule& rule) {
  if (!rule.byMonth.empty() &&
      std::find(rule.byMonth.begin(), rule.byMonth.end(), f.month) == rule.byMonth.end())
    return false;
  if (!rule.byWeekNo.empty() && !WeekNumberMatches(f.day, f.year, rule)) return false;
  if (!rule.byYearDay.empty() && !Has(rule.byYearDay, f.dayOfYear, f.yearLength)) return false;
  if (!rule.byMonthDay.empty() && !Has(rule.byMonthDay, f.dayOfMonth, f.monthLength))
    return false;
  return rule.byDay.empty() || WeekdayMatches(f, rule);
}

// Without any day-choosing part a rule repeats the start's own day of its period; weeks
// chosen by number alone repeat the start's weekday in them.
RecurrenceRule WithDefaults(RecurrenceRule rule, const IcalTime& start) {
  if (rule.byHour.empty()) rule.byHour = {start.hour};
  if (rule.byMinute.empty()) rule.byMinute = {start.minute};
  if (rule.bySecond.empty()) rule.bySecond = {start.second};
  if (!rule.byYearDay.empty() || !rule.byMonthDay.empty() || !rule.byDay.empty()) return rule;
  if (!rule.byWeekNo.empty()) {
    rule.byDay = {{0, WeekdayOfDay(DayNumber(start))}};
    return rule;
  }
  switch (rule.frequency) {
    case Frequency::Yearly:
      if (rule.byMonth.empty()) rule.byMonth = {start.month};
      rule.byMonthDay = {start.day};
      break;
    case Frequency::Monthly:
      rule.byMonthDay = {start.day};
      break;
    case Frequency::Weekly:
      rule.byDay = {{0, WeekdayOfDay(DayNumber(start))}};
      break;
    case Frequency::Daily:
      break;
  }
  return rule;
}

// The days the period'th period covers.
std::pair<long long, long long> PeriodDays(const IcalTime& start, const RecurrenceRule& rule,
                                           long long period) {
  const long long step = period * rule.interval;
  const long long startDay = DayNumber(start);
  switch (rule.frequency) {
    case Frequency::Daily:
      return {startDay + step, startDay + step};
    case Frequency::Weekly: {
      const long long first =
          startDay - (WeekdayOfDay(startDay) - rule.weekStart + 7) % 7 + 7 * step;
      return {first, first + 6};
    }
    case Frequency::Monthly: {
      const long long index = start.year * 12LL + (start.month - 1) + step;
      if (index >= kBeyondYear * 12LL) return {BeyondDay(), BeyondDay()};
      const int year = static_cast<int>(FloorDiv(index, 12));
      const int month = static_cast<int>(index - year * 12LL) + 1;
      const long long first = DayNumber(year, month, 1);
      return {first, first + DaysInMonth(year, month) - 1};
    }
    case Frequency::Yearly: {
      if (start.year + step >= kBeyondYear) return {BeyondDay(), BeyondDay()};
      const int year = static_cast<int>(start.year + step);
      return {DayNumber(year, 1, 1), DayNumber(year, 12, 31)};
    }
  }
  return {0, -1};
}

// A period shortly before the one that holds `from`: the periods before it need not be looked
// at when nothing is counted.
long long PeriodNear(const IcalTime& start, const RecurrenceRule& rule, long long from) {
  const long long fromDay = FloorDiv(from, kSecondsPerDay);
  const long long startDay = DayNumber(start);
  if (fromDay <= startDay) return 0;
  long long units = 0;
  if (rule.frequency == Frequency::Daily || rule.frequency == Frequency::Weekly) {
    units = (fromDay - startDay) / (rule.frequency == Frequency::Daily ? 1 : 7);
  } else {
    const CivilDateTime f = DecodeDateTime(static_cast<double>(std::min(fromDay, BeyondDay())));
    units = rule.frequency == Frequency::Yearly
                ? f.year - start.year
                : (f.year * 12LL + f.month) - (start.year * 12LL + start.month);
  }
  return std::max(0LL, units / rule.interval - 1);
}

// The times of day the rule gives each chosen day, in seconds, in order.
std::vector<long long> TimesOfDay(const RecurrenceRule& rule) {
  std::vector<long long> times;
  for (int h : rule.byHour)
    for (int m : rule.byMinute)
      for (int s : rule.bySecond) times.push_back(h * 3600LL + m * 60 + std::min(s, 59));
  std::sort(times.begin(), times.end());
  times.erase(std::unique(times.begin(), times.end()), times.end());
  return times;
}

// The indices BYSETPOS picks among n starts, in order.
std::vector<long long> SetPositions(long long n, const std::vector<int>& positions) {
  std::vector<long long> chosen;
  for (int p : positions) {
    const long long index = p > 0 ? p - 1 : n + p;
    if (index >= 0 && index < n) chosen.push_back(index);
  }
  std::sort(chosen.begin(), chosen.end());
  chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
  return chosen;
}

void Check(const RecurrenceRule& rule) {
  const bool yearly = rule.frequency == Frequency::Yearly;
  if (!rule.byYearDay.empty() && !yearly) Bad("RRULE BYYEARDAY goes only with FREQ YEARLY");
  if (!rule.byWeekNo.empty() && !yearly) Bad("RRULE BYWEEKNO goes only with FREQ YEARLY");
  if (!rule.byMonthDay.empty() && rule.frequency == Frequency::Weekly)
    Bad("RRULE BYMONTHDAY does not go with FREQ WEEKLY");
  const bool ordinalsAllowed =
      rule.frequency == Frequency::Monthly || (yearly && rule.byWeekNo.empty());
  for (const WeekdayRule& d : rule.byDay)
    if (d.ordinal && !ordinalsAllowed)
      Bad("RRULE BYDAY ordinals go only with FREQ MONTHLY or YEARLY without BYWEEKNO");
  if (rule.count && rule.until) Bad("RRULE with both COUNT and UNTIL");
}

}  // namespace

RecurrenceRule ParseRecurrenceRule(const std::string& text) {
  RecurrenceRule rule;
  bool haveFrequency = false;
  for (const std::string& part : Split(Upper(text), ';')) {
    if (part.empty()) continue;  // a trailing ";" as some exports write
    const std::size_t eq = part.find('=');
    if (eq == std::string::npos) Bad("RRULE part without '=': " + part);
    const std::string key = part.substr(0, eq);
    const std::string v = part.substr(eq + 1);
    if (key == "FREQ") {
      static const std::pair<const char*, Frequency> kFrequencies[] = {
          {"DAILY", Frequency::Daily},
          {"WEEKLY", Frequency::Weekly},
          {"MONTHLY", Frequency::Monthly},
          {"YEARLY", Frequency::Yearly}};
      const auto found = std::find_if(std::begin(kFrequencies), std::end(kFrequencies),
                                      [&](const auto& f) { return v == f.first; });
      if (found == std::end(kFrequencies)) Bad("RRULE FREQ " + v + " is not supported");
      rule.frequency = found->second;
      haveFrequency = true;
    } else if (key == "INTERVAL") {
      rule.interval = ParseInt(v, key);
      if (rule.interval < 1) Bad("RRULE INTERVAL must be at least 1");
    } else if (key == "COUNT") {
      rule.count = ParseInt(v, key);
      if (rule.count < 1) Bad("RRULE COUNT must be at least 1");
    } else if (key == "UNTIL") {
      rule.until = ParseIcalTime(v);
    } else if (key == "BYDAY") {
      for (const std::string& d : Split(v, ',')) rule.byDay.push_back(ParseWeekdayRule(d));
    } else if (key == "BYMONTHDAY") {
      rule.byMonthDay = Numbers(v, key, 31);
    } else if (key == "BYMONTH") {
      rule.byMonth = Numbers(v, key, 12);
      for (int m : rule.byMonth)
        if (m < 0) Bad("RRULE BYMONTH is out of range: " + std::to_string(m));
    } else if (key == "BYYEARDAY") {
      rule.byYearDay = Numbers(v, key, 366);
    } else if (key == "BYWEEKNO") {
      rule.byWeekNo = Numbers(v, key, 53);
    } else if (key == "BYHOUR") {
      rule.byHour = TimeValues(v, key, 23);
    } else if (key == "BYMINUTE") {
      rule.byMinute = TimeValues(v, key, 59);
    } else if (key == "BYSECOND") {
      rule.bySecond = TimeValues(v, key, 60);
    } else if (key == "BYSETPOS") {
      rule.bySetPos = Numbers(v, key, 366);
    } else if (key == "WKST") {
      rule.weekStart = WeekdayFromCode(v);
    } else {
      Bad("RRULE part " + key + " is not supported");
    }
  }
  if (!haveFrequency) Bad("RRULE without FREQ");
  Check(rule);
  return rule;
}

void ExpandRecurrence(const IcalTime& start, const RecurrenceRule& given,
                      std::optional<long long> until, const StartWindow& window,
                      const std::function<bool(long long)>& found) {
  const RecurrenceRule rule = WithDefaults(given, start);
  const long long startSeconds = SecondsOf(start);
  const long long startDay = DayNumber(start);
  const long long end = until ? std::min(window.to, *until + 1) : window.to;
  int passed = 0;
  // False once the expansion is over.
  const auto pass = [&](long long t) {
    if (t >= end) return false;
    if (t < window.from) return true;
    return found(t) && ++passed < kMaxOccurrences;
  };
  if (!pass(startSeconds)) return;
  long long produced = 1;
  const long long lastDay = DayNumber(9999, 12, 31);
  // The calendar repeats every 400 years: a rule that chose nothing for that long never will.
  constexpr long long kCycleDays = 146097;
  const std::vector<long long> times = TimesOfDay(rule);
  std::vector<long long> days, chosen;
  const bool monthsOnly = rule.frequency == Frequency::Yearly && !rule.byMonth.empty() &&
                          rule.byWeekNo.empty() && rule.byYearDay.empty();
  std::vector<int> months = rule.byMonth;
  std::sort(months.begin(), months.end());
  months.erase(std::unique(months.begin(), months.end()), months.end());
  // COUNT counts from the start, so such a series is walked from there.
  long long period = rule.count ? 0 : PeriodNear(start, rule, window.from);
  long long lastChosen = std::max(startDay, PeriodDays(start, rule, period).first);
  for (;; ++period) {
    if (rule.count && produced >= rule.count) return;
    const auto [first, last] = PeriodDays(start, rule, period);
    if (first > lastDay || first - lastChosen > kCycleDays) return;
    if (first > FloorDiv(end - 1, kSecondsPerDay)) return;
    days.clear();
    if (monthsOnly) {
      // Only the listed months can hold a day: a year's zone changes need not look at the rest.
      const int year = FactsOf(first).year;
      for (int month : months) {
        const long long monthFirst = DayNumber(year, month, 1);
        for (long long d = monthFirst; d < monthFirst + DaysInMonth(year, month); ++d)
          if (Selects(FactsOf(d), rule)) days.push_back(d);
      }
    } else {
      for (long long d = first; d <= last; ++d)
        if (Selects(FactsOf(d), rule)) days.push_back(d);
    }
    // The period's starts are its days by its times of day, in order; BYSETPOS picks by index.
    // Neither is written out: a rule with every second of the day would not fit.
    const auto n = static_cast<long long>(days.size() * times.size());
    if (!rule.bySetPos.empty()) chosen = SetPositions(n, rule.bySetPos);
    const long long count = rule.bySetPos.empty() ? n : static_cast<long long>(chosen.size());
    const auto startAt = [&](long long k) {
      const auto index =
          static_cast<std::size_t>(rule.bySetPos.empty() ? k : chosen[static_cast<std::size_t>(k)]);
      return days[index / times.size()] * kSecondsPerDay + times[index % times.size()];
    };
    if (count == 0) continue;
    lastChosen = FloorDiv(startAt(count - 1), kSecondsPerDay);
    // A period wholly before the window is only counted.
    if (startAt(0) > startSeconds && startAt(count - 1) < window.from) {
      if (rule.count && produced + count >= rule.count) return;
      produced += count;
      continue;
    }
    for (long long k = 0; k < count; ++k) {
      const long long t = startAt(k);
      if (t <= startSeconds) continue;
      ++produced;
      if (!pass(t)) return;
      if (rule.count && produced >= rule.count) return;
    }
  }
}

}  // namespace yb
