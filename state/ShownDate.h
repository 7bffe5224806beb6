#pragma once
// The date the windows show. Outside the new day the calendar names today;
// inside it, while the roll-over waits in one of its windows, the calendar
// stands between its steps: Day may stand one past the month's end, Month
// at 13, Day held back at the closing month's last day, or Weekday not yet
// moved on. Every window that shows a date takes it from here, so none
// shows a month 13, a day past the month's end or a weekday of another day.
#include <string>

#include "state/GameState.h"

struct ShownDate {
    int year = 0, month = 0, day = 0;
    int weekday = 0;  // 0 Sunday .. 6 Saturday
};

// Today as the information windows, the delivery schedule, the day report
// and the main caption show it: during the new day, the day that has begun
// (1 January of the next year while Month holds 13), with its own weekday.
ShownDate TodayShown(const GameState& g);

// The date the month report and the caption it refreshes show: the closing
// month's last day, with that day's weekday (the week has already moved on
// to the new day when the report comes up).
ShownDate MonthReportShown(const GameState& g);

// "星期日" .. "星期六" for 0..6; a day outside the week gives "".
std::string WeekdayName(int weekday);
