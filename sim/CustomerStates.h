#pragma once
// What the customer routines share among themselves: the floor zones, the
// state change, and the handlers that the state machine calls by state code.
#include <cstdint>

#include "sim/Walking.h"
#include "state/GameState.h"

// The floor spots 1..61 fall into seven zones by the route that leads to
// them. A zone fixes the door, the way in, the facility state, where a shelf
// customer goes when it has finished, and the register it pays at.
struct FloorZone {
    char name;
    int firstSpot, lastSpot;
    int firstRunFirst, firstRunLast;  // the facing-4 run; 0, 0 when the zone has none
    bool sideDoor;                    // else the upper door
    int afterDoorState;               // the leg that follows the door cell
    int facilityState;
    int shelfNextState;               // a shelf customer's way on toward its register
    bool shelfSetsTarget;
    GridCell shelfNextTarget;
    bool clawWalksStraightBack;       // a claw machine user leaves without a sidestep
    int registerNo;

    bool inFirstRun(int spot) const { return firstRunFirst != 0 && spot >= firstRunFirst && spot <= firstRunLast; }
};

// Null for a spot outside 1..61.
const FloorZone* ZoneOfSpot(int spot);
// Null for a state that is not a facility state.
const FloorZone* ZoneOfFacilityState(int state);

void SetTarget(GameState& g, int slot, GridCell cell);
// A change of state starts the new state afresh: a new first heading for the
// walk and its own tick count from 0.
void ChangeCustomerState(GameState& g, int slot, int state);
// A customer goes out by a door: what it still holds reserved is given back,
// it is off the inside count (never below 0), and when that left the shop
// empty the hour ends soon.
void CustomerLeavesShop(GameState& g, int slot);
// Recorded route point k of the slot; (0, 0) outside the recorded range.
GridCell RecordedPoint(const GameState& g, int slot, int k);
// True for a cell the way in records as a route point (a door cell, a
// zone's entry); the walk back retraces only such cells.
bool IsRecordedRoutePoint(GridCell cell);

// True when `cell` is a cell a customer uses the facility on `spot` from:
// the spot's use cell, or, on the first run of its zone, the cell down-left
// of it, where a wide facility is used from. A sidestep starts from one of
// them. False for a spot outside 1..61.
bool IsUseCellOf(int spot, GridCell cell);

// The handlers, each run only while Person.State holds its state.
void ArriveAtSlot(GameState& g, int slot);        // state 0
void StepRouteLeg(GameState& g, int slot);        // the plain walking legs
void StepLeaveUpperDoor(GameState& g, int slot);  // 7
void StepLeaveSideDoor(GameState& g, int slot);   // 17
void StepSidestepDownLeft(GameState& g, int slot);  // 38
void StepWalkBack(GameState& g, int slot);          // 39
void StepSidestepUpRight(GameState& g, int slot);   // 40
void StepFacilityState(GameState& g, int slot);     // 3, 12, 15, 20, 23, 27, 31
void StepRegisterQueue(GameState& g, int slot);     // 6, 16
void SteerAtRegister2(GameState& g, int slot);      // 16, second handler

// The place in line of the queued customer of `slot`: its ticket less those
// its register has served (1 at the counter).
std::int64_t PlaceInLine(const GameState& g, int slot);

// The cell where the customer at `place` in the line of register
// `registerNo` (1 or 2) waits: place 1 is the counter, and every place past
// 9 shares place 9's cell. {0, 0} for any other register number.
GridCell QueueWaitingCell(int registerNo, std::int64_t place);
