#include "shop/FloorSpots.h"

#include <iterator>

namespace {

constexpr SpotRun kFloorSpotTable[] = {
    // spots   facing      area  x0   y0   climbs from size
    {1, 8,   FacingFour, 1, 245, 10,  false, 1},
    {9, 11,  FacingTwo,  1, 227, 50,  false, 1},
    {12, 13, FacingTwo,  1, 337, 105, false, 1},
    {14, 16, FacingFour, 1, 209, 56,  false, 1},
    {17, 18, FacingFour, 1, 319, 111, false, 1},
    {19, 21, FacingFour, 1, 431, 167, false, 3},
    {22, 24, FacingTwo,  1, 271, 138, false, 1},
    {25, 26, FacingTwo,  1, 383, 194, false, 3},
    {27, 29, FacingFour, 2, 253, 144, false, 2},
    {30, 31, FacingFour, 2, 365, 200, false, 3},
    {32, 34, FacingTwo,  2, 207, 170, false, 2},
    {35, 36, FacingTwo,  2, 319, 226, false, 3},
    {37, 39, FacingFour, 1, 189, 176, false, 2},
    {40, 41, FacingFour, 1, 301, 232, false, 3},
    {42, 44, FacingTwo,  1, 143, 202, false, 2},
    {45, 47, FacingFour, 1, 125, 208, false, 2},
    {48, 53, FacingTwo,  1, 27,  208, false, 3},
    {54, 54, FacingOne,  1, 207, 273, false, 3},
    {55, 55, FacingTwo,  1, 251, 273, false, 3},
    {56, 61, FacingOne,  1, 359, 285, true,  3},
};

constexpr int kStepX = 26;
constexpr int kStepY = 13;

// The shelf counters split the floor at this spot number; the area codes
// of the spot table split it differently and are not used for this.
constexpr int kLastSpotOfFirstArea = 26;

constexpr int kLastShelfKind = 6;

}  // namespace

const SpotRun* FindSpotRun(int spot) {
    for (const SpotRun& run : kFloorSpotTable)
        if (spot >= run.first && spot <= run.last) return &run;
    return nullptr;
}

SpotPoint SpotPicturePosition(const SpotRun& run, int spot) {
    const int k = spot - run.first;
    return {run.x0 + kStepX * k, run.climbs ? run.y0 - kStepY * k : run.y0 + kStepY * k};
}

bool IsShelfKind(const Value& kind) {
    const auto k = kind.asInt();
    return k >= 1 && k <= kLastShelfKind;
}

void RebuildOccupiedSlots(GameState& g) {
    int occupied = 0;
    int shelves[2] = {0, 0};
    for (int t = kFirstSpot; t <= kLastSpot; ++t) {
        const Value& kind = g.FacilitySlot.Kind[t];
        if (kind.asInt() == 0) continue;
        g.OccupiedSlots[occupied++] = t;
        if (IsShelfKind(kind)) ++shelves[t <= kLastSpotOfFirstArea ? 0 : 1];
    }
    g.OccupiedSlotCount = occupied;
    g.ShelvesPerArea[0] = shelves[0];
    g.ShelvesPerArea[1] = shelves[1];
}
