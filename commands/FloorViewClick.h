#pragma once
// The floor view's mouse-down: what the click hit (floor/FloorClick.h) is
// selected, a person hit is noted for the person pop-up, and the window of
// what was hit opens.
#include "floor/FloorClick.h"
#include "state/GameState.h"

// (x, y) in pixels of the view, turned into scene coordinates with the
// scroll offsets; opens the window of what was hit (modal; returns when it
// has closed). A right click changes nothing and opens nothing.
FloorClickResult ClickFloor(GameState& g, int button, int x, int y);
