#pragma once
// The rules of the telecom dialog that need no window: what the amount edits accept, which
// service names are refused, the "!90:00;1;_" time fields and their conversion to the stored
// fractions of a day, and the check of a whole form before anything is written.
#include <optional>
#include <string>

#include "linetally/tariffs/service_store.h"
#include "linetally/tariffs/telecom_service.h"

namespace lt {

inline constexpr char kBackspace = '\b';
inline constexpr const char* kEmptyTime = "  :  ";  // the time field with nothing in it

// A digit or backspace passes; "." passes while the text holds none (the selection is not
// looked at); everything else is dropped.
bool AmountKeyAllowed(char c, const std::string& text);

// The first of " & * , / : < > ? \ | in the name, if any.
std::optional<char> IllegalNameCharacter(const std::string& name);
// "Service contains an illegal character ( c )", as the message box shows it.
std::string IllegalCharacterMessage(char c);
bool IsBlankName(const std::string& name);  // empty or blanks only

// "HH:MM" (blanks for empty positions) with ":00" appended, read as a time of day; empty when
// it is no valid time. The fraction is exact in double, as the stored value.
std::optional<double> TimeTextToFraction(const std::string& text);
// Two-digit 24-hour hours and minutes of a stored fraction, whatever the locale.
std::string FractionToTimeText(double fraction);

// The five-position time field: an optional hour digit, a required hour digit, the fixed
// separator, two required minute digits. Empty positions are blanks in Text().
class TimeMask {
 public:
  static constexpr int kLength = 5, kSeparator = 2;
  std::string Text() const { return text; }
  std::string DisplayText() const;  // empty positions as "_"
  void SetText(const std::string& value);  // from a stored time; not a modification
  // Any text a control may show (a paste, a text set from outside) in the five positions: the
  // hours are what stands before a ":", right-aligned; without one, the digits in order.
  static std::string FromShown(const std::string& shown);
  // The field changed other than by typing (a paste, a cut): a modification.
  void Replace(const std::string& value);
  void BeginEdit() { saved = text; }        // the field takes the focus
  int Caret() const { return caret; }
  void SetCaret(int position);
  bool TypeChar(char c);  // false when refused
  void Backspace();
  void Delete();
  bool Modified() const { return modified; }
  void ClearModified() { modified = false; }  // the edit was accepted
  bool Complete() const;  // every required position holds a digit
  void Revert();          // back to the text the field had when it took the focus

 private:
  std::string text = kEmptyTime, saved = kEmptyTime;
  int caret = 0;
  bool modified = false;
};

// The dialog's controls as texts and ticks.
struct ServiceForm {
  std::string cost = "0.000", minCharge = "0.000", connCharge = "0.000", discount = "0.000";
  bool minChargeOn = false, connChargeOn = false, discountOn = false;
  bool mon = false, tue = false, wed = false, thu = false, fri = false, sat = false, sun = false;
  std::string after = kEmptyTime, before = kEmptyTime;
  std::string connections;
};

// The service to store, or the message that names what is wrong; nothing is saved then.
struct FormCheck {
  std::optional<TelecomService> service;
  std::string error;
};
FormCheck CheckForm(const ServiceForm& form, const std::string& name);
ServiceForm FormOf(const TelecomService& service);
// The same, with a time that did not read shown as the empty time.
ServiceForm FormOf(const StoredService& stored);

}  // namespace lt
