#pragma once
// The game calendar: month lengths, leap years, and the new day that the
// hour step starts once the day's last hour is over.
#include "state/GameState.h"

// The hour step that takes Hour to this starts the new day.
inline constexpr int kHoursPerDay = 24;

// Every year divisible by 4 is a leap year, centuries included (2100 too).
bool IsLeapYear(int year);
// Days of `month` (1..12) in `year`; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

struct GameDate {
    int year, month, day;
};
// The date of the day that has just begun. Right after Day has moved on it
// may stand one past the month's end; the new day is then the 1st of the
// next month (1 January of the next year after December).
GameDate NewDayDate(const GameState& g);

// The new day, once the hour step has taken Hour to 24: the calendar, the
// day's dirt, loans falling due, the weekday and the week's popularity,
// the news day, the month end with its reports and payments, the day
// report, the year end, the deliveries and the shelf pictures, in that
// order. Sets Hour to 0.
void StartNewDay(GameState& g);
