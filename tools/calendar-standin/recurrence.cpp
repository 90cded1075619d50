#include "tools/calendar-standin/recurrence.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "yearboard/base/ole_date.h"

namespace standin {
namespace {

using Frequency = RecurrenceRule::Frequency;

// Whole days since 1899-12-30, the arithmetic unit of the expansion.
long long DayOf(int year, int month, int day) {
  return static_cast<long long>(yb::DateSerial(year, month, day));
}
long long DayOf(const IcalTime& t) {
  return DayOf(t.year, t.month, t.day);
}
yb::CivilDateTime CivilOf(long long day) {
  return yb::DecodeDateTime(static_cast<double>(day));
}
int WeekdayOf(long long day) {
  return yb::Weekday(static_cast<double>(day));
}
int DaysInMonth(int year, int month) {
  return static_cast<int>(DayOf(year, month + 1, 1) - DayOf(year, month, 1));
}

[[noreturn]] void Bad(const std::string& what) {
  throw std::invalid_argument(what);
}

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

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

int WeekdayFromCode(const std::string& code) {
  static const char* const kCodes[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
  for (int i = 0; i < 7; ++i)
    if (code == kCodes[i]) return i + 1;
  Bad("RRULE weekday is not one of SU MO TU WE TH FR SA: " + code);
}

WeekdayRule ParseWeekdayRule(const std::string& text) {
  if (text.size() < 2) Bad("RRULE BYDAY entry is too short: " + text);
  WeekdayRule rule;
  rule.weekday = WeekdayFromCode(text.substr(text.size() - 2));
  const std::string ordinal = text.substr(0, text.size() - 2);
  if (!ordinal.empty()) {
    rule.ordinal = ParseInt(ordinal, "BYDAY");
    if (rule.ordinal == 0 || rule.ordinal < -53 || rule.ordinal > 53)
      Bad("RRULE BYDAY ordinal is out of range: " + text);
  }
  return rule;
}

bool Contains(const std::vector<int>& list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// Days in [first, last] that a BYDAY list selects; ordinals count within that span.
std::vector<long long> WeekdayDays(long long first, long long last,
                                   const std::vector<WeekdayRule>& byDay) {
  std::vector<long long> days;
  for (const WeekdayRule& r : byDay) {
    const long long firstMatch = first + (r.weekday - WeekdayOf(first) + 7) % 7;
    if (r.ordinal == 0) {
      for (long long d = firstMatch; d <= last; d += 7) days.push_back(d);
    } else if (r.ordinal > 0) {
      const long long d = firstMatch + 7LL * (r.ordinal - 1);
      if (d <= last) days.push_back(d);
    } else {
      const long long lastMatch = last - (WeekdayOf(last) - r.weekday + 7) % 7;
      const long long d = lastMatch - 7LL * (-r.ordinal - 1);
      if (d >= first) days.push_back(d);
    }
  }
  return days;
}

void SortUnique(std::vector<long long>& days) {
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
}

// The days of one month a MONTHLY or YEARLY rule selects.
std::vector<long long> MonthDays(int year, int month, const RecurrenceRule& rule, int defaultDay) {
  const int length = DaysInMonth(year, month);
  const long long first = DayOf(year, month, 1);
  const long long last = first + length - 1;
  std::vector<long long> days;
  if (!rule.byMonthDay.empty()) {
    const std::vector<long long> allowed =
        rule.byDay.empty() ? std::vector<long long>() : WeekdayDays(first, last, rule.byDay);
    for (int md : rule.byMonthDay) {
      const int day = md > 0 ? md : length + md + 1;
      if (day < 1 || day > length) continue;
      const long long d = first + day - 1;
      if (rule.byDay.empty() || std::find(allowed.begin(), allowed.end(), d) != allowed.end())
        days.push_back(d);
    }
  } else if (!rule.byDay.empty()) {
    days = WeekdayDays(first, last, rule.byDay);
  } else if (defaultDay <= length) {
    days.push_back(first + defaultDay - 1);
  }
  return days;
}

// The first day the period'th period covers, whether or not the rule selects it.
long long PeriodFirstDay(const IcalTime& start, const RecurrenceRule& rule, long long period) {
  const long long step = period * rule.interval;
  switch (rule.frequency) {
    case Frequency::Daily:
      return DayOf(start) + step;
    case Frequency::Weekly:
      return DayOf(start) - (WeekdayOf(DayOf(start)) - rule.weekStart + 7) % 7 + 7 * step;
    case Frequency::Monthly: {
      const long long monthIndex = start.year * 12LL + (start.month - 1) + step;
      return DayOf(static_cast<int>(monthIndex / 12), static_cast<int>(monthIndex % 12) + 1, 1);
    }
    case Frequency::Yearly:
      return DayOf(static_cast<int>(start.year + step), 1, 1);
  }
  return 0;
}

// Candidate days of the period'th period of the rule, in order.
std::vector<long long> PeriodDays(const IcalTime& start, const RecurrenceRule& rule,
                                  long long period) {
  const long long step = period * rule.interval;
  std::vector<long long> days;
  switch (rule.frequency) {
    case Frequency::Daily: {
      const long long d = DayOf(start) + step;
      const yb::CivilDateTime c = CivilOf(d);
      const int length = DaysInMonth(c.year, c.month);
      const bool dayOk = rule.byMonthDay.empty() || Contains(rule.byMonthDay, c.day) ||
                         Contains(rule.byMonthDay, c.day - length - 1);
      const bool weekdayOk = rule.byDay.empty() || std::any_of(rule.byDay.begin(), rule.byDay.end(),
                                                               [&](const WeekdayRule& r) {
                                                                 return r.weekday == WeekdayOf(d);
                                                               });
      if (dayOk && weekdayOk) days.push_back(d);
      break;
    }
    case Frequency::Weekly: {
      const long long startDay = DayOf(start);
      const long long weekFirst = PeriodFirstDay(start, rule, period);
      for (long long d = weekFirst; d < weekFirst + 7; ++d) {
        const int w = WeekdayOf(d);
        const bool wanted = rule.byDay.empty()
                                ? w == WeekdayOf(startDay)
                                : std::any_of(rule.byDay.begin(), rule.byDay.end(),
                                              [&](const WeekdayRule& r) { return r.weekday == w; });
        if (wanted) days.push_back(d);
      }
      break;
    }
    case Frequency::Monthly: {
      const long long monthIndex = start.year * 12LL + (start.month - 1) + step;
      days = MonthDays(static_cast<int>(monthIndex / 12), static_cast<int>(monthIndex % 12) + 1,
                       rule, start.day);
      break;
    }
    case Frequency::Yearly: {
      const int year = static_cast<int>(start.year + step);
      if (!rule.byMonth.empty()) {
        for (int m : rule.byMonth) {
          const std::vector<long long> month = MonthDays(year, m, rule, start.day);
          days.insert(days.end(), month.begin(), month.end());
        }
      } else if (!rule.byMonthDay.empty()) {
        for (int m = 1; m <= 12; ++m) {
          const std::vector<long long> month = MonthDays(year, m, rule, start.day);
          days.insert(days.end(), month.begin(), month.end());
        }
      } else if (!rule.byDay.empty()) {
        days = WeekdayDays(DayOf(year, 1, 1), DayOf(year, 12, 31), rule.byDay);
      } else if (start.day <= DaysInMonth(year, start.month)) {
        days.push_back(DayOf(year, start.month, start.day));
      }
      return SortUnique(days), days;
    }
  }
  if (!rule.byMonth.empty())
    std::erase_if(days, [&](long long d) { return !Contains(rule.byMonth, CivilOf(d).month); });
  SortUnique(days);
  return days;
}

IcalTime AtDay(const IcalTime& start, long long day) {
  IcalTime t = start;
  const yb::CivilDateTime c = CivilOf(day);
  t.year = c.year;
  t.month = c.month;
  t.day = c.day;
  return t;
}

long long SecondOfDay(const IcalTime& t) {
  return t.hour * 3600LL + t.minute * 60 + t.second;
}

bool IsException(const IcalTime& t, const std::vector<IcalTime>& exceptions) {
  for (const IcalTime& e : exceptions) {
    if (DayOf(e) != DayOf(t)) continue;
    if (e.isDate || t.isDate || SecondOfDay(e) == SecondOfDay(t)) return true;
  }
  return false;
}

bool AfterUntil(const IcalTime& t, const std::optional<IcalTime>& until) {
  if (!until) return false;
  if (DayOf(t) != DayOf(*until)) return DayOf(t) > DayOf(*until);
  return !until->isDate && !t.isDate && SecondOfDay(t) > SecondOfDay(*until);
}

}  // namespace

IcalTime ParseIcalTime(const std::string& value, bool dateOnly) {
  const auto digits = [&](std::size_t from, std::size_t n) {
    int v = 0;
    for (std::size_t i = from; i < from + n; ++i) {
      if (i >= value.size() || !std::isdigit(static_cast<unsigned char>(value[i])))
        Bad("not a date-time: \"" + value + "\"");
      v = v * 10 + (value[i] - '0');
    }
    return v;
  };
  IcalTime t;
  t.year = digits(0, 4);
  t.month = digits(4, 2);
  t.day = digits(6, 2);
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month) ||
      t.year < 1601)
    Bad("not a valid date: \"" + value + "\"");
  if (value.size() == 8) {
    t.isDate = true;
    return t;
  }
  if (dateOnly || value.size() < 15 || value[8] != 'T') Bad("not a date: \"" + value + "\"");
  t.hour = digits(9, 2);
  t.minute = digits(11, 2);
  t.second = digits(13, 2);
  if (t.hour > 23 || t.minute > 59 || t.second > 60) Bad("not a valid time: \"" + value + "\"");
  if (t.second == 60) t.second = 59;  // a leap second stays within its minute
  if (value.size() == 16 && value[15] == 'Z')
    t.utc = true;
  else if (value.size() != 15)
    Bad("not a date-time: \"" + value + "\"");
  return t;
}

RecurrenceRule ParseRecurrenceRule(const std::string& value) {
  RecurrenceRule rule;
  bool haveFrequency = false;
  for (const std::string& part : Split(value, ';')) {
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
      rule.until = ParseIcalTime(v, false);
    } else if (key == "BYDAY") {
      for (const std::string& d : Split(v, ',')) rule.byDay.push_back(ParseWeekdayRule(d));
    } else if (key == "BYMONTHDAY") {
      for (const std::string& d : Split(v, ',')) {
        const int md = ParseInt(d, key);
        if (md == 0 || md < -31 || md > 31) Bad("RRULE BYMONTHDAY is out of range: " + d);
        rule.byMonthDay.push_back(md);
      }
    } else if (key == "BYMONTH") {
      for (const std::string& m : Split(v, ',')) {
        const int month = ParseInt(m, key);
        if (month < 1 || month > 12) Bad("RRULE BYMONTH is out of range: " + m);
        rule.byMonth.push_back(month);
      }
    } else if (key == "WKST") {
      rule.weekStart = WeekdayFromCode(v);
    } else {
      Bad("RRULE part " + key + " is not supported");
    }
  }
  if (!haveFrequency) Bad("RRULE without FREQ");
  if (rule.count && rule.until) Bad("RRULE with both COUNT and UNTIL");
  const bool periodOrdinals =
      rule.frequency == Frequency::Daily || rule.frequency == Frequency::Weekly;
  for (const WeekdayRule& d : rule.byDay)
    if (d.ordinal && periodOrdinals) Bad("RRULE BYDAY ordinals need FREQ MONTHLY or YEARLY");
  if (rule.frequency == Frequency::Weekly && !rule.byMonthDay.empty())
    Bad("RRULE BYMONTHDAY does not go with FREQ WEEKLY");
  return rule;
}

void ExpandRecurrence(const IcalTime& start, const RecurrenceRule& rule,
                      const std::vector<IcalTime>& exceptions,
                      const std::function<bool(const IcalTime&)>& found) {
  int produced = 1;
  if (!IsException(start, exceptions) && !found(start)) return;
  const long long startDay = DayOf(start);
  const long long lastDay = DayOf(9999, 12, 31);
  for (long long period = 0;; ++period) {
    if (rule.count && produced >= rule.count) return;
    if (produced >= kMaxOccurrences) return;
    // Rules that select nothing for a long while (31 February) still end.
    const long long first = PeriodFirstDay(start, rule, period);
    if (first > lastDay || (rule.until && first > DayOf(*rule.until))) return;
    const std::vector<long long> days = PeriodDays(start, rule, period);
    for (long long day : days) {
      if (day <= startDay) continue;
      const IcalTime t = AtDay(start, day);
      if (AfterUntil(t, rule.until)) return;
      ++produced;
      if (!IsException(t, exceptions) && !found(t)) return;
      if ((rule.count && produced >= rule.count) || produced >= kMaxOccurrences) return;
    }
  }
}

}  // namespace standin
