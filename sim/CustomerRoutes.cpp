// The customers' ways over the floor: fixed legs from cell to cell, the
// recorded route points, the sidesteps off a facility, the walk back over
// the recorded points, and the way out through the doors.
#include <array>
#include <cstdint>
#include <iterator>

#include "sim/Customer.h"
#include "sim/CustomerStates.h"
#include "state/PersonSlots.h"
#include "state/HourLength.h"

using namespace CustomerState;

namespace {

// FloorZone by zone: spots, first run, door, way in, facility state, a shelf
// customer's way on (the target it sets, if any, and the state), register.
constexpr FloorZone kFloorZones[] = {
    {'A', 1, 13, 1, 8, false, ToZoneA, UseFacilityA, ToRegister1, false, {0, 0}, true, 1},
    {'B', 14, 26, 14, 21, false, ToZoneB, UseFacilityB, QueueRegister1, true, {56, 54}, false, 1},
    {'C', 27, 36, 27, 31, true, ToZoneC, UseFacilityC, QueueRegister2, true, {56, 72}, false, 2},
    {'D', 37, 44, 37, 41, true, ToZoneD, UseFacilityD, ToRegister2, true, {46, 82}, false, 2},
    {'E', 45, 54, 45, 47, true, ToZoneE, UseFacilityE, ToRegister2FromE, true, {32, 86}, false, 2},
    {'F', 55, 55, 0, 0, true, ToZoneF, UseFacilityF, LeaveZoneF, true, {46, 78}, false, 2},
    {'G', 56, 61, 0, 0, true, ToZoneG, UseFacilityG, LeaveZoneG, true, {46, 78}, false, 2},
};

// A leg whose next state depends on the zone of the spot (the door cells),
// and a leg that never ends by itself (its target lies beyond the map's
// edge, where the main tick frees the slot).
constexpr int kNextByZone = -1;
constexpr int kEndsAtEdge = -2;

struct Leg {
    int state;
    GridCell target;
    bool records;         // the target becomes the next route point on arrival
    int next;
    bool setsRestTarget;  // the target the transition leaves for the rest of the tick
    GridCell restTarget;
};
constexpr Leg kLegs[] = {
    {EnterUpperDoor, {53, 35}, true, kNextByZone, false, {}},
    {ToZoneA, {59, 29}, true, UseFacilityA, false, {}},
    {ToZoneB, {48, 40}, true, UseFacilityB, false, {}},
    {EnterSideDoor, {32, 78}, true, kNextByZone, false, {}},
    {ToZoneC, {56, 72}, true, UseFacilityC, false, {}},
    {ToZoneD, {46, 82}, true, UseFacilityD, false, {}},
    {ToZoneE, {31, 87}, true, UseFacilityE, false, {}},
    {ToZoneF, {46, 82}, true, ToZoneFInner, false, {}},
    {ToZoneFInner, {70, 106}, true, UseFacilityF, false, {}},
    {ToZoneG, {46, 82}, true, ToZoneGInner, false, {}},
    {ToZoneGInner, {78, 114}, true, UseFacilityG, false, {}},
    {ToRegister1, {78, 48}, false, ApproachRegister1, false, {}},
    {ApproachRegister1, {66, 60}, false, QueueRegister1, false, {}},
    {ToRegister2, {46, 78}, false, QueueRegister2, true, {54, 70}},
    {ToRegister2FromE, {32, 86}, false, QueueRegister2, true, {34, 84}},
    {LeaveZoneF, {70, 106}, false, ToRegister2, true, {46, 78}},
    {LeaveZoneG, {78, 114}, false, LeaveZoneGOuter, false, {}},
    {LeaveZoneGOuter, {46, 82}, false, QueueRegister2, true, {54, 70}},
    {ExitUpperTop, {64, 6}, false, kEndsAtEdge, false, {}},
    {ExitUpperLeft, {4, 66}, false, kEndsAtEdge, false, {}},
    {ExitSideLeft, {16, 62}, false, kEndsAtEdge, false, {}},
    // Passers-by cross the street and are gone beyond the edge.
    {PassTopToLeft, {0, 70}, false, kEndsAtEdge, false, {}},
    {PassLeftToTop, {66, 0}, false, kEndsAtEdge, false, {}},
    {PassTopToRight, {122, 70}, false, kEndsAtEdge, false, {}},
    {PassRightToTop, {54, 0}, false, kEndsAtEdge, false, {}},
    // Service-counter customers: in by the door of their side, then to the
    // queue of that side's register.
    {ServiceEnterUpperDoor, {53, 35}, false, ServiceToRegister1, false, {}},
    {ServiceToRegister1, {49, 39}, false, QueueRegister1, true, {56, 54}},
    {ServiceEnterSideDoor, {32, 78}, false, ServiceToRegister2, false, {}},
    {ServiceToRegister2, {34, 80}, false, QueueRegister2, true, {58, 72}},
};

// Where a sidestep down-left leaves its person heading for the rest of the
// tick, by the state it returns to (a return to the walk back sets nothing:
// that handler runs next in the same call).
struct SidestepReturn {
    int state;
    GridCell target;
};
constexpr SidestepReturn kSidestepReturns[] = {
    {ToRegister1, {78, 48}},
    {QueueRegister1, {56, 54}},
    {QueueRegister2, {56, 72}},
    {ToRegister2, {46, 82}},
    {ToRegister2FromE, {32, 86}},
};

// Outside the doors: where a customer going out stops counting as inside,
// and where a walk back that ends at a door heads next.
constexpr GridCell kOutsideUpperDoor{46, 28};
constexpr GridCell kWalkBackUpperDoorExit{44, 26};
constexpr GridCell kSideDoorCell{32, 78};
// Spots up to this one are reached through the upper door.
constexpr int kLastUpperDoorSpot = 26;
constexpr int kRoutePoints = 11;  // points 1..10; point 0 is never used

// The leg of each state code, found by the code (-1: a state that is no
// plain leg).
using LegIndex = std::array<std::int8_t, kStateCodes>;
constexpr LegIndex MakeLegIndex() {
    LegIndex t{};
    t.fill(-1);
    for (int k = 0; k < static_cast<int>(std::size(kLegs)); ++k)
        if (t[kLegs[k].state] < 0) t[kLegs[k].state] = static_cast<std::int8_t>(k);
    return t;
}
constexpr LegIndex kLegOfState = MakeLegIndex();

const Leg* FindLeg(int state) {
    if (state < 0 || state >= kStateCodes || kLegOfState[state] < 0) return nullptr;
    return &kLegs[kLegOfState[state]];
}

// The state after a door cell: the way into the zone of the spot, when that
// zone is reached through this door.
int NextAfterDoor(const GameState& g, int slot, int state) {
    const FloorZone* z = ZoneOfSpot(g.Person.TargetSpot[slot].i());
    if (!z || z->sideDoor != (state == EnterSideDoor)) return -1;
    return z->afterDoorState;
}

void RecordRoutePoint(GameState& g, int slot) {
    const int k = g.WaypointCount[slot].i();
    if (k < 0 || k >= kRoutePoints) return;
    g.Person.WaypointX[slot][k] = g.Person.TargetX[slot].value();
    g.Person.WaypointY[slot][k] = g.Person.TargetY[slot].value();
    g.WaypointCount[slot] = k + 1;
}

GridCell CellOf(const Value& x, const Value& y) { return {x.i(), y.i()}; }

// The first walk-back point still to go: the last one recorded that has not
// been counted off.
GridCell NextPointBack(const GameState& g, int slot) {
    return RecordedPoint(g, slot, g.WaypointCount[slot].i() - g.Person.WaypointsBack[slot].i());
}

}  // namespace

