#include "yearboard/calendar/ole_date.h"

#include <cmath>

namespace yb {

namespace {
// 1899-12-30 counted from 0000-03-01.
constexpr long long kOleEpoch = 693899;

long long DaysFromMarchZero(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe);
}
}  // namespace

long long DaysFromCivil(CivilDate date) {
    return DaysFromMarchZero(date.year, static_cast<unsigned>(date.month),
                             static_cast<unsigned>(date.day)) - kOleEpoch;
}

CivilDate CivilFromDays(long long days) {
    const long long z = days + kOleEpoch;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return kDays[month - 1];
}

int WeekdayOfDays(long long days) {
    // 1899-12-30 was a Saturday.
    const long long w = (days % 7 + 7) % 7;
    return static_cast<int>((w + 6) % 7) + 1;
}

double OleDate(CivilDate date, int hour, int minute, int second) {
    const double days = static_cast<double>(DaysFromCivil(date));
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    // OLE dates before the epoch carry the time of day as a positive fraction.
    return days >= 0 ? days + time : days - time;
}

long long OleDays(double oleDate) {
    return static_cast<long long>(oleDate >= 0 ? std::floor(oleDate) : std::ceil(oleDate));
}

int OleSecondOfDay(double oleDate) {
    const double fraction = std::fabs(oleDate - static_cast<double>(OleDays(oleDate)));
    int seconds = static_cast<int>(std::lround(fraction * 86400.0));
    return seconds >= 86400 ? 86399 : seconds;
}

}  // namespace yb
