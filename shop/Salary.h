#pragma once
// Adjusting the clerks' monthly salaries: the pending salaries the salary
// dialog edits with its press-and-hold arrows, and writing them back. No
// money moves here; a new salary is first paid at the next month end.
#include "shop/HoldSpin.h"
#include "state/GameState.h"

// The up arrow adds a step only while the salary is at or below this, so it
// stops at the first value above it.
inline constexpr int kSalaryRaiseLimit = 5'000'000;

// SalarySpinDirection while an arrow is held.
using SalarySpin = SpinDirection;

// Opening: the employed list is rebuilt and each clerk's salary copied into
// its pending salary (EditedSalary, by list position).
void LoadEditedSalaries(GameState& g);

// An arrow pressed (left button) and released (any button).
void PressSalaryArrow(GameState& g, SalarySpin direction);
void ReleaseSalaryArrow(GameState& g);

// One tick of the dialog's timer with the clerk at list position `listPos`
// selected: a held arrow counts the tick and moves that clerk's pending
// salary by the step chosen before counting (up only while at or below the
// limit, down never below 0).
void SalarySpinTick(GameState& g, int listPos);

// "确定": the pending salaries are written to the clerks, the clerk rows are
// counted again for the settings dialog underneath, and the clerk
// information window redraws.
void ConfirmSalaries(GameState& g);
