#include "sim/MainTick.h"

#include "business/GameOver.h"
#include "platform/Platform.h"
#include "sim/Cleaner.h"
#include "sim/Clerk.h"
#include "sim/Customer.h"
#include "state/PersonSlots.h"
#include "sim/Robber.h"
#include "sim/ShopTick.h"
#include "sim/Walking.h"
#include "state/Counters.h"
#include "state/MainCaption.h"
#include "state/TableRows.h"

namespace {

// Marks the game as inside its tick for the scope and clears the mark
// however the scope is left, a thrown error included.
class TickScope {
public:
    explicit TickScope(GameState& g) : g_(g) { g_.inTick = true; }
    ~TickScope() { g_.inTick = false; }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

private:
    GameState& g_;
};

// The state machine of a slot: 0-1 clerks, 2 the robber, 5 the cleaner, 6 and
// up customers and passers-by; 3 and 4 are spare clerk rows never stepped.
void StepPerson(GameState& g, int slot) {
    if (slot <= 1)
        StepClerk(g, slot);
    else if (slot == PersonSlot::Robber)
        StepRobber(g, slot);
    else if (slot == PersonSlot::Cleaner)
        StepCleaner(g, slot);
    else if (slot >= 6)
        StepCustomer(g, slot);
}

// The rest of a person's tick, from where it stands after its state step:
// the walk, then the door cells under it.
inline void WalkAndOpenDoors(GameState& g, int slot, PersonPlace& at) {
    if (g.Person.State[slot].get() != 0) WalkPerson(g, slot, at);
    if (NearTheDoors(at)) CheckDoorCells(g, at);
}

// TickPersonSlot, built into the tick's loop over the slots.
[[gnu::always_inline]] inline void TickSlot(GameState& g, int slot) {
    // Most slots are empty most of the time: an absent person parked out of
    // sight skips the edge rule (it would change nothing) and, while it
    // stays so, the walk and the door cells; its state machine still runs
    // with every draw it makes. A place is worked out where it is first
    // needed and updated in place, never copied on the way. A person's
    // sprite slot is laid out by a new game and never changes in play, so
    // it is looked up once.
    const int sp = PersonSpriteSlot(g, slot);
    if (ParkedAndAbsent(g, slot, sp)) {
        CountUp(g.Person.TicksAlive[slot]);
        if (slot >= PersonSlot::FirstCustomer)
            StepAbsentCustomer(g, slot);
        else
            StepPerson(g, slot);
        if (ParkedAndAbsent(g, slot, sp)) return;
        PersonPlace at = PlaceOfSprite(g, sp);
        WalkAndOpenDoors(g, slot, at);
        return;
    }
    PersonPlace at = PlaceOfSprite(g, sp);
    if (BeyondTheEdge(at)) FreePersonAtEdge(g, slot, at);
    CountUp(g.Person.TicksAlive[slot]);
    StepPerson(g, slot);
    if (!StillAt(g, at)) at = PlaceOfSprite(g, sp);
    WalkAndOpenDoors(g, slot, at);
}

// The tick's memo (GameState::tickMemo) holds from the first slot to the
// last, and not a moment longer.
class PersonLoop {
public:
    explicit PersonLoop(GameState& g) : g_(g) {
        g_.tickMemo = {};
        g_.tickMemo.inPersonLoop = true;
    }
    ~PersonLoop() { g_.tickMemo = {}; }
    PersonLoop(const PersonLoop&) = delete;
    PersonLoop& operator=(const PersonLoop&) = delete;

private:
    GameState& g_;
};

}  // namespace

void TickPersonSlot(GameState& g, int slot) { TickSlot(g, slot); }

void MainTick(GameState& g) {
    if (g.inTick) return;
    const TickScope tick(g);

    // 1. One draw thrown away.
    (void)g.Rnd();

    // 2. The status-bar message shows from the tick after it was set and is
    // blanked twenty ticks later.
    g.StatusTicks = g.StatusTicks.asInt() + 1;
    if (g.StatusTicks.asInt() == 1) Ui().SetStatusBar(g.StatusText.asText());
    if (g.StatusTicks.asInt() >= 20) {
        g.StatusText = "";
        g.StatusTicks = 0;
    }

    // 3. The caption, when something changed it.
    if (g.CaptionDirty.asInt() == 1) {
        g.CaptionDirty = 0;
        Ui().SetCaption(MainCaption(g));
    }

    // 4. The clock and the shop's business.
    ShopTick(g);

    // 5. Every person slot, the count taken once (and never past the table).
    const int slots = RowsInUse(g.PersonCount, g.Person.State);
    {
        PersonLoop loop(g);
        for (int s = 0; s < slots; ++s) TickSlot(g, s);
    }

    // 6. The doors.
    CycleDoors(g);

    // 7, 8. A game over, then a grand prize (never over a finished game).
    if (g.GameOverReason.asInt() != 0) Ui().ShowWindow(Window::GameOver, g);
    if (GrandPrizeCertificateDue(g)) Ui().ShowWindow(Window::GrandPrize, g);
}
