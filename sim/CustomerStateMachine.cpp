#include "sim/Customer.h"
#include "sim/CustomerStates.h"
#include "sim/PersonSlots.h"

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

}  // namespace

void StepCustomer(GameState& g, int slot) {
    if (slot < 0 || slot >= static_cast<int>(g.Person.State.size())) return;
    for (const Block& b : kBlockOrder)
        if (g.Person.State[slot].asReal() == b.state) b.handler(g, slot);
}
