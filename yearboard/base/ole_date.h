#pragma once
// Date-times as OLE dates: days since 1899-12-30 as a double, the fraction being the time of
// day. Civil dates are proleptic Gregorian; weekdays run 1 = Sunday .. 7 = Saturday.
namespace yb {

using OleDate = double;

struct CivilDateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// A month or day beyond its range rolls into the following (or previous) month or year,
// so DateSerial(1998, 2, 29) is 1 March 1998 and DateSerial(1998, 13, 1) is 1 January 1999.
OleDate DateSerial(int year, int month, int day);
OleDate DateTimeSerial(int year, int month, int day, int hour, int minute, int second);

// To the nearest second; a time that rounds up to midnight belongs to the next day.
CivilDateTime DecodeDateTime(OleDate value);
int Year(OleDate value);
int Month(OleDate value);
int Day(OleDate value);
int Weekday(OleDate value);  // 1 = Sunday .. 7 = Saturday
bool IsMidnight(OleDate value);

}  // namespace yb