const FloorZone* ZoneOfSpot(int spot) {
    for (const FloorZone& z : kFloorZones)
        if (spot >= z.firstSpot && spot <= z.lastSpot) return &z;
    return nullptr;
}

const FloorZone* ZoneOfFacilityState(int state) {
    for (const FloorZone& z : kFloorZones)
        if (z.facilityState == state) return &z;
    return nullptr;
}

void SetTarget(GameState& g, int slot, GridCell cell) {
    g.Person.TargetX[slot] = cell.x;
    g.Person.TargetY[slot] = cell.y;
}

void ChangeCustomerState(GameState& g, int slot, int state) {
    g.Person.State[slot] = state;
    g.Person.HeadingSet[slot] = 0;
    g.Person.StateTicks[slot] = 0;
}

void CustomerLeavesShop(GameState& g, int slot) {
    // Copies still reserved go back to the shelves: a shopper whose shelf
    // became a machine on its way walks back out without paying.
    ReleaseReservation(g, slot);
    if (g.CustomersInside.asInt() > 0) g.CustomersInside = g.CustomersInside.asInt() - 1;
    ShortenHourWhenEmpty(g);
}

bool IsRecordedRoutePoint(GridCell cell) {
    for (const Leg& leg : kLegs)
        if (leg.records && leg.target == cell) return true;
    return false;
}

