#pragma once
// The pool of 501 drawable sprites and its draw list.
#include "state/GameState.h"

constexpr int kSpriteSlots = 501;

// Takes the lowest free slot, fills it and records it in LastSpawnedSprite.
// Returns the slot, or -1 when the pool is full (then nothing is stored and
// LastSpawnedSprite keeps its previous value). The draw list is rebuilt
// either way.
int SpawnSprite(GameState& g, int x, int y, int srcX, int srcY, int width, int height, int depthOffset);
// Frees a slot (freeing a free slot changes nothing) and rebuilds the draw list.
void RemoveSprite(GameState& g, int slot);
void RebuildDrawList(GameState& g);
