#include "sim/Cleaner.h"

#include <algorithm>
#include <cstdint>

#include "shop/Litter.h"
#include "state/HourLength.h"
#include "sim/Walking.h"

namespace {

using namespace CleanerState;

constexpr int kFigureColumnWidth = 112;
constexpr int kDirtMax = 100;

// What happens on arriving at the end of a leg, before the next state.
using Arrival = void (*)(GameState&);

// Through the front door the cleaner counts as gone out; the last one out
// lets the hour end soon.
void GoneOut(GameState& g) {
    g.CleanerInside = 0;
    ShortenHourWhenEmpty(g);
}

// Outside again: the order is done and a new one may be given.
void OrderDone(GameState& g) { g.CleaningOrdered = 0; }

// The walking legs: where each heads for and the state arrival leads to.
struct Leg {
    int state;
    GridCell target;
    int next;
    Arrival arrival;
};
constexpr Leg kLegs[] = {
    {Enter, {53, 35}, ToArea1, nullptr},  // a cell of the front door
    {ToArea1, {54, 48}, CleanArea1, nullptr},
    {ToArea2, {65, 63}, CleanArea2, nullptr},
    {FromArea2, {67, 61}, ToDoor, nullptr},
    {ToDoor, {48, 30}, Exit, GoneOut},  // at the front door
    {Exit, {56, 8}, Absent, OrderDone},  // outside, still on the map
};

bool SmallShop(const GameState& g) { return g.ShopSize.asInt() <= 1; }
bool Always(const GameState&) { return true; }

// A mopping stretch: a step of one cell down the floor every second tick
// from tick 3 to `lastTick`, the mop frames alternating between the two
// rows, then the next state, or, when `lastStretch` holds, the way out with
// the dirt taken off.
struct Stretch {
    int state;
    int lastTick;
    int dx;            // -1 down-left, +1 down-right
    int restFrameRow;  // the frame shown from tick 1 (-1: the one it came with)
    int mopFrameRows[2];  // at ticks 3, 7, 11, ... and at ticks 5, 9, 13, ...
    int next;
    bool (*lastStretch)(const GameState&);
};
constexpr Stretch kStretches[] = {
    {CleanArea1, 13, +1, -1, {0, 32}, ToArea2, SmallShop},  // six cells
    {CleanArea2, 17, -1, 96, {64, 96}, FromArea2, Always},  // eight cells
};
constexpr int kFirstStepTick = 3;
constexpr int kMopFrameColumn = 48;

void ChangeState(GameState& g, int slot, int state) {
    g.Person.State[slot] = state;
    g.Person.HeadingSet[slot] = 0;
    g.Person.StateTicks[slot] = 0;
}

// Once per cleaning: the dirt falls by the ordered strength, the litter is
// laid from that value (it may read below 0 for this one call), and the
// strength is spent.
void BookCleaning(GameState& g) {
    g.Dirtiness = g.Dirtiness.asInt() - g.CleaningStrength.asInt();
    UpdateLitterSprites(g);
    g.CleaningStrength = 0;
    g.Dirtiness = std::clamp<std::int64_t>(g.Dirtiness.asInt(), 0, kDirtMax);
    g.ShopInfoDirty = 1;
}

void WalkLeg(GameState& g, int slot) {
    const int state = g.Person.State[slot].i();
    for (const Leg& leg : kLegs) {
        if (leg.state != state) continue;
        g.Person.TargetX[slot] = leg.target.x;
        g.Person.TargetY[slot] = leg.target.y;
        if (!StandsOnTarget(g, slot)) return;
        if (leg.arrival) leg.arrival(g);
        ChangeState(g, slot, leg.next);
        return;
    }
}

const Stretch* StretchOf(int state) {
    for (const Stretch& s : kStretches)
        if (s.state == state) return &s;
    return nullptr;
}

void Mop(GameState& g, int slot) {
    const Stretch* s = StretchOf(g.Person.State[slot].i());
    if (!s) return;

    const int tick = g.Person.StateTicks[slot].i() + 1;
    g.Person.StateTicks[slot] = tick;
    const int sp = PersonSpriteSlot(g, slot);
    const int look = g.Person.Look[slot].i();
    if (tick == 1) {
        // The main tick writes no walking frames over the mop frames while
        // the heading is 0.
        g.Person.Heading[slot] = 0;
        if (sp >= 0 && s->restFrameRow >= 0) {
            g.Sprite.SrcX[sp] = look * kFigureColumnWidth;
            g.Sprite.SrcY[sp] = s->restFrameRow;
        }
    }
    if (tick >= kFirstStepTick && tick <= s->lastTick && tick % 2 == 1 && sp >= 0) {
        g.Sprite.X[sp] = g.Sprite.X[sp].asInt() + 6 * s->dx;
        g.Sprite.Y[sp] = g.Sprite.Y[sp].asInt() + 3;
        g.Sprite.SrcX[sp] = kMopFrameColumn + look * kFigureColumnWidth;
        g.Sprite.SrcY[sp] = s->mopFrameRows[((tick - kFirstStepTick) / 2) % 2];
    }
    if (tick < s->lastTick) return;
    ChangeState(g, slot, s->next);
    if (s->lastStretch(g)) {
        ChangeState(g, slot, FromArea2);
        BookCleaning(g);
    }
}

// Walking starts this tick: toward the door, not toward wherever the last
// visit ended (from which the first step would lead off the map).
void ComeIn(GameState& g, int slot) {
    g.CleanerInside = 1;
    EnterByStaffDoor(g, slot, Enter, kLegs[0].target);
}

// BlockOrder: after the entry pair, the blocks of states 2 to 8 in
// ascending order; each runs when the row holds its state at that point.
using Handler = void (*)(GameState&, int);
struct Block {
    int state;
    Handler handler;
};
constexpr Block kBlockOrder[] = {
    {ToArea1, WalkLeg}, {CleanArea1, Mop}, {ToArea2, WalkLeg}, {CleanArea2, Mop},
    {FromArea2, WalkLeg}, {ToDoor, WalkLeg}, {Exit, WalkLeg},
};

}  // namespace

void StepCleaner(GameState& g, int slot) {
    if (slot < 0 || slot >= static_cast<int>(g.Person.State.size())) return;
    if (g.CleaningOrdered.asInt() != 1) return;

    // A cleaner who has just come in does not walk its first leg yet.
    if (g.Person.State[slot].asInt() == Absent)
        ComeIn(g, slot);
    else if (g.Person.State[slot].asInt() == Enter)
        WalkLeg(g, slot);

    for (const Block& b : kBlockOrder)
        if (g.Person.State[slot].asInt() == b.state) b.handler(g, slot);
}

std::optional<GridCell> MoppingCell(int state, std::int64_t ticks) {
    const Stretch* s = StretchOf(state);
    if (!s) return std::nullopt;
    GridCell cell{};
    for (const Leg& leg : kLegs)
        if (leg.next == state) cell = leg.target;
    const std::int64_t last = std::min<std::int64_t>(ticks, s->lastTick);
    const int steps = last < kFirstStepTick ? 0 : static_cast<int>((last - kFirstStepTick) / 2 + 1);
    return GridCell{cell.x + steps * s->dx, cell.y + steps};
}
