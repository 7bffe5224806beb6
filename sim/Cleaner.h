#pragma once
// The cleaner (person row 5): a contractor who comes only when a cleaning
// has been ordered (CleaningOrdered 1, by the cleaning dialog or by the
// clerks' automatic cleaning), mops one stretch of floor in the small shop
// and two in a larger one, takes CleaningStrength off the dirt once, and
// leaves. The main tick steps it once per tick, before its walking step;
// while it mops it slides by itself and the main tick leaves it where it is.
#include <cstdint>
#include <optional>

#include "sim/Walking.h"
#include "state/GameState.h"
#include "state/PersonSlots.h"  // CleanerState, CleanerMops

// One tick of the cleaner's row `slot` (always 5). Nothing happens while no
// cleaning is ordered; otherwise the states' blocks run in ascending order,
// so a change into a later state acts in the same call.
void StepCleaner(GameState& g, int slot);

// Where the cleaner mopping in `state` stands once `ticks` ticks of its
// stretch have run: on the cell its walk there ended on, slid one cell down
// the floor at every second tick from the third. Nothing for a state that
// is no stretch of mopping.
std::optional<GridCell> MoppingCell(int state, std::int64_t ticks);
