#pragma once
// The star notice: the shop has earned its next star, which it gets when the
// notice closes.
#include <string>

#include "state/GameState.h"

// The notice's headline, naming the level the shop is about to reach
// (StarLevel still holds the old one while the notice is up).
std::string StarNoticeHeadline(const GameState& g);

// The notice's closing, however it is closed: StarLevel rises by exactly one
// step (1..4; a shop already at 5 stays there) and the shop information
// window redraws.
void StarNoticeClosed(GameState& g);
