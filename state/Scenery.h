#pragma once
// The fixed pieces of the floor (walls, counters, fronts, door covers and
// leaves) that a new game and each enlargement place in the sprite pool.
#include <span>

#include "state/GameState.h"

struct SceneryPiece {
    int x, y, srcX, srcY, width, height, depthOffset;
    // Where the slot a piece takes is kept: nowhere, in SceneryList (the
    // pieces the next enlargement takes away), or as a door's cover or leaf.
    enum Record { None, Scenery, DoorCover, DoorCover2, Leaf0, Leaf1, Leaf2, Leaf3 } record;
};

// Spawns the pieces in order and records each slot taken. A full pool
// places nothing and records nothing, so no owner is handed a slot that
// belongs to an earlier sprite.
void SpawnSceneryPieces(GameState& g, std::span<const SceneryPiece> pieces);
