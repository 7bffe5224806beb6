#pragma once
// The game calendar's words: month lengths, leap years, and the date of the
// day that the new day's roll-over has just begun.
#include "state/GameState.h"

// The last year the calendar reaches: a game that gets there stays in it
// (the new year's day comes round again), so its year never leaves the
// range the saved game takes. No game is played this long.
inline constexpr int kLastGameYear = 100'000'000;

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
