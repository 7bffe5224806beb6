#include "sim/Robber.h"

#include "platform/Platform.h"
#include "state/HourLength.h"
#include "sim/Walking.h"

namespace {

using namespace RobberState;

// One robbery in 12 x 360 eligible ticks, on average.
constexpr int kTriggerDraw = 12 * 360;

// The robber's standing frame at the counter: its figure's column, the
// first frame of the down-left row.
constexpr int kFigureColumnWidth = 112;
constexpr int kStandingSrcY = 96;

void ChangeState(GameState& g, int slot, int state) {
    g.Person.State[slot] = state;
    g.Person.HeadingSet[slot] = 0;
    g.Person.StateTicks[slot] = 0;
}

// At the counter: the robber turns to leave at once and stands facing the
// till while the player decides.
void DemandMoney(GameState& g, int slot) {
    ChangeState(g, slot, ToDoor);
    const int sp = PersonSpriteSlot(g, slot);
    if (sp >= 0) {
        g.Sprite.SrcX[sp] = g.Person.Look[slot].asInt() * kFigureColumnWidth;
        g.Sprite.SrcY[sp] = kStandingSrcY;
    }
    Ui().ShowWindow(Window::Robbery, g);
}

// Past the front door: out of the shop, the robbery over; the robber walks
// off the floor by one edge or the other.
void LeaveShop(GameState& g, int slot) {
    g.RobberInside = 0;
    ShortenHourWhenEmpty(g);
    g.RobberActive = 0;
    ChangeState(g, slot, g.RndInt(2) == 0 ? LeaveNorth : LeaveWest);
}

void ToTheCounter(GameState& g, int slot) { ChangeState(g, slot, AtRegister); }

// Each leg heads for its cell; arriving there runs its step. The legs are
// tested in this order within one call, so a leg entered by an earlier one
// sets its target in the same call. The last two end at the floor's edge,
// where the main tick takes the robber off the floor.
struct RobberLeg {
    int state;
    GridCell target;
    void (*onArrival)(GameState&, int);
};
constexpr RobberLeg kLegs[] = {
    {Enter, {53, 35}, ToTheCounter},
    {AtRegister, {56, 54}, DemandMoney},  // register 1's counter, even with no register there
    {ToDoor, {44, 26}, LeaveShop},
    {LeaveNorth, {64, 6}, nullptr},
    {LeaveWest, {4, 66}, nullptr},
};

void RunLeg(GameState& g, int slot, const RobberLeg& leg) {
    if (g.Person.State[slot].asInt() != leg.state) return;
    g.Person.TargetX[slot] = leg.target.x;
    g.Person.TargetY[slot] = leg.target.y;
    if (leg.onArrival && StandsOnTarget(g, slot)) leg.onArrival(g, slot);
}

// The robber appears at the staff entrance, counted inside, and heads for
// the door at once: a new game's row holds no target at all, and heading for
// it would take the robber off the top edge and in again.
void ComeIn(GameState& g, int slot) {
    g.RobberInside = 1;
    EnterByStaffDoor(g, slot, Enter, kLegs[0].target);
}

// The draw is made on every tick without a robbery, whatever else holds.
void DrawTrigger(GameState& g) {
    const int d = g.RndInt(kTriggerDraw);
    if (g.ClerkCount.asInt() >= 1 && g.ShopOpen.asInt() == 1 && g.Hour.asInt() < g.ClosingHour.asInt() - 1 &&
        d == 0 && g.DaysSinceRobbery.asInt() >= kDaysBetweenRobberies && g.Funds.asInt() >= kRobberyFundsAtLeast)
        g.RobberActive = 1;  // the robber comes in on the next tick
}

}  // namespace

void StepRobber(GameState& g, int slot) {
    if (slot < 0 || slot >= static_cast<int>(g.Person.State.size())) return;
    if (g.RobberActive.asInt() != 1) {
        DrawTrigger(g);
        return;
    }
    // Coming in and the first leg exclude each other: the robber who has
    // just appeared heads for the door cell from the next call on.
    const bool cameIn = g.Person.State[slot].asInt() == Absent;
    if (cameIn) ComeIn(g, slot);
    for (const RobberLeg& leg : kLegs)
        if (!(cameIn && leg.state == Enter)) RunLeg(g, slot, leg);
}
