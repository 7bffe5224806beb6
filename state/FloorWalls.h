#pragma once
// The fixed walls of the walkability grid. The main window lays the full set
// at start-up; a new game clears the grid and lays the same set without the
// rows along the upper-right edge.
#include "state/GameState.h"

enum FloorCell { Open = 0, Wall = 200, Barrier = 500 };

// A cell of 200 or more blocks a step.
inline bool IsBlocked(int cell) { return cell >= Wall; }

void LayStartupWalls(GameState& g);
void LayNewGameWalls(GameState& g);
