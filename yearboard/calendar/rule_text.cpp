#include "yearboard/calendar/rule_text.h"

#include <algorithm>
#include <vector>

#include "yearboard/base/ole_date.h"

namespace yb {
namespace {

using Frequency = RecurrenceRule::Frequency;

std::string Ordinal(int n) {
  static const char* const kWords[] = {"first", "second", "third", "fourth", "fifth"};
  if (n == -1) return "last";
  if (n == -2) return "second to last";
  if (n >= 1 && n <= 5) return kWords[n - 1];
  const int abs = n < 0 ? -n : n;
  const char* suffix = (abs % 100 >= 11 && abs % 100 <= 13) ? "th"
                       : abs % 10 == 1                     ? "st"
                       : abs % 10 == 2                     ? "nd"
                       : abs % 10 == 3                     ? "rd"
                                                           : "th";
  return std::to_string(abs) + suffix + (n < 0 ? " to last" : "");
}

std::string JoinWords(const std::vector<std::string>& words) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i) text += i + 1 == words.size() ? " and " : ", ";
    text += words[i];
  }
  return text;
}

// "on day 2 and 15", "on day 1 and the last day", "in week 20", "at hour 0 and 12".
std::string Days(const std::vector<int>& values, const char* preposition, const std::string& unit) {
  const bool allPositive = std::all_of(values.begin(), values.end(), [](int v) { return v > 0; });
  std::vector<std::string> words;
  for (int v : values) {
    if (allPositive)
      words.push_back(std::to_string(v));
    else
      words.push_back(v > 0 ? unit + " " + std::to_string(v) : "the " + Ordinal(v) + " " + unit);
  }
  return std::string(preposition) + " " + (allPositive ? unit + " " : "") + JoinWords(words);
}

}  // namespace

std::string DescribeRule(const RecurrenceRule& rule, const Formats& formats) {
  static const char* const kUnits[] = {"day", "week", "month", "year"};
  const char* unit = kUnits[static_cast<int>(rule.frequency)];
  std::string text = "Every ";
  if (rule.interval > 1) text += std::to_string(rule.interval) + " ";
  text += unit;
  if (rule.interval > 1) text += "s";

  std::vector<std::string> parts;
  if (!rule.byMonth.empty()) {
    std::vector<std::string> months;
    for (int m : rule.byMonth) months.push_back(MonthName(m, formats));
    parts.push_back("in " + JoinWords(months));
  }
  if (!rule.byWeekNo.empty()) parts.push_back(Days(rule.byWeekNo, "in", "week"));
  if (!rule.byYearDay.empty()) parts.push_back(Days(rule.byYearDay, "on", "day") + " of the year");
  if (!rule.byMonthDay.empty()) parts.push_back(Days(rule.byMonthDay, "on", "day"));
  if (!rule.byDay.empty()) {
    std::vector<std::string> days;
    for (const WeekdayRule& d : rule.byDay) {
      const std::string& name = formats.dayNames[static_cast<std::size_t>(d.weekday - 1)];
      days.push_back(d.ordinal ? "the " + Ordinal(d.ordinal) + " " + name : name);
    }
    parts.push_back("on " + JoinWords(days));
  }
  if (!rule.byHour.empty()) parts.push_back(Days(rule.byHour, "at", "hour"));
  if (!rule.byMinute.empty()) parts.push_back(Days(rule.byMinute, "at", "minute"));
  if (!rule.bySecond.empty()) parts.push_back(Days(rule.bySecond, "at", "second"));
  for (const std::string& part : parts) text += " " + part;
  if (!rule.bySetPos.empty()) {
    std::vector<std::string> positions;
    for (int p : rule.bySetPos) positions.push_back(Ordinal(p));
    text += ", the " + JoinWords(positions) + " of these";
  }
  if (rule.count) text += ", " + std::to_string(rule.count) + (rule.count == 1 ? " time" : " times");
  if (rule.until) {
    const IcalTime& u = *rule.until;
    text += ", until " + FormatGeneralDate(DateSerial(u.year, u.month, u.day), formats);
  }
  return text;
}

}  // namespace yb
