#pragma once
// The main tick: one simulation step per firing of the game timer. It shows
// the status-bar message and the caption through the platform, runs the
// shop's clock and business, walks every person slot, cycles the doors and
// opens the game-over or grand-prize window when they are due.
#include "state/GameState.h"

// One tick, in its fixed order. Guarded against re-entry, game by game
// (GameState::inTick): a tick that is still waiting in a window never has a
// second tick of the same game run inside it.
void MainTick(GameState& g);

// The tick's step for one person slot: a person who reached the floor's
// edge is freed, the slot ages by one tick, its state machine runs, a
// person on the floor walks, and the door cells are checked.
void TickPersonSlot(GameState& g, int slot);
