#pragma once
// Civil dates and OLE dates (double days since 1899-12-30, the fraction the time of day),
// proleptic Gregorian, as the calendar client passes them.
namespace yb {

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

long long DaysFromCivil(CivilDate date);  // days since 1899-12-30
CivilDate CivilFromDays(long long days);
int DaysInMonth(int year, int month);
int WeekdayOfDays(long long days);  // 1 = Sunday .. 7 = Saturday

double OleDate(CivilDate date, int hour = 0, int minute = 0, int second = 0);
// Whole days of an OLE date (negative dates count back, their fraction still forward).
long long OleDays(double oleDate);
// Seconds since midnight of an OLE date, rounded to the nearest second.
int OleSecondOfDay(double oleDate);

}  // namespace yb
