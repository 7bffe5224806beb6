// A customer at the facility of its floor spot: where it stands, what it
// does there tick by tick, what the machines take, and where it goes when it
// has finished.
#include "platform/Platform.h"
#include "sim/Customer.h"
#include "sim/CustomerStates.h"
#include "sim/MachineSales.h"
#include "state/PersonSlots.h"
#include "state/EquipmentCatalogue.h"
#include "state/Ledger.h"
#include "state/Counters.h"

using namespace CustomerState;

namespace {

constexpr int kSpots = 61;

// SpotUseCell: the cell a customer uses each spot from, by spot 1..61
// (element 0 unused). A wide facility on a first-run spot is used from one
// cell down-left of it.
constexpr GridCell kSpotUseCell[kSpots + 1] = {
    {0, 0},
    // 1-8 (facing 4)
    {62, 28}, {67, 33}, {71, 37}, {75, 41}, {80, 46}, {84, 50}, {88, 54}, {93, 59},
    // 9-11, 12-13 (facing 2)
    {61, 37}, {65, 41}, {70, 46}, {79, 55}, {84, 60},
    // 14-16, 17-18, 19-21 (facing 4)
    {56, 44}, {60, 48}, {64, 52}, {74, 62}, {79, 67}, {93, 81}, {97, 85}, {102, 90},
    // 22-24, 25-26 (facing 2)
    {68, 66}, {72, 70}, {76, 74}, {86, 84}, {90, 88},
    // 27-29, 30-31 (facing 4)
    {63, 73}, {68, 78}, {71, 81}, {81, 91}, {87, 97},
    // 32-34, 35-36 (facing 2)
    {58, 78}, {62, 82}, {66, 86}, {76, 96}, {81, 101},
    // 37-39, 40-41 (facing 4)
    {53, 85}, {57, 89}, {61, 93}, {71, 103}, {75, 107},
    // 42-44 (facing 2)
    {48, 88}, {52, 92}, {56, 96},
    // 45-47 (facing 4)
    {42, 94}, {46, 98}, {50, 102},
    // 48-53 (facing 2)
    {28, 90}, {32, 94}, {36, 98}, {41, 103}, {45, 107}, {49, 111},
    // 54 (facing 1)
    {55, 113},
    // 55 (facing 2)
    {65, 111},
    // 56-61 (facing 1)
    {80, 116}, {84, 112}, {88, 108}, {92, 104}, {97, 99}, {101, 95},
};

GridCell WideUseCell(GridCell use) { return {use.x - 1, use.y + 1}; }

bool IsShelf(int kind) { return kind <= static_cast<int>(FacilityKind::Shelf150); }
bool IsWide(int kind) {
    switch (static_cast<FacilityKind>(kind)) {
    case FacilityKind::Shelf100:
    case FacilityKind::Shelf120:
    case FacilityKind::Shelf150:
    case FacilityKind::ClawMachine:
    case FacilityKind::PhotoBooth: return true;
    default: return false;
    }
}

// What a person does on a tick of its use (ticks counted from 1 on the use
// cell). Pose o: the sheet row by the spot's facing, column o.
enum Action : unsigned {
    None = 0,
    DrinksSale = 1u << 0,  // the machine sound and SellDrinks
    ClawFee = 1u << 1,     // 200 yen per play
    PhotoFee = 1u << 2,    // 300 yen times a draw of 1..4
    CountUse = 1u << 3,    // UseCount of the spot
};
constexpr int kNoPose = -1;
struct UseTick {
    int tick;
    int pose;
    unsigned actions;
};
struct FacilityUse {
    int kindFirst, kindLast;
    UseTick ticks[9];
    int doneTick;
    bool doneFromThenOn;  // done on every tick from doneTick on that lists no action
};
constexpr FacilityUse kFacilityUses[] = {
    // Shelves (a vacant spot is browsed like a shelf).
    {0, 6, {{1, 0, None}, {3, 48, CountUse}, {6, 0, None}}, 9, false},
    // Vending machine.
    {7, 7, {{1, 0, None}, {3, 80, DrinksSale | CountUse}, {6, 0, None}}, 9, false},
    // Claw machine: eight plays.
    {8, 8,
     {{1, 0, ClawFee}, {3, 96, ClawFee}, {4, 0, ClawFee}, {5, 96, ClawFee}, {6, 0, ClawFee}, {7, 96, ClawFee},
      {8, 0, ClawFee}, {9, 96, ClawFee}, {10, 0, CountUse}},
     11, false},
    // Photo booth.
    {9, 9, {{1, 0, None}, {5, 96, None}, {9, 0, PhotoFee}}, 14, true},
};
constexpr int kClawFee = 200;
constexpr int kPhotoFeeStep = 300;

// Sheet row of a pose by FacilitySlot.Facing; any other facing keeps the row.
struct FacingRow {
    int facing, row;
};
constexpr FacingRow kFacingRows[] = {{4, 32}, {1, 64}, {2, 96}};
constexpr int kFigureColumnWidth = 112;

void Pose(GameState& g, int slot, int facing, int column) {
    const int sp = PersonSpriteSlot(g, slot);
    if (sp < 0) return;
    for (const FacingRow& f : kFacingRows)
        if (f.facing == facing) g.Sprite.SrcY[sp] = f.row;
    g.Sprite.SrcX[sp] = column + kFigureColumnWidth * g.Person.Look[slot].i();
}

const FacilityUse* UseOfKind(int kind) {
    for (const FacilityUse& u : kFacilityUses)
        if (kind >= u.kindFirst && kind <= u.kindLast) return &u;
    return nullptr;
}

// How a customer leaves its facility, by what stands there and the run of
// the spot.
enum class Exit {
    GoOn,                // on toward the register (the zone's next target and state)
    SidestepToRegister,  // sidestep 38, then on toward the register
    WalkBackAtOnce,      // walk the recorded points back
    SidestepDownLeftBack,
    SidestepUpRightBack,
};
enum class UseClass { WideShelf, NarrowShelf, ClawMachine, OtherMachine };
struct ExitRule {
    UseClass use;
    Exit firstRun, secondRun;
};
// Zone A: a claw machine user walks straight back.
constexpr ExitRule kZoneAExits[] = {
    {UseClass::WideShelf, Exit::GoOn, Exit::GoOn},
    {UseClass::NarrowShelf, Exit::SidestepToRegister, Exit::GoOn},
    {UseClass::ClawMachine, Exit::WalkBackAtOnce, Exit::WalkBackAtOnce},
    {UseClass::OtherMachine, Exit::SidestepDownLeftBack, Exit::SidestepUpRightBack},
};
// Zones B to G (F and G have a second run only).
constexpr ExitRule kOtherZoneExits[] = {
    {UseClass::WideShelf, Exit::GoOn, Exit::GoOn},
    {UseClass::NarrowShelf, Exit::SidestepToRegister, Exit::GoOn},
    {UseClass::ClawMachine, Exit::SidestepDownLeftBack, Exit::SidestepUpRightBack},
    {UseClass::OtherMachine, Exit::SidestepDownLeftBack, Exit::SidestepUpRightBack},
};

UseClass ClassOf(int kind) {
    if (IsShelf(kind)) return IsWide(kind) ? UseClass::WideShelf : UseClass::NarrowShelf;
    return kind == static_cast<int>(FacilityKind::ClawMachine) ? UseClass::ClawMachine : UseClass::OtherMachine;
}

// Steps aside from the use cell, remembering that cell and where to resume.
void Sidestep(GameState& g, int slot, int sidestepState, int returnState) {
    auto& P = g.Person;
    P.ReturnState[slot] = returnState;
    P.SavedTargetX[slot] = P.TargetX[slot].value();
    P.SavedTargetY[slot] = P.TargetY[slot].value();
    P.State[slot] = sidestepState;
}

void CountOneBack(GameState& g, int slot) {
    g.Person.WaypointsBack[slot] = g.Person.WaypointsBack[slot].asInt() + 1;
}

void LeaveFacility(GameState& g, int slot, const FloorZone& zone, int kind, bool firstRun) {
    const ExitRule* rules = zone.clawWalksStraightBack ? kZoneAExits : kOtherZoneExits;
    const UseClass use = ClassOf(kind);
    for (int i = 0; i < 4; ++i) {
        if (rules[i].use != use) continue;
        switch (firstRun ? rules[i].firstRun : rules[i].secondRun) {
        case Exit::GoOn:
            if (zone.shelfSetsTarget) SetTarget(g, slot, zone.shelfNextTarget);
            g.Person.State[slot] = zone.shelfNextState;
            break;
        case Exit::SidestepToRegister: Sidestep(g, slot, SidestepDownLeft, zone.shelfNextState); break;
        case Exit::WalkBackAtOnce:
            CountOneBack(g, slot);
            g.Person.State[slot] = WalkBack;
            break;
        case Exit::SidestepDownLeftBack:
            CountOneBack(g, slot);
            Sidestep(g, slot, SidestepDownLeft, WalkBack);
            break;
        case Exit::SidestepUpRightBack:
            CountOneBack(g, slot);
            Sidestep(g, slot, SidestepUpRight, WalkBack);
            break;
        }
    }
}

int KindOnSpot(const GameState& g, int spot) {
    return spot >= 1 && spot <= kSpots ? g.FacilitySlot.Kind[spot].i() : 0;
}

}  // namespace

