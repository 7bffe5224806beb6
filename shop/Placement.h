#pragma once
// Furnishing the floor: which shelves and machines the star level offers,
// and putting one on an empty spot (its picture, its record, the price and
// every count, score and gauge that follows the furnishing).
#include <string>

#include "state/GameState.h"

// A spot record whose picture could not be taken (the sprite pool was full)
// holds this in FacilitySlot.Sprite: no picture, and certainly not someone
// else's.
inline constexpr int kNoSprite = -1;

// The fixture picture's row in the floor sprite sheet (full shelves; the
// shelf fill level moves shelves to other rows later).
inline constexpr int kFixtureFrameY = 232;

// What a fixture of FixtureType row `fixtureRow` is worth in the award
// contest (Bookshop.FacilityScore of the player's row): added when it is
// placed, taken off when it is removed, burnt or broken.
double FacilityScoreOf(int fixtureRow);

// The picture file of a fixture, below the program's folder, by the kind a
// spot holds (FixtureType row + 1): "Graphic/Book1.rle" .. "Graphic/Book9.rle".
std::string FixturePictureFile(int kind);

// Fills OfferedList / OfferedListCount with the FixtureType rows the shop's
// star level offers, in offering order (none for a level outside 1..5).
void BuildFixtureOffer(GameState& g);

// What the floor view and its placing dialog would refuse of putting
// FixtureType row `fixtureRow` on floor spot `spot`: the view lets the
// player click only the spots of the shop's size, opens the placing dialog
// only on an empty one, and the dialog offers only the rows of the shop's
// star level (BuildFixtureOffer).
enum class PlaceRefusal {
    None,           // the player could place it so
    NoSuchSpot,     // not one of the 61 spots
    BeyondTheShop,  // a spot the shop has only at a larger size
    Furnished,      // something stands on the spot already
    NotOffered,     // a row the dialog does not offer at this star level
};
PlaceRefusal CheckPlacement(const GameState& g, int spot, int fixtureRow);

// Places FixtureType row `fixtureRow` on floor spot `spot` (1..61) and pays
// for it as a facilities expense, whatever the funds. Asks nothing and
// checks neither the hour nor that the spot is empty; the floor only offers
// empty spots. A spot or row that does not exist changes nothing.
void PlaceFacility(GameState& g, int spot, int fixtureRow);
