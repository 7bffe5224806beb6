#pragma once
// The live game of the program: the one state every window reads and writes.
// Routines take the state as an argument; windows and commands use this.
#include "state/GameState.h"

GameState& Game();
