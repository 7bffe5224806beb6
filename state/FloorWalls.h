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

// The box of diagonals the floor lies in: every wall of the full set, and so
// every cell inside the outline they draw, has x - y within differenceLo ..
// differenceHi and x + y within sumLo .. sumHi. People inside the shop (past
// its doors) stand within it.
struct FloorDiagonals {
    int differenceLo, differenceHi, sumLo, sumHi;
};
FloorDiagonals FloorOutlineDiagonals();
