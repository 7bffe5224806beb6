#pragma once
// The new day that the hour step starts once the day's last hour is over.
// (The calendar's dates and month lengths are state/Calendar.h.)
#include "state/GameState.h"

// The hour step that takes Hour to this starts the new day.
inline constexpr int kHoursPerDay = 24;

// The new day, once the hour step has taken Hour to 24: the calendar, the
// day's dirt, loans falling due, the weekday and the week's popularity,
// the news day, the month end with its reports and payments, the day
// report, the year end, the deliveries and the shelf pictures, in that
// order. Sets Hour to 0.
void StartNewDay(GameState& g);
