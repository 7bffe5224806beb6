#include <array>
#include <cstdint>
#include <iterator>

#include "sim/Customer.h"
#include "sim/CustomerStates.h"
#include "state/PersonSlots.h"

namespace {

using Handler = void (*)(GameState&, int);
struct Block {
    int state;
    Handler handler;
};

// BlockOrder: the handlers in the order they are tested within one call.
// Each runs when the slot holds its state at that point, so a change into a
// state further down runs that state's handler in the same call, while a
// change into one further up waits for the next tick. State 16 is tested a
// second time after 24.
using namespace CustomerState;
constexpr Block kBlockOrder[] = {
    {Absent, ArriveAtSlot},
    {EnterUpperDoor, StepRouteLeg},
    {ToZoneA, StepRouteLeg},
    {UseFacilityA, StepFacilityState},
    {ToRegister1, StepRouteLeg},
    {ApproachRegister1, StepRouteLeg},
    {QueueRegister1, StepRegisterQueue},
    {LeaveUpperDoor, StepLeaveUpperDoor},
    {ExitUpperTop, StepRouteLeg},
    {ExitUpperLeft, StepRouteLeg},
    {ToZoneB, StepRouteLeg},
    {UseFacilityB, StepFacilityState},
    {EnterSideDoor, StepRouteLeg},
    {ToZoneC, StepRouteLeg},
    {UseFacilityC, StepFacilityState},
    {QueueRegister2, StepRegisterQueue},
    {LeaveSideDoor, StepLeaveSideDoor},
    {ExitSideLeft, StepRouteLeg},
    {ToZoneD, StepRouteLeg},
    {UseFacilityD, StepFacilityState},
    {ToRegister2, StepRouteLeg},
    {ToZoneE, StepRouteLeg},
    {UseFacilityE, StepFacilityState},
    {ToRegister2FromE, StepRouteLeg},
    {QueueRegister2, SteerAtRegister2},
    {ToZoneF, StepRouteLeg},
    {ToZoneFInner, StepRouteLeg},
    {UseFacilityF, StepFacilityState},
    {LeaveZoneF, StepRouteLeg},
    {ToZoneG, StepRouteLeg},
    {ToZoneGInner, StepRouteLeg},
    {UseFacilityG, StepFacilityState},
    {LeaveZoneG, StepRouteLeg},
    {LeaveZoneGOuter, StepRouteLeg},
    {PassTopToLeft, StepRouteLeg},
    {PassLeftToTop, StepRouteLeg},
    {PassTopToRight, StepRouteLeg},
    {PassRightToTop, StepRouteLeg},
    {SidestepDownLeft, StepSidestepDownLeft},
    {WalkBack, StepWalkBack},
    {SidestepUpRight, StepSidestepUpRight},
    {ServiceEnterUpperDoor, StepRouteLeg},
    {ServiceToRegister1, StepRouteLeg},
    {ServiceEnterSideDoor, StepRouteLeg},
    {ServiceToRegister2, StepRouteLeg},
};

constexpr int kBlocks = static_cast<int>(std::size(kBlockOrder));

// kNextBlock[state][from]: the first block at or after `from` that tests
// `state`, or -1. Running the machine is then a walk down this table: the
// same handlers in the same order as testing every block in turn, without
// the tests that cannot hold.
using NextBlockTable = std::array<std::array<std::int8_t, kBlocks + 1>, kStateCodes>;
constexpr NextBlockTable MakeNextBlockTable() {
    NextBlockTable t{};
    for (int state = 0; state < kStateCodes; ++state) {
        std::int8_t next = -1;
        for (int from = kBlocks; from >= 0; --from) {
            if (from < kBlocks && kBlockOrder[from].state == state) next = static_cast<std::int8_t>(from);
            t[state][from] = next;
        }
    }
    return t;
}
constexpr NextBlockTable kNextBlock = MakeNextBlockTable();

// The state as a row of the table; -1 for a code no block tests (an Empty
// state is 0).
int StateRow(const WholeCell& state) {
    const std::int32_t s = state.get();
    return s >= 0 && s < kStateCodes ? static_cast<int>(s) : -1;
}

// The blocks from `from` on, each whose state the slot holds when it is
// reached.
void RunBlocksFrom(GameState& g, int slot, int from) {
    while (from < kBlocks) {
        const int row = StateRow(g.Person.State[slot]);
        if (row < 0) return;
        const int at = kNextBlock[row][from];
        if (at < 0) return;
        kBlockOrder[at].handler(g, slot);
        from = at + 1;
    }
}

// The arrival is the first block and the only one of the absent state.
static_assert(kBlockOrder[0].state == Absent && kBlockOrder[0].handler == ArriveAtSlot && kNextBlock[Absent][1] < 0);

}  // namespace

void StepCustomer(GameState& g, int slot) {
    if (slot < 0 || slot >= static_cast<int>(g.Person.State.size())) return;
    RunBlocksFrom(g, slot, 0);
}

void StepAbsentCustomer(GameState& g, int slot) {
    ArriveAtSlot(g, slot);
    if (g.Person.State[slot].get() != Absent) RunBlocksFrom(g, slot, 1);
}
