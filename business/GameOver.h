#pragma once
// The end of a game: the cause texts of the game-over window, what its
// closing does to the game, and what the main tick's last step does with a
// grand prize still due when the game has ended.
#include <string>

#include "state/GameState.h"

// The text the game-over window shows for a GameOverReason: the lines of the
// cause (funds below zero 1, worst award 2, manager killed 3), each ended by
// CR LF, a paragraph starting with two spaces. Any other value has no text.
std::string GameOverText(const Value& reason);

// The game-over window's closing: the game no longer runs. GameOverReason
// keeps the cause until a new game empties it or a load replaces it; nothing
// is paid, saved or reset. (The window then returns the main window to its
// title state.)
void GameOverClosed(GameState& g);

// The main tick's last step, run after its game-over step: true when the
// grand-prize certificate is to be shown now. A game that is over shows no
// certificate: a grand prize still pending then is dropped (set to 0), so
// nothing presents it over the title state or in a later tick.
bool GrandPrizeCertificateDue(GameState& g);
