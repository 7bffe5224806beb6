#include "state/ShownDate.h"

#include "state/Calendar.h"

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kMonthsPerYear = 12;

constexpr const char* kWeekdayNames[kDaysPerWeek] = {"星期日", "星期一", "星期二", "星期三",
                                                     "星期四", "星期五", "星期六"};

int WeekdayAfter(int weekday, int days) {
    return ((weekday + days) % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek;
}

ShownDate AsStored(const GameState& g) { return ShownDate{g.Year.i(), g.Month.i(), g.Day.i(), g.Weekday.i()}; }

}  // namespace

ShownDate TodayShown(const GameState& g) {
    ShownDate d = AsStored(g);
    switch (g.newDayStep) {
    case NewDayStep::DayMovedOn: d.weekday = WeekdayAfter(d.weekday, 1); break;
    case NewDayStep::MonthClosing: ++d.day; break;
    case NewDayStep::Settled: break;
    }
    // Month 13 is January of the next year; a day past the month's end is
    // the 1st of the next month.
    if (d.month > kMonthsPerYear) {
        d.month = 1;
        ++d.year;
    }
    if (d.month >= 1 && d.day > DaysInMonth(d.year, d.month)) {
        d.day = 1;
        if (++d.month > kMonthsPerYear) {
            d.month = 1;
            ++d.year;
        }
    }
    return d;
}

ShownDate MonthReportShown(const GameState& g) {
    ShownDate d = AsStored(g);
    if (g.newDayStep == NewDayStep::MonthClosing) d.weekday = WeekdayAfter(d.weekday, -1);
    return d;
}

std::string WeekdayName(int weekday) {
    return weekday >= 0 && weekday < kDaysPerWeek ? kWeekdayNames[weekday] : "";
}
