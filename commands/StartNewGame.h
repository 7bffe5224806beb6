#pragma once
// Starting a new game, as OK of the new-game dialog and `qmtool new` do:
// the old game's windows close, the state is emptied, the new game's first
// moment is set up with its first weekly news, and the game runs under its
// shop's name.
#include <string>

#include "state/GameState.h"
#include "state/NewGame.h"

// When a game was already running, its windows close first (through the
// platform), while they still show that game; then the state is emptied
// (ResetGameState), the new game set up (InitNewGame), the first weekly
// news written, the name stored and the game marked as running.
void StartNewGame(GameState& g, const std::string& shopName, const NewGameStart& start);
