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

// Seconds counted from 1899-12-30 00:00 on a continuous scale, and back. Before that day an
// OLE date is a negative day count with a positive time of day (-1.25 is 29 December 1899,
// 06:00), so neither a plain multiplication nor a plain comparison of the doubles will do.
long long OleToSeconds(OleDate value);  // to the nearest second
OleDate OleFromSeconds(long long seconds);

// To the nearest second; a time that rounds up to midnight belongs to the next day.
CivilDateTime DecodeDateTime(OleDate value);
int Year(OleDate value);
int Month(OleDate value);
int Day(OleDate value);
int Weekday(OleDate value);  // 1 = Sunday .. 7 = Saturday
bool IsMidnight(OleDate value);

}  // namespace yb
