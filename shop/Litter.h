#pragma once
// Litter on the shop floor: the dirtier the shop, the more pieces lie
// about, and a bigger shop has more places for them.
#include "state/GameState.h"

// Throws away the litter sprites on the floor and lays them again from
// Dirtiness and ShopSize. Called whenever a change of Dirtiness should
// show; between calls the litter stays as it is.
void UpdateLitterSprites(GameState& g);
