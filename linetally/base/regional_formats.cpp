#include "linetally/base/regional_formats.h"

namespace lt {

RegionalFormats UsFormats() { return RegionalFormats{}; }

RegionalFormats DayFirstFormats(char dateSeparator, char timeSeparator) {
  RegionalFormats f;
  f.dateSeparator = dateSeparator;
  f.timeSeparator = timeSeparator;
  f.shortDateOrder = DateOrder::DayMonthYear;
  f.shortDateFormat = std::string("dd") + dateSeparator + "MM" + dateSeparator + "yyyy";
  f.longTimeFormat = std::string("HH") + timeSeparator + "mm" + timeSeparator + "ss";
  return f;
}

}  // namespace lt
