#pragma once
// The main tick: one simulation step per firing of the game timer.
#include <functional>
#include <string>

#include "state/GameState.h"

// What the tick asks of the main window.
struct TickWindow {
    std::function<void(const std::string&)> setStatusBar;
    std::function<void(const std::string&)> setCaption;
};

// One tick, in its fixed order. Guarded against re-entry: a tick that is
// still waiting in a window never has a second tick run inside it.
void MainTick(GameState& g, const TickWindow& w);

// The main window's caption of a running game: title, shop, funds, date,
// weekday and hour.
std::string MainCaption(const GameState& g);
