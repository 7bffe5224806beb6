#pragma once
// The 61 floor spots that take shelves and machines: where each one's
// fixture is drawn, which way it faces and which area it counts in, and the
// lists that follow from what stands on the spots (the occupied spots and
// the shelves per shop area).
#include "state/GameState.h"

inline constexpr int kFirstSpot = 1;
inline constexpr int kLastSpot = 61;

// Which way a fixture on the spot faces; customers using it are drawn
// facing it.
enum SpotFacing { FacingOne = 1, FacingTwo = 2, FacingFour = 4 };

// A run of neighbouring spots: spot s sits k = s - first steps along it,
// its fixture's top-left corner at (x0 + 26k, y0 + 13k), or y0 - 13k for a
// run that climbs.
struct SpotRun {
    int first, last;
    SpotFacing facing;
    int areaCode;
    int x0, y0;
    bool climbs;
    int fromSize;  // the smallest shop size at which the spot can be clicked
};

// The run that holds `spot`, or null for a number that is no spot.
const SpotRun* FindSpotRun(int spot);

struct SpotPoint {
    int x, y;
};
// The top-left corner of the fixture picture on `spot` (a spot must exist).
SpotPoint SpotPicturePosition(const SpotRun& run, int spot);

// Kinds 1..6 are shelves, 7..9 machines, 0 an empty spot.
bool IsShelfKind(const Value& kind);

// Everything that follows from FacilitySlot.Kind: the occupied spots in
// ascending order (OccupiedSlots, OccupiedSlotCount; customers draw their
// target from it) and the shelves of the two shop areas (ShelvesPerArea:
// spots 1..26 and 27..61; the clerks' advice about a missing register reads
// it). Run it after every change of a spot's kind: a placement, a removal,
// a fire or an earthquake.
void RebuildOccupiedSlots(GameState& g);
