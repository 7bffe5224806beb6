#pragma once
// A person's walk followed ahead on a scratch copy of where it stands, by
// the very turn and step the main tick's walk (WalkPerson) takes, without
// writing anything of the game: the loader asks whether a saved walk ever
// reaches its target. Only the walk is followed; the state machine that
// runs before it each tick, the door cells and the edge rule are the
// caller's to weigh.
#include "sim/Walking.h"

struct WalkAhead {
    PersonPlace at;         // where the person stands; a walk goes only from a whole cell
    int heading = 0;        // Person.Heading: 0 standing, 1..4 the diagonals
    bool started = false;   // Person.HeadingSet 1: the walk has had its first heading
    GridCell target{};      // Person.TargetX, Person.TargetY, or the one its state step sets next
};

// One tick's walk of the person of `slot` toward `w.target`, with the walls
// of the floor as they stand: `w` takes the turn, and the step unless a
// wall refuses it. True when it moved a cell.
bool WalkAheadOneTick(const GameState& g, int slot, WalkAhead& w);
