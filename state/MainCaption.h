#pragma once
// The main window's caption of a running game: title, shop, funds, date,
// weekday and hour. The tick refreshes it when something changed it; the
// month and day reports show it with the date they report.
#include <string>

#include "state/GameState.h"
#include "state/ShownDate.h"

// The caption with today's date as TodayShown gives it.
std::string MainCaption(const GameState& g);
// The same caption with another date and its weekday in it (the month
// report shows the closing month's last day).
std::string MainCaptionOn(const GameState& g, const ShownDate& date);
