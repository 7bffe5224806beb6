#pragma once
// The main tick: one simulation step per firing of the game timer. It shows
// the status-bar message and the caption through the platform, runs the
// shop's clock and business, walks every person slot, cycles the doors and
// opens the game-over or grand-prize window when they are due.
#include <string>

#include "state/ShownDate.h"
#include "state/GameState.h"

// One tick, in its fixed order. Guarded against re-entry: a tick that is
// still waiting in a window never has a second tick run inside it.
void MainTick(GameState& g);

// The tick's step for one person slot: a person who reached the floor's
// edge is freed, the slot ages by one tick, its state machine runs, a
// person on the floor walks, and the door cells are checked.
void TickPersonSlot(GameState& g, int slot);

// The main window's caption of a running game: title, shop, funds, date,
// weekday and hour; the date is today as TodayShown gives it.
std::string MainCaption(const GameState& g);
// The same caption with another date and its weekday in it (the month
// report shows the closing month's last day).
std::string MainCaptionOn(const GameState& g, const ShownDate& date);
