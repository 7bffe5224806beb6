#pragma once
// The two clerks (person rows 0 and 1): they come to work while the shop is
// open, take the registers, and go home after hours once the shop is empty.
#include "state/GameState.h"

// Person.State of a clerk row.
enum ClerkState {
    ClerkAbsent = 0,
    ClerkArrive = 1,
    ClerkToCounter = 2,
    ClerkChooseRegister = 3,
    ClerkAtPostA = 4,  // register 1
    ClerkAtPostB = 5,  // register 2
    ClerkLeaveCounter = 51,
    ClerkToDoor = 52,
    ClerkExit = 53,
};

// RegisterSlot.ClerkState of a register. Customers pay at a register only
// while it is ClerkAtRegister.
enum RegisterAttendance { Unattended = 0, ClerkComing = 1, ClerkAtRegister = 2 };

// One tick of clerk row `slot` (0 or 1), before the main tick walks it. It
// sets the state, the target cell and the heading flags; the main tick does
// the walking.
void StepClerk(GameState& g, int slot);
