#pragma once
// The day report shown at the start of every game day: the new date, the
// magazines that come out today and the books that arrive today. Closing it
// closes the previous day.
#include <string>
#include <vector>

#include "state/ShownDate.h"
#include "state/GameState.h"

struct DayReport {
    // The new day (TodayShown): on the first day of a year the calendar
    // still holds Month 13 of the old year while the report is up, and the
    // report shows 1 January of the new year.
    ShownDate date;
    std::string caption;  // "今日是2026年4月1日"
    std::string weekday;  // "星期三"
    // The list, one line per item: the magazine heading, the titles out
    // today ("→  " before the ones the shop stocks), the book heading and
    // the books that arrive today; "无" for an empty section.
    std::vector<std::string> lines;
};
DayReport BuildDayReport(const GameState& g);

// The day report opens: its tick count starts again.
void DayReportOpened(GameState& g);

// One 100 ms tick of the report's timer (see ReportTimerTick): 25 ticks per
// step of the setting, 5 s at 8. True when the report closes itself now.
inline constexpr int kDayReportTicksPerStep = 25;
bool DayReportTimerTick(GameState& g);

// Closing the day report, however it closes: the daily histories move on,
// the day column of the ledger is cleared (the month and year columns keep
// what they hold, the month-end charges among them), and the day counters of
// the clerk advice, robbery and disaster rules move on.
void DayClose(GameState& g);
