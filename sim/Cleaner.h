#pragma once
// The cleaner (person row 5): a contractor who comes only when a cleaning
// has been ordered (CleaningOrdered 1, by the cleaning dialog or by the
// clerks' automatic cleaning), mops one stretch of floor in the small shop
// and two in a larger one, takes CleaningStrength off the dirt once, and
// leaves. The main tick steps it once per tick, before its walking step;
// while it mops it slides by itself and the main tick leaves it where it is.
#include "state/GameState.h"

// Person.State of the cleaner's row.
namespace CleanerState {
inline constexpr int Absent = 0;
inline constexpr int Enter = 1;       // to the front door
inline constexpr int ToArea1 = 2;
inline constexpr int CleanArea1 = 3;  // mopping down and to the right
inline constexpr int ToArea2 = 4;
inline constexpr int CleanArea2 = 5;  // mopping down and to the left
inline constexpr int FromArea2 = 6;
inline constexpr int ToDoor = 7;      // at the door it counts as gone out
inline constexpr int Exit = 8;        // outside; there the order is done
}  // namespace CleanerState

// True while the cleaner mops: it moves itself and keeps its heading at 0.
constexpr bool CleanerMops(int state) { return state == CleanerState::CleanArea1 || state == CleanerState::CleanArea2; }

// One tick of the cleaner's row `slot` (always 5). Nothing happens while no
// cleaning is ordered; otherwise the states' blocks run in ascending order,
// so a change into a later state acts in the same call.
void StepCleaner(GameState& g, int slot);