void StepFacilityState(GameState& g, int slot) {
    auto& P = g.Person;
    const FloorZone* zone = ZoneOfFacilityState(P.State[slot].i());
    const int spot = P.TargetSpot[slot].i();
    if (!zone || spot < 1 || spot > kSpots) return;

    // Set on every tick: a facility that changes kind moves the cell at once.
    const int kind = KindOnSpot(g, spot);
    const bool firstRun = zone->inFirstRun(spot);
    const GridCell use = kSpotUseCell[spot];
    SetTarget(g, slot, firstRun && IsWide(kind) ? WideUseCell(use) : use);

    ActAtFacility(g, slot);

    if (g.FacilityDone.asInt() == 1) {
        g.FacilityDone = 0;
        LeaveFacility(g, slot, *zone, kind, firstRun);
        P.HeadingSet[slot] = 0;
        P.StateTicks[slot] = 0;
    }
}

bool IsUseCellOf(int spot, GridCell cell) {
    const FloorZone* zone = ZoneOfSpot(spot);
    if (!zone) return false;
    const GridCell use = kSpotUseCell[spot];
    return cell == use || (zone->inFirstRun(spot) && cell == WideUseCell(use));
}

void ActAtFacility(GameState& g, int slot) {
    (void)g.Rnd();
    if (!StandsOnTarget(g, slot)) return;
    auto& P = g.Person;
    const int t = P.StateTicks[slot].i() + 1;
    P.StateTicks[slot] = t;

    const int spot = P.TargetSpot[slot].i();
    if (spot < 1 || spot > kSpots) return;
    const FacilityUse* use = UseOfKind(KindOnSpot(g, spot));
    if (!use) return;
    const int facing = g.FacilitySlot.Facing[spot].i();

    bool listed = false;
    for (const UseTick& u : use->ticks) {
        if (u.tick != t) continue;
        listed = true;
        if (u.pose != kNoPose) Pose(g, slot, facing, u.pose);
        if (u.actions & DrinksSale) {
            if (g.SoundOn.asInt() == 1) Ui().PlaySound("Machine.wav");
            SellDrinks(g, slot);
        }
        if (u.actions & ClawFee) AddMoney(g, kClawFee, Facilities, 1);
        if (u.actions & PhotoFee) AddMoney(g, (g.RndInt(4) + 1) * kPhotoFeeStep, Facilities, 1);
        if (u.actions & CountUse) CountUp(g.UseCount[spot]);
    }
    // Past its last tick too: the facility may have changed under a person
    // already counting (a removal after hours), and a use ends all the same.
    const bool done = use->doneFromThenOn ? !listed && t >= use->doneTick : t >= use->doneTick;
    if (done) g.FacilityDone = 1;
}
