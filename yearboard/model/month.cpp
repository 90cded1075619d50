#include "yearboard/model/month.h"

#include "yearboard/base/ole_date.h"

namespace yb {

std::int16_t FirstDayOfWeek = 2;

void cMonth::SetNumber(std::int16_t month) {
  number = month;
  // The first day past the month's end rolls into the next month.
  numberOfDays = 31;
  for (int i = 28; i <= 31; ++i) {
    if (Month(DateSerial(yearValue, number, i + 1)) != Month(DateSerial(yearValue, number, 1))) {
      numberOfDays = static_cast<std::int16_t>(i);
      break;
    }
  }
  int cell = DayOfFirst() - FirstDayOfWeek + 1;
  if (cell <= 0) cell += 7;
  cellOfFirst = static_cast<std::int16_t>(cell);
}

std::string cMonth::Name(const Formats& formats) const {
  return FormatPicture(DateSerial(yearValue, number, 1), "MMMM", formats);
}

std::int16_t cMonth::DayOfFirst() const {
  return static_cast<std::int16_t>(Weekday(DateSerial(yearValue, number, 1)));
}

}  // namespace yb
