#include "state/Scenery.h"

#include "state/SpritePool.h"

void SpawnSceneryPieces(GameState& g, std::span<const SceneryPiece> pieces) {
    for (const SceneryPiece& p : pieces) {
        const int slot = SpawnSprite(g, p.x, p.y, p.srcX, p.srcY, p.width, p.height, p.depthOffset);
        if (slot < 0) continue;
        switch (p.record) {
        case SceneryPiece::None: break;
        case SceneryPiece::Scenery: {
            const int row = g.SceneryCount.i();
            if (row >= 0 && row < static_cast<int>(g.SceneryList.size())) {
                g.SceneryList[row] = slot;
                g.SceneryCount = row + 1;
            }
            break;
        }
        case SceneryPiece::DoorCover: g.DoorCoverSprite = slot; break;
        case SceneryPiece::DoorCover2: g.DoorCoverSprite2 = slot; break;
        case SceneryPiece::Leaf0: g.Door.LeafSprites[0] = slot; break;
        case SceneryPiece::Leaf1: g.Door.LeafSprites[1] = slot; break;
        case SceneryPiece::Leaf2: g.Door.LeafSprites[2] = slot; break;
        case SceneryPiece::Leaf3: g.Door.LeafSprites[3] = slot; break;
        }
    }
}
