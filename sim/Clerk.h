#pragma once
// The two clerks (person rows 0 and 1): they come to work while the shop is
// open, take the registers, and go home after hours once the shop is empty.
#include "state/GameState.h"
#include "state/PersonSlots.h"  // ClerkState, RegisterAttendance

// One tick of clerk row `slot` (0 or 1), before the main tick walks it. It
// sets the state, the target cell and the heading flags; the main tick does
// the walking.
void StepClerk(GameState& g, int slot);
