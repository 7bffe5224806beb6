#pragma once
// How full the shelves look: the copies on the shelves against their room,
// in four stages, each with its own shelf picture.
#include "state/GameState.h"

enum ShelfFillStage { ShelfEmpty = 0, ShelfLow = 1, ShelfHalf = 2, ShelfFull = 3 };

// Recomputes the stage and, only when it differs from ShelfFillLevel (set
// it to -1 to force a redraw), switches the picture row of every shelf on
// the floor. Machines keep their pictures; without shelf room nothing
// changes. Call after every change of the stock on the shelves.
void UpdateShelfFillLevel(GameState& g);
