#pragma once
// Walking the people over the floor grid, their walk animation and drawing
// depth, the two automatic doors, and freeing a person who has walked off
// the map. The state machines only choose a target cell (Person.TargetX,
// Person.TargetY, with Person.HeadingSet 0 for a fresh start); the main tick
// walks everybody one cell per tick with these routines.
#include "state/GameState.h"

// A cell of the floor grid.
struct GridCell {
    int x, y;
    bool operator==(const GridCell&) const = default;
};

// The sprite slot that shows the person, or -1 when the row has none.
int PersonSpriteSlot(const GameState& g, int slot);

// The person's grid cell from its sprite, by real division: X / 6 + 20 and
// Y / 3 + 20. A sprite between cells gives a fractional cell.
double PersonCellX(const GameState& g, int slot);
double PersonCellY(const GameState& g, int slot);

// True when the person stands exactly on the cell (a position between cells
// never does).
bool StandsOn(const GameState& g, int slot, GridCell cell);
// True when the person stands exactly on its target cell.
bool StandsOnTarget(const GameState& g, int slot);

// One walking step of a person: turns toward the target along the diagonal
// axes, steps unless a wall is ahead, animates the walk and re-keys the
// sprite's depth. Called by the main tick for every slot whose state is not 0.
void WalkPerson(GameState& g, int slot);

// A person standing on a door cell starts that door's opening cycle, or
// holds an open door open. Called by the main tick for every slot after its
// walking step. The side door counts only once it has been built.
void CheckDoorCells(GameState& g, int slot);

// Moves the leaves of every cycling door one step while the shop is open:
// half open, open, three ticks open, half open, closed. Called once per tick
// after the person loop. The side door's leaves are never touched before
// the enlargement has built them.
void CycleDoors(GameState& g);

// The main tick's edge rule, run for every slot before its state machine:
// a person standing beyond the floor's edge (cell x <= 16, x >= 118 or
// y <= 6) becomes absent (state 0, narrow figure) and its sprite is parked
// out of sight at y -64. A person still counted inside the shop is taken off
// its inside count (and a customer's reserved copies are given back), so
// the after-hours clock can always run on.
void FreePersonAtEdge(GameState& g, int slot);
