#include "business/Fire.h"

#include "business/Insurance.h"
#include "platform/Platform.h"
#include "shop/FacilityRemoval.h"
#include "shop/FloorSpots.h"
#include "shop/ShelfFill.h"
#include "state/HourLength.h"
#include "state/SpritePool.h"

namespace {

// One chance in this many at each hour change.
constexpr int kOutbreakDraw = 4380;
constexpr int kDaysBeforeAFire = 60;
// The fire spreads, and the neighbours may notice it, every this many ticks.
constexpr int kSpreadTicks = 9;
// The neighbours notice once this share of the occupied spots has burnt:
// Int(occupied / 8) spots.
constexpr int kDiscoveryDivisor = 8;

// The flame picture in the floor sprite sheet: two frames side by side.
constexpr int kFlameSrcX = 605, kFlameSrcY = 128, kFlameWidth = 62, kFlameHeight = 70;
constexpr int kFlameDepthOffset = 1200;

// The flames stand in rows of the isometric floor, 26 pixels right and 13
// down per spot (13 up along the last row).
struct FlameRun {
    int first, last;
    int x0, y0;
    int dy;
};
constexpr FlameRun kFlameRuns[] = {
    {1, 8, 215, -30, 13},    {9, 11, 197, 10, 13},    {12, 13, 307, 65, 13},   {14, 16, 179, 16, 13},
    {17, 18, 289, 71, 13},   {19, 21, 401, 127, 13},  {22, 24, 241, 98, 13},   {25, 26, 353, 154, 13},
    {27, 29, 223, 104, 13},  {30, 31, 335, 160, 13},  {32, 34, 177, 130, 13},  {35, 36, 289, 186, 13},
    {37, 39, 159, 136, 13},  {40, 41, 271, 192, 13},  {42, 44, 113, 162, 13},  {45, 47, 95, 168, 13},
    {48, 53, -17, 168, 13},  {54, 54, 177, 233, 13},  {55, 55, 221, 233, 13},  {56, 61, 329, 245, -13},
};

bool IsSpriteSlot(const Value& slot) { return slot.isNumber() && slot.i() >= 0 && slot.i() < kSpriteSlots; }

bool HasFlame(const GameState& g, int spot) {
    return g.FacilitySlot.FireState[spot].asInt() >= SpotFireState::FirstPhase && IsSpriteSlot(g.FacilitySlot.FlameSprite[spot]);
}

// The flame's picture moves to the other frame and back.
void ShiftFlameFrame(GameState& g, int spot, int dx) {
    if (!HasFlame(g, spot)) return;
    WholeCell& srcX = g.Sprite.SrcX[g.FacilitySlot.FlameSprite[spot].i()];
    srcX = srcX.asInt() + dx;
}

// A spot that caught fire shows its flame. A full sprite pool leaves it
// without one: never with another thing's sprite.
void Ignite(GameState& g, int spot) {
    g.FireStepTicks = 0;
    const FlamePosition at = FlamePositionOf(spot);
    const int slot = SpawnSprite(g, at.x, at.y, kFlameSrcX, kFlameSrcY, kFlameWidth, kFlameHeight, kFlameDepthOffset);
    g.FacilitySlot.FlameSprite[spot] = slot >= 0 ? slot : kNoFlame;
    g.BurningSlotCount = g.BurningSlotCount.asInt() + 1;
}

// One tick of a spot's fire: each flame shows each of its two frames for
// two ticks.
void BurnSpot(GameState& g, int spot) {
    using namespace SpotFireState;
    Value& state = g.FacilitySlot.FireState[spot];
    const int now = state.i();
    if (now < Catching || now > LastPhase) return;
    state = now == LastPhase ? FirstPhase : now + 1;
    if (now == Catching) Ignite(g, spot);
    if (now + 1 == SecondFrame) ShiftFlameFrame(g, spot, kFlameWidth);
    if (now == LastPhase) ShiftFlameFrame(g, spot, -kFlameWidth);
}

// The occupied spots that are not burning yet.
void ListFireCandidates(GameState& g) {
    int n = 0;
    for (int s = kFirstSpot; s <= kLastSpot; ++s)
        if (g.FacilitySlot.Kind[s].asReal() != 0 && g.FacilitySlot.FireState[s].asInt() == SpotFireState::None)
            g.FireCandidates[n++] = s;
    g.FireCandidateCount = n;
}

void SpreadStep(GameState& g) {
    g.FireStepTicks = 0;
    ListFireCandidates(g);
    const int candidates = g.FireCandidateCount.i();

    if (g.FireUndiscovered.asInt() == 1 && g.FireDiscoveryHold.asInt() == 0 &&
        g.BurningSlotCount.asInt() >= g.OccupiedSlotCount.asInt() / kDiscoveryDivisor) {
        g.FireUndiscovered = 0;
        Ui().ShowWindow(Window::FireDiscovered, g);
    }
    if (candidates != 0) g.FacilitySlot.FireState[g.FireCandidates[g.RndInt(candidates)].i()] = SpotFireState::Catching;
    if (candidates == 0) Ui().ShowWindow(Window::FireOut, g);
}

}  // namespace

