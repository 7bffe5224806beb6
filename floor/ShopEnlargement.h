#pragma once
// Enlarging the shop: small (1) to medium (2) for 500万円, medium to large
// (3) for 1000万円. The floor's fixed scenery is swapped for the pieces of
// the new size (the medium shop brings the side door, door 1), the price is
// booked, and the floor view shows the new size. (The menu command that
// asks first is in commands/CommandGates.)
#include <cstdint>

#include "state/GameState.h"

// The price of the step up from a shop size; 0 when the shop cannot grow.
std::int64_t EnlargementPrice(int shopSize);

// Takes the shop one size up without asking: swaps the scenery, books the
// price as an expense (Other) whatever the funds, raises ShopSize, loads the
// floor pictures of the new size and lays the floor view out again. Does
// nothing and returns false at size 3 (or any size but 1 and 2).
bool EnlargeShop(GameState& g);

// Door 1 (the side door) exists from the medium shop on. Until then its
// leaf entries are unset, and nothing may animate or move them.
bool SideDoorBuilt(const GameState& g);
