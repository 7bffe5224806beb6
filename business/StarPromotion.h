#pragma once
// Star promotion: at the opening hour the shop tick tests whether the shop
// has earned its next star, and if so shows the star notice, whose closing
// raises StarLevel (business/StarNotice.h). At most one star a day.
#include <climits>

#include "state/GameState.h"

// What a shop must reach to rise from one level to the next: every column
// must hold, and some copy must stand on the shelves. kAnyAmount marks a
// requirement the level does not have.
inline constexpr long long kAnyAmount = LLONG_MIN;
struct StarRequirement {
    int fromLevel;
    long long totalCustomers, occupiedSlots, quakeResistance, fame, shopSize, popularity;
};
inline constexpr StarRequirement kStarRequirements[] = {
    // from, customers, occupied spots, quake resistance, fame, shop size, popularity
    {1, 50, 8, kAnyAmount, kAnyAmount, kAnyAmount, kAnyAmount},
    {2, 400, 20, kAnyAmount, kAnyAmount, kAnyAmount, kAnyAmount},
    {3, 1'200, 30, 30, 20, 2, 20},
    {4, 2'000, 40, 50, 45, 2, 40},
};  // a five-star shop rises no more

// True when the shop meets every requirement of its current level (the
// whole part of StarLevel); never for a level without a row.
bool StarPromotionEarned(const GameState& g);

// The opening hour's test: shows the star notice when the star is earned.
void TestStarPromotion(GameState& g);
