#include "shop/Placement.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "platform/Platform.h"
#include "shop/FloorSpots.h"
#include "shop/ShelfFill.h"
#include "state/Ledger.h"
#include "state/SpritePool.h"
#include "state/Counters.h"

namespace {

// The fixture rows offered at each star level, in offering order.
const std::vector<int> kOfferedRows[] = {
    /* star 1 */ {0, 1, 6},
    /* star 2 */ {0, 1, 2, 6, 7},
    /* star 3 */ {0, 1, 2, 3, 4, 6, 7},
    /* star 4 */ {0, 1, 2, 3, 4, 5, 6, 7},
    /* star 5 */ {0, 1, 2, 3, 4, 5, 6, 7, 8},
};

// Where the fixture's picture lies in the sprite sheet, by the way it faces:
// the frame of row r starts at x = 130 r + offset.
struct FixtureFrame {
    SpotFacing facing;
    int offset, width;
};
constexpr FixtureFrame kFixtureFrames[] = {
    {FacingFour, 0, 42},
    {FacingTwo, 42, 44},
    {FacingOne, 86, 44},
};
constexpr int kFixtureColumnWidth = 130;
constexpr int kFixtureHeight = 51;
constexpr int kFixtureDepthOffset = 10;

constexpr int kFixtureRows = 9;
constexpr int kClawMachineRow = 7;
constexpr int kPhotoBoothRow = 8;
constexpr int kLastSmallFameRow = 2;  // rows 0..2 bring 1 fame, the rest 2

const FixtureFrame& FrameOf(SpotFacing facing) {
    for (const FixtureFrame& f : kFixtureFrames)
        if (f.facing == facing) return f;
    return kFixtureFrames[0];
}

}  // namespace

std::string FixturePictureFile(int kind) { return "Graphic/Book" + std::to_string(kind) + ".rle"; }

double FacilityScoreOf(int fixtureRow) { return 1 + 0.2 * fixtureRow; }

namespace {

// The rows offered at the shop's star level, in offering order.
std::span<const int> OfferedRows(const GameState& g) {
    const int level = static_cast<int>(std::floor(g.StarLevel.asReal()));
    if (level < 1 || level > 5) return {};
    return kOfferedRows[level - 1];
}

}  // namespace

void BuildFixtureOffer(GameState& g) {
    int n = 0;
    for (int row : OfferedRows(g)) g.OfferedList[n++] = row;
    g.OfferedListCount = n;
}

PlaceRefusal CheckPlacement(const GameState& g, int spot, int fixtureRow) {
    const SpotRun* run = FindSpotRun(spot);
    if (!run) return PlaceRefusal::NoSuchSpot;
    if (g.ShopSize.asInt() < run->fromSize) return PlaceRefusal::BeyondTheShop;
    if (g.FacilitySlot.Kind[spot].asInt() != 0) return PlaceRefusal::Furnished;
    const std::span<const int> offered = OfferedRows(g);
    if (std::find(offered.begin(), offered.end(), fixtureRow) == offered.end()) return PlaceRefusal::NotOffered;
    return PlaceRefusal::None;
}

void PlaceFacility(GameState& g, int spot, int fixtureRow) {
    const SpotRun* run = FindSpotRun(spot);
    if (!run || fixtureRow < 0 || fixtureRow >= kFixtureRows) return;
    const int r = fixtureRow;

    // The picture, with the record's facing and area.
    g.FacilitySlot.Facing[spot] = static_cast<int>(run->facing);
    g.FacilitySlot.AreaCode[spot] = run->areaCode;
    const SpotPoint at = SpotPicturePosition(*run, spot);
    const FixtureFrame& frame = FrameOf(run->facing);
    const int sprite = SpawnSprite(g, at.x, at.y, kFixtureColumnWidth * r + frame.offset, kFixtureFrameY,
                                   frame.width, kFixtureHeight, kFixtureDepthOffset);

    // Scores and gauges. Popularity may leave 0..100 here; the weekly step
    // of the shop tick brings it back.
    auto& shop = g.Bookshop;
    AddToScore(shop.FacilityScore[0], FacilityScoreOf(r));
    g.Fame = g.Fame.asInt() + (r <= kLastSmallFameRow ? 1 : 2);
    if (r == kClawMachineRow) ShiftPopularity(g.Popularity, 3);
    if (r == kPhotoBoothRow) ShiftPopularity(g.Popularity, 4);
    if (g.Fame.asInt() >= 100) g.Fame = 100;

    // With a full pool the spot gets no picture rather than the slot of
    // whatever was spawned last.
    g.FacilitySlot.Sprite[spot] = sprite >= 0 ? sprite : kNoSprite;
    g.FacilitySlot.Kind[spot] = r + 1;

    AddMoney(g, -g.FixtureType.Price[r].asInt(), Facilities, 0);
    AddToScore(shop.EffortPoints[0], 1);
    g.FacilityCount = g.FacilityCount.asInt() + 1;
    g.ShelfCapacity = g.ShelfCapacity.asInt() + g.FixtureType.Capacity[r].asInt();
    g.ShopInfoDirty = 1;
    g.ShopDetailsDirty = 1;

    if (g.SoundOn.asInt() == 1) Ui().PlaySound("Gold.wav");
    RebuildOccupiedSlots(g);

    // Forced, so the new shelf shows the current fill stage too.
    g.ShelfFillLevel = -1;
    UpdateShelfFillLevel(g);
}
