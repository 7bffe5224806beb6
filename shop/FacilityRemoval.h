#pragma once
// Taking a shelf or machine off the floor (nothing is refunded; copies that
// no longer fit are thrown away), fitting the stock to a smaller shelf room,
// and setting a facility on fire while the shop is closed.
#include "state/GameState.h"

// Fits the copies on the shelves to ShelfCapacity, which the caller has
// already lowered: the titles earliest in catalogue order keep their copies
// (listed magazines first, then books), the title at which the total
// crosses the room is cut to what is left, and every later title is
// emptied; the stock windows of titles that lost copies are flagged.
// Customers still inside keep reservations only for copies that are left,
// so none of them can pay for a copy that was thrown away. Every loss of
// shelves uses it (removal, fire, earthquake).
void TrimShelfStock(GameState& g);

// The removal itself, once it is allowed and confirmed: the spot's fixture,
// its room, its score and its picture go; the stock is trimmed and the
// spot lists recounted, and while a fire burns elsewhere the spot leaves
// the fire's candidates. Fame, popularity and effort points stay.
void RemoveFacility(GameState& g, int spot);

// True when removing the fixture on `spot` may throw copies away: there are
// copies and they fill at least the room that would be left.
bool RemovalMayDiscardStock(const GameState& g, int spot);

enum class RemovalOutcome { Removed, Burning, ShopOpen, Declined };
// The "撤去" button: refuses a burning facility and the opening hours with a
// message, asks (the disposal question when copies may be thrown away) and
// removes on Yes.
RemovalOutcome RemoveFacilityCommand(GameState& g, int spot);

// Starts a fire on `spot` (arson, confirmed): every occupied spot is a
// candidate, the fire insurance counts them, the floor gets its worst
// litter.
void SetFacilityOnFire(GameState& g, int spot);

enum class ArsonOutcome { Started, ShopOpen, FireBurning, Declined };
// The "烧掉" button: refused during opening hours and while a fire already
// burns, then asks and starts the fire on Yes.
ArsonOutcome ArsonCommand(GameState& g, int spot);

// The refusal of arson while a fire burns.
inline constexpr const char* kFireAlreadyBurningText = "现在正在发生火灾……";
