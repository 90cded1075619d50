#include "linetally/tariffs/service_form.h"

#include <cmath>
#include <cstdio>

#include "linetally/tariffs/amount.h"

namespace lt {
namespace {

constexpr const char* kIllegal = "\"&*,/:<>?\\|";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One or two digits between blanks, at most `limit`.
std::optional<int> TimeField(const std::string& part, int limit) {
  std::string digits = Trim(part);
  if (digits.empty() || digits.size() > 2 || !IsDigit(digits[0]) ||
      (digits.size() == 2 && !IsDigit(digits[1])))
    return std::nullopt;
  int value = std::stoi(digits);
  if (value > limit) return std::nullopt;
  return value;
}

// An amount the cost step would need and could not convert (typically left empty).
std::optional<std::string> MissingAmount(const std::string& text, bool enabled,
                                         const char* field) {
  if (!enabled || TryStrToAmount(text)) return std::nullopt;
  return std::string("Please enter an amount for \"") + field + "\".";
}

}  // namespace

bool AmountKeyAllowed(char c, const std::string& text) {
  if (IsDigit(c) || c == kBackspace) return true;
  return c == '.' && text.find('.') == std::string::npos;
}

std::optional<char> IllegalNameCharacter(const std::string& name) {
  size_t at = name.find_first_of(kIllegal);
  if (at == std::string::npos) return std::nullopt;
  return name[at];
}

// The message box shows its text as it is, so "&" stands once.
std::string IllegalCharacterMessage(char c) {
  return std::string("Service contains an illegal character ( ") + c + " )";
}

bool IsBlankName(const std::string& name) { return Trim(name).empty(); }

std::optional<double> TimeTextToFraction(const std::string& text) {
  std::string full = text + ":00";
  size_t first = full.find(':'), second = full.find(':', first + 1);
  if (second == std::string::npos || full.find(':', second + 1) != std::string::npos)
    return std::nullopt;
  auto hours = TimeField(full.substr(0, first), 23);
  auto minutes = TimeField(full.substr(first + 1, second - first - 1), 59);
  auto seconds = TimeField(full.substr(second + 1), 59);
  if (!hours || !minutes || !seconds) return std::nullopt;
  long ms = (*hours * 3600L + *minutes * 60L + *seconds) * 1000L;
  volatile double fraction = static_cast<double>(ms) / 86400000.0;  // no x87 excess precision
  return fraction;
}

std::string FractionToTimeText(double fraction) {
  long long minutes = std::llround(fraction * 1440.0) % 1440;
  if (minutes < 0) minutes += 1440;
  char text[8];
  std::snprintf(text, sizeof text, "%02lld:%02lld", minutes / 60, minutes % 60);
  return text;
}

std::string TimeMask::DisplayText() const {
  std::string shown = text;
  for (int i = 0; i < kLength; ++i)
    if (i != kSeparator && shown[i] == ' ') shown[i] = '_';
  return shown;
}

void TimeMask::SetText(const std::string& value) {
  text = kEmptyTime;
  for (int i = 0; i < kLength && i < static_cast<int>(value.size()); ++i)
    if (i != kSeparator && IsDigit(value[i])) text[i] = value[i];
  saved = text;
  modified = false;
  caret = 0;
}

std::string TimeMask::FromShown(const std::string& shown) {
  std::string hours, minutes;
  const size_t colon = shown.find(':');
  if (colon != std::string::npos) {
    hours = shown.substr(0, colon);
    minutes = shown.substr(colon + 1);
  } else {
    for (char c : shown)
      if (IsDigit(c)) (hours.size() < 2 ? hours : minutes) += c;
  }
  if (hours.size() < 2) hours.insert(0, 2 - hours.size(), ' ');
  hours = hours.substr(hours.size() - 2);
  minutes.resize(2, ' ');
  auto position = [](char c) { return IsDigit(c) ? c : ' '; };
  return {position(hours[0]), position(hours[1]), ':', position(minutes[0]), position(minutes[1])};
}

void TimeMask::Replace(const std::string& value) {
  const std::string before = saved;
  SetText(value);
  saved = before;
  modified = true;
}

void TimeMask::SetCaret(int position) {
  caret = position < 0 ? 0 : position > kLength ? kLength : position;
}

bool TimeMask::TypeChar(char c) {
  if (caret == kSeparator) ++caret;
  if (caret >= kLength) return false;
  bool blankAllowed = caret == 0;  // the optional hour digit
  if (!IsDigit(c) && !(c == ' ' && blankAllowed)) return false;
  text[caret++] = c;
  if (caret == kSeparator) ++caret;
  modified = true;
  return true;
}

void TimeMask::Backspace() {
  int position = caret - 1;
  if (position == kSeparator) --position;
  if (position < 0) return;
  text[position] = ' ';
  caret = position;
  modified = true;
}

void TimeMask::Delete() {
  if (caret == kSeparator) ++caret;
  if (caret >= kLength) return;
  text[caret] = ' ';
  modified = true;
}

bool TimeMask::Complete() const { return IsDigit(text[1]) && IsDigit(text[3]) && IsDigit(text[4]); }

void TimeMask::Revert() {
  text = saved;
  modified = false;
  caret = 0;
}

FormCheck CheckForm(const ServiceForm& form, const std::string& name) {
  FormCheck check;
  for (auto missing : {MissingAmount(form.cost, true, "Cost per minute"),
                       MissingAmount(form.minCharge, form.minChargeOn, "Minimum call charge"),
                       MissingAmount(form.discount, form.discountOn, "Apply discount to calls"),
                       MissingAmount(form.connCharge, form.connChargeOn, "Connection charge")}) {
    if (missing) {
      check.error = *missing;
      return check;
    }
  }
  auto after = TimeTextToFraction(form.after), before = TimeTextToFraction(form.before);
  if (!after || !before) {
    check.error = "'" + (after ? form.before : form.after) + ":00' is not a valid time";
    return check;
  }
  ConnectionsCheck connections = CheckConnections(form.connections);
  if (!connections.error.empty()) {
    check.error = connections.error;
    return check;
  }
  TelecomService s;
  s.Name = name;
  s.Cost = form.cost;
  s.MinChargeOn = form.minChargeOn;
  s.MinCharge = form.minCharge;
  s.ConnChargeOn = form.connChargeOn;
  s.ConnCharge = form.connCharge;
  s.DiscountOn = form.discountOn;
  s.Discount = form.discount;
  s.Mon = form.mon, s.Tue = form.tue, s.Wed = form.wed, s.Thu = form.thu;
  s.Fri = form.fri, s.Sat = form.sat, s.Sun = form.sun;
  s.Days = BuildDays(s);
  s.After = *after;
  s.Before = *before;
  s.Connections = connections.text;
  check.service = s;
  return check;
}

ServiceForm FormOf(const TelecomService& s) {
  ServiceForm form;
  form.cost = s.Cost;
  form.minChargeOn = s.MinChargeOn;
  form.minCharge = s.MinCharge;
  form.connChargeOn = s.ConnChargeOn;
  form.connCharge = s.ConnCharge;
  form.discountOn = s.DiscountOn;
  form.discount = s.Discount;
  form.mon = s.Mon, form.tue = s.Tue, form.wed = s.Wed, form.thu = s.Thu;
  form.fri = s.Fri, form.sat = s.Sat, form.sun = s.Sun;
  form.after = FractionToTimeText(s.After);
  form.before = FractionToTimeText(s.Before);
  form.connections = s.Connections;
  return form;
}

ServiceForm FormOf(const StoredService& stored) {
  ServiceForm form = FormOf(stored.service);
  if (stored.Unreadable(&TelecomService::After)) form.after = kEmptyTime;
  if (stored.Unreadable(&TelecomService::Before)) form.before = kEmptyTime;
  return form;
}

}  // namespace lt