FlamePosition FlamePositionOf(int spot) {
    for (const FlameRun& r : kFlameRuns)
        if (spot >= r.first && spot <= r.last) return {r.x0 + 26 * (spot - r.first), r.y0 + r.dy * (spot - r.first)};
    return {0, 0};
}

void DrawFireOutbreak(GameState& g) {
    const int d = g.RndInt(kOutbreakDraw);
    if (!(g.ShopOpen.asInt() == 0 && d == 0 && g.OccupiedSlotCount.asReal() != 0 &&
          g.DaysSinceDisaster.asInt() >= kDaysBeforeAFire))
        return;
    int spots[kLastSpot + 1];
    int n = 0;
    for (int s = kFirstSpot; s <= kLastSpot; ++s)
        if (g.FacilitySlot.Kind[s].asReal() != 0) spots[n++] = s;
    const int pick = g.RndInt(n);
    // A shop whose occupied count is stale has nothing to burn: the draws
    // are taken all the same, but no fire breaks out.
    if (n == 0) return;
    SetFacilityOnFire(g, spots[pick]);
}

void StepFire(GameState& g) {
    g.TicksPerHour = kHourTicksFire;
    for (int s = kFirstSpot; s <= kLastSpot; ++s) BurnSpot(g, s);
    g.FireStepTicks = g.FireStepTicks.asInt() + 1;
    if (g.FireStepTicks.asInt() >= kSpreadTicks) SpreadStep(g);
}

void EndFire(GameState& g) {
    if (g.FireBurning.asInt() != 1) return;

    // Only flames that exist are taken away: a spot that has only caught
    // fire has none yet.
    for (int s = kFirstSpot; s <= kLastSpot; ++s) {
        if (g.FacilitySlot.FireState[s].asInt() == SpotFireState::None) continue;
        if (HasFlame(g, s)) RemoveSprite(g, g.FacilitySlot.FlameSprite[s].i());
        g.FacilitySlot.FlameSprite[s] = kNoFlame;
    }
    g.NewsEventCode = kNewsShopFire;
    g.DaysSinceDisaster = 0;
    g.FireUndiscovered = 0;

    // Every facility that caught fire is burnt, with the copies that no
    // longer fit on the shelves left.
    for (int s = kFirstSpot; s <= kLastSpot; ++s)
        if (g.FacilitySlot.Kind[s].asReal() != 0 && g.FacilitySlot.FireState[s].asInt() != SpotFireState::None)
            RemoveFacility(g, s);

    for (int s = kFirstSpot; s <= kLastSpot; ++s) g.FacilitySlot.FireState[s] = SpotFireState::None;
    g.FireStepTicks = 0;
    g.FireDiscoveryHold = 0;
    g.BurningSlotCount = 0;
    g.FireBurning = 0;

    RebuildOccupiedSlots(g);
    UpdateShelfFillLevel(g);
    g.MagazineStockDirty = 1;
    g.BookStockDirty = 1;

    if (InsuranceJoinedFor(g, InsuranceKind::Fire)) OpenInsurancePayout(g, PayoutCause::Fire);
    g.TicksPerHour = kHourTicksOpen;  // the clock runs again; the next hour change sets the rate
}
