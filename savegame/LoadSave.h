#pragma once
// The game side of the load command: a saved game read in and made ready to
// run.
#include <string>

#include "savegame/SaveGame.h"
#include "state/GameState.h"

// Reads a saved game into `g` and makes it ready to run: the game is
// running, not paused, no window counts as open (the load opens its own),
// and the floor grid holds the new-game walls, so a saved game walks the
// same wherever it is loaded. A file that cannot be read leaves `g` exactly
// as it was and returns false with the reason.
bool LoadGameFile(GameState& g, const std::string& path, std::string* why = nullptr);

// The part of a load that follows a successful read: running, not paused,
// no window open, the new-game walls on the floor grid.
void PrepareLoadedGame(GameState& g);
