#pragma once
// The robber (person slot 2). Now and then, on a tick of a rich, open shop,
// a robbery starts (RobberActive): the robber comes in by the front door,
// walks to register 1's counter, opens the robbery window there and, once
// the player has answered, walks out and off the floor by the top or the
// left edge. While no robbery runs, every tick only draws the trigger.
#include "state/GameState.h"
#include "state/PersonSlots.h"  // RobberState

// A robbery needs at least this much money in the shop.
inline constexpr int kRobberyFundsAtLeast = 7'000'000;
// ...and this many days since the last one.
inline constexpr int kDaysBetweenRobberies = 50;

// One tick of the robber's slot, before the main tick walks it: the
// trigger draw while no robbery runs, else the robber's state machine.
void StepRobber(GameState& g, int slot);
