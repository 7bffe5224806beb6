#pragma once
// The press-and-hold arrows of the salary and borrowing dialogs: while an
// arrow is held, the dialog's timer moves the value once per tick by a step
// that grows the longer the arrow has been held. Both dialogs count the
// ticks of the current hold in SpinHoldTicks.
#include <climits>

#include "state/GameState.h"

// Which arrow is held (the dialogs keep it in SalarySpinDirection and
// BorrowSpinDirection).
enum SpinDirection { SpinNone = 0, SpinUp = 1, SpinDown = -1 };

// A held arrow moves by the step of the first row whose bound the ticks
// held so far are below.
struct SpinStepRow {
    int ticksBelow;
    int step;
};
inline constexpr SpinStepRow kSpinSteps[] = {
    {10, 1'000},
    {20, 5'000},
    {INT_MAX, 10'000},
};

// The step for a hold that has lasted `spinHoldTicks` ticks so far (the
// count before this tick's).
int SpinStep(const Value& spinHoldTicks);
