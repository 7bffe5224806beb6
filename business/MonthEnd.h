#pragma once
struct GameState;

// Books the new month's salaries, rent and premiums. Called by the calendar
// on the first day of a month, before the month report opens.
void MonthEndPayments(GameState& g);
