#pragma once
// The robber (person slot 2). Now and then, on a tick of a rich, open shop,
// a robbery starts (RobberActive): the robber comes in by the front door,
// walks to register 1's counter, opens the robbery window there and, once
// the player has answered, walks out and off the floor by the top or the
// left edge. While no robbery runs, every tick only draws the trigger.
#include "state/GameState.h"

// Person.State of the robber's slot (code 3 is not used).
namespace RobberState {
inline constexpr int Absent = 0;
inline constexpr int Enter = 1;       // toward a cell of the front door
inline constexpr int AtRegister = 2;  // toward register 1's counter
inline constexpr int ToDoor = 4;      // out past the front door
inline constexpr int LeaveNorth = 5;  // off the top edge
inline constexpr int LeaveWest = 6;   // off the left edge
}  // namespace RobberState

// A robbery needs at least this much money in the shop.
inline constexpr int kRobberyFundsAtLeast = 7'000'000;
// ...and this many days since the last one.
inline constexpr int kDaysBetweenRobberies = 50;

// One tick of the robber's slot, before the main tick walks it: the
// trigger draw while no robbery runs, else the robber's state machine.
void StepRobber(GameState& g, int slot);