GridCell RecordedPoint(const GameState& g, int slot, int k) {
    if (k < 0 || k >= kRoutePoints) return {0, 0};
    return CellOf(g.Person.WaypointX[slot][k], g.Person.WaypointY[slot][k]);
}

void StepRouteLeg(GameState& g, int slot) {
    const int state = g.Person.State[slot].i();
    const Leg* leg = FindLeg(state);
    if (!leg) return;
    SetTarget(g, slot, leg->target);
    if (leg->next == kEndsAtEdge || !StandsOnTarget(g, slot)) return;
    const int next = leg->next == kNextByZone ? NextAfterDoor(g, slot, state) : leg->next;
    if (next < 0) return;
    if (leg->records) RecordRoutePoint(g, slot);
    ChangeCustomerState(g, slot, next);
    if (leg->setsRestTarget) SetTarget(g, slot, leg->restTarget);
}

void StepLeaveUpperDoor(GameState& g, int slot) {
    SetTarget(g, slot, kOutsideUpperDoor);
    if (!StandsOnTarget(g, slot)) return;
    CustomerLeavesShop(g, slot);
    ChangeCustomerState(g, slot, g.RndInt(2) == 0 ? ExitUpperTop : ExitUpperLeft);
}

void StepLeaveSideDoor(GameState& g, int slot) {
    SetTarget(g, slot, kSideDoorCell);
    if (!StandsOnTarget(g, slot)) return;
    CustomerLeavesShop(g, slot);
    ChangeCustomerState(g, slot, ExitSideLeft);
}

void StepSidestepDownLeft(GameState& g, int slot) {
    auto& P = g.Person;
    SetTarget(g, slot, {P.SavedTargetX[slot].i() - 1, P.SavedTargetY[slot].i() + 1});
    if (!StandsOnTarget(g, slot)) return;
    const int back = P.ReturnState[slot].i();
    ChangeCustomerState(g, slot, back);
    for (const SidestepReturn& r : kSidestepReturns)
        if (r.state == back) SetTarget(g, slot, r.target);
}

void StepSidestepUpRight(GameState& g, int slot) {
    auto& P = g.Person;
    SetTarget(g, slot, {P.SavedTargetX[slot].i() + 1, P.SavedTargetY[slot].i() - 1});
    if (!StandsOnTarget(g, slot)) return;
    const int back = P.ReturnState[slot].i();
    ChangeCustomerState(g, slot, back);
    if (back == WalkBack) SetTarget(g, slot, NextPointBack(g, slot));
}

void StepWalkBack(GameState& g, int slot) {
    auto& P = g.Person;
    SetTarget(g, slot, NextPointBack(g, slot));
    if (!StandsOnTarget(g, slot)) return;
    P.WaypointsBack[slot] = P.WaypointsBack[slot].asInt() + 1;
    const int k = g.WaypointCount[slot].i() - P.WaypointsBack[slot].i();
    if (k == 0) {
        // Back on the door cell, the first point recorded: out by that door.
        if (P.TargetSpot[slot].asInt() <= kLastUpperDoorSpot) {
            SetTarget(g, slot, kWalkBackUpperDoorExit);
            ChangeCustomerState(g, slot, LeaveUpperDoor);
        } else {
            SetTarget(g, slot, kSideDoorCell);
            ChangeCustomerState(g, slot, LeaveSideDoor);
        }
    } else {
        SetTarget(g, slot, RecordedPoint(g, slot, k));
        ChangeCustomerState(g, slot, WalkBack);
    }
}
