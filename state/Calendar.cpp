#include "state/Calendar.h"

namespace {

// Days of each month, January first; February gains a day in leap years.
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFebruary = 2;
constexpr int kMonthsPerYear = 12;

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0; }

int DaysInMonth(int year, int month) {
    if (month < 1 || month > kMonthsPerYear) return 0;
    return kMonthDays[month - 1] + (month == kFebruary && IsLeapYear(year) ? 1 : 0);
}

GameDate NewDayDate(const GameState& g) {
    GameDate d{g.Year.i(), g.Month.i(), g.Day.i()};
    if (d.day <= DaysInMonth(d.year, d.month)) return d;
    d.day = 1;
    if (++d.month > kMonthsPerYear) {
        d.month = 1;
        ++d.year;
    }
    return d;
}
