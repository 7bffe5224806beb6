#pragma once
// The weekly industry newspaper: the week's book and magazine rankings of the
// whole trade, the shop of the month, the headline and the industry column.
#include "state/GameState.h"

// Writes one issue into the game state; the news windows only read it.
// Draws from the game's generator in a fixed order (book ranking, magazine
// ranking, then a rival and a pick for each of the three articles), so a
// given seed always gives the same issue. Reports and clears the pending
// NewsEventCode. The caller sets NewsIssueTitle.
void WriteWeeklyNews(GameState& g);

// The first issue, "创刊号", written as a new game starts.
void WriteFirstWeeklyNews(GameState& g);
