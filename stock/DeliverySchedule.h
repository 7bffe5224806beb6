#pragma once
// This month's delivery schedule: every day of the current month with what
// arrives on it — the books whose delivery countdown ends that day and the
// magazines issued that day with a standing order, each with the copies
// and what they cost — and "无" on a day with nothing.
#include <string>
#include <vector>

#include "state/GameState.h"
#include "stock/ReportWindowSize.h"

inline constexpr const char* kNothingArrivesText = "无";

// One row of the list. The "无" row has no quantity and no cost.
struct ScheduleLine {
    std::string name;
    std::string copies;  // "20册"
    std::string cost;    // "8万0000円"
};

struct ScheduleDay {
    int day = 0;
    std::string label;  // "1日 星期一"
    bool today = false; // drawn in red
    int firstRow = 0;   // the row the day's block starts at
};

struct DeliverySchedule {
    std::string heading;  // "2026年4月"
    std::vector<ScheduleDay> days;
    std::vector<ScheduleLine> rows;
};

// The whole month, days already past included: books first, then the
// magazines, each in catalogue order. Books are found on day Day + their
// countdown; one whose countdown runs past the month's end is not listed.
DeliverySchedule MonthSchedule(const GameState& g);

// The rebuild: clears ScheduleDirty and leaves the number of rows in
// ScheduleRow.
DeliverySchedule RebuildDeliverySchedule(GameState& g);

// ---- the list and the window ----

// Row r's top on the list; date labels and day rules stand at their day's
// first row.
inline constexpr int kScheduleRowPitch = 15;
inline constexpr int ScheduleRowTop(int row) { return kScheduleRowPitch * row + 8; }
inline constexpr int ScheduleDayRuleY(int firstRow) { return kScheduleRowPitch * firstRow + 6; }
// The list is two rows taller than its rows.
inline constexpr int ScheduleListHeight(int rows) { return (rows + 2) * kScheduleRowPitch + 8; }
// The column rules end at the bottom of the last row.
inline constexpr int ScheduleRuleBottom(int rows) { return kScheduleRowPitch * rows + 8; }

// The size rules on every resize and after every rebuild (not while
// minimised): the outer size within its bounds, and shrunk to the list
// when the list fits.
OuterSize ScheduleWindowOuter(OuterSize outer, int clientHeight, int listHeight);

// Where the scroll bar and the viewport go in a window of this client
// size. The scroll maximum is never below 0.
struct ScheduleWindowParts {
    int scrollLeft = 0, scrollHeight = 0, scrollMax = 0, viewportHeight = 0;
    bool operator==(const ScheduleWindowParts&) const = default;
};
ScheduleWindowParts ScheduleWindowLayout(int clientWidth, int clientHeight, int listHeight);
