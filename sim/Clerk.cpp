#include "sim/Clerk.h"

#include "state/HourLength.h"
#include "sim/Walking.h"
#include "state/SpritePool.h"

namespace {

using Cell = GridCell;

// Where each walking state heads for, and the state that arrival leads to.
struct ClerkWalk {
    int state;
    Cell target;
    int next;
};
constexpr ClerkWalk kArrive = {ClerkArrive, {55, 37}, ClerkToCounter};  // past the front door
constexpr ClerkWalk kToCounter = {ClerkToCounter, {44, 48}, ClerkChooseRegister};
constexpr ClerkWalk kLeaveCounter = {ClerkLeaveCounter, {44, 50}, ClerkToDoor};
constexpr ClerkWalk kToDoor = {ClerkToDoor, {48, 30}, ClerkExit};  // at the front door
constexpr ClerkWalk kExit = {ClerkExit, {56, 10}, ClerkAbsent};    // outside

// The post behind each register (index 0 register 1, 1 register 2): the
// standing frame there, and the heading a lone clerk takes to walk over.
struct RegisterPost {
    int state;
    Cell post;
    int standingSrcY;  // first frame of the up-right (post A) or down-right (post B) row
    int headingHere;
};
constexpr RegisterPost kPosts[2] = {
    {ClerkAtPostA, {52, 58}, 32, 2},
    {ClerkAtPostB, {50, 66}, 64, 3},
};

// Where clerk 0 stands when clerk 1 sets off behind it.
constexpr Cell kSecondClerkStart = {54, 14};
// An absent clerk waits above the scene, where no click reaches it.
constexpr int kParkedY = -64;
constexpr int kFigureColumnWidth = 112;

// On its target cell, as the mover counts cells.
bool Arrived(const GameState& g, int slot) { return StandsOnTarget(g, slot); }

void SetTarget(GameState& g, int slot, Cell c) {
    g.Person.TargetX[slot] = c.x;
    g.Person.TargetY[slot] = c.y;
}

void ChangeState(GameState& g, int slot, int state) {
    g.Person.State[slot] = state;
    g.Person.HeadingSet[slot] = 0;
    g.Person.StateTicks[slot] = 0;
}

bool InState(const GameState& g, int slot, int state) { return g.Person.State[slot].asInt() == state; }

bool AnyRegisterAttended(const GameState& g) {
    return g.RegisterSlot.ClerkState[0].asInt() != Unattended || g.RegisterSlot.ClerkState[1].asInt() != Unattended;
}

void Enter(GameState& g, int slot) {
    const bool lead = slot == 0;
    // Clerk 1 follows two steps behind clerk 0, or comes alone to help at
    // a register that is already staffed (a clerk hired during the day).
    const bool behindFirst = slot == 1 && g.ClerkCount.asInt() == 2 && StandsOn(g, 0, kSecondClerkStart);
    const bool toStaffedShop = slot == 1 && AnyRegisterAttended(g);
    if (!InState(g, slot, ClerkAbsent) || !(lead || behindFirst || toStaffedShop)) return;

    g.ClerksInside = g.ClerksInside.asInt() + 1;
    EnterByStaffDoor(g, slot, kArrive.state, kArrive.target);
}

// A walking state: head for its target and move on once there.
void Walk(GameState& g, int slot, const ClerkWalk& w) {
    if (!InState(g, slot, w.state)) return;
    SetTarget(g, slot, w.target);
    if (Arrived(g, slot)) ChangeState(g, slot, w.next);
}

// At the post of register k: attend it, and a clerk whose register has no
// customer while the other, unattended one has, walks over to that one.
void AttendRegister(GameState& g, int slot, int k) {
    const RegisterPost& here = kPosts[k];
    if (!InState(g, slot, here.state)) return;
    SetTarget(g, slot, here.post);
    if (!Arrived(g, slot)) return;

    auto& reg = g.RegisterSlot;
    reg.ClerkState[k] = ClerkAtRegister;
    const int s = PersonSpriteSlot(g, slot);
    if (s >= 0) {
        g.Sprite.SrcX[s] = g.Person.Look[slot].asInt() * kFigureColumnWidth;
        g.Sprite.SrcY[s] = here.standingSrcY;
    }

    const int other = 1 - k;
    if (reg.ClerkState[other].asInt() == Unattended && reg.Busy[k].asInt() == 0 && reg.Busy[other].asInt() == 1) {
        const RegisterPost& there = kPosts[other];
        SetTarget(g, slot, there.post);
        reg.ClerkState[k] = Unattended;
        reg.ClerkState[other] = ClerkComing;
        // The heading is set straight away; the mover keeps its heading flag.
        g.Person.State[slot] = there.state;
        g.Person.Heading[slot] = there.headingHere;
    }
}

void ChooseRegister(GameState& g, int slot) {
    if (!InState(g, slot, ClerkChooseRegister)) return;
    // Nothing is reserved here: the mark is written only at the post.
    if (g.RegisterSlot.ClerkState[0].asInt() == Unattended)
        ChangeState(g, slot, kPosts[0].state);
    else if (g.RegisterSlot.ClerkState[1].asInt() == Unattended)
        ChangeState(g, slot, kPosts[1].state);
}

void GoOutByTheDoor(GameState& g, int slot) {
    if (!InState(g, slot, kToDoor.state)) return;
    SetTarget(g, slot, kToDoor.target);
    if (!Arrived(g, slot)) return;
    g.ClerksInside = g.ClerksInside.asInt() - 1;
    ShortenHourWhenEmpty(g);
    ChangeState(g, slot, kToDoor.next);
}

void GoHome(GameState& g, int slot) {
    if (!InState(g, slot, kExit.state)) return;
    SetTarget(g, slot, kExit.target);
    if (!Arrived(g, slot)) return;
    ChangeState(g, slot, kExit.next);
    // The outside cell still lies on the floor, so park the figure out of
    // sight rather than leave it standing where a click would find it.
    const int s = PersonSpriteSlot(g, slot);
    if (s >= 0) g.Sprite.Y[s] = kParkedY;
}

}  // namespace

void StepClerk(GameState& g, int slot) {
    if (g.ClerkRowCount.asInt() - 1 < slot || slot < 0 || slot > 1) return;

    if (g.ShopOpen.asInt() == 1 && g.Hour.asInt() < g.ClosingHour.asInt() - 1) Enter(g, slot);

    // Each block sees the state the blocks before it left, so a clerk may
    // pass through several of them in one tick.
    Walk(g, slot, kArrive);
    Walk(g, slot, kToCounter);
    ChooseRegister(g, slot);
    AttendRegister(g, slot, 0);
    AttendRegister(g, slot, 1);
    Walk(g, slot, kLeaveCounter);
    GoOutByTheDoor(g, slot);
    GoHome(g, slot);

    // After hours the clerks go home together once no customer, cleaner or
    // robber is left to look after.
    const auto state = g.Person.State[slot].asInt();
    if (!WithinWorkingHours(g) && state >= 1 && state <= 50 && g.CustomersInside.asInt() == 0 &&
        g.CleanerInside.asInt() == 0 && g.RobberInside.asInt() == 0) {
        SetTarget(g, slot, kLeaveCounter.target);
        ChangeState(g, slot, kLeaveCounter.state);
        g.RegisterSlot.ClerkState[0] = Unattended;
        g.RegisterSlot.ClerkState[1] = Unattended;
    }
}
