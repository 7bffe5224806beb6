#include "state/SpritePool.h"

int SpawnSprite(GameState& g, int x, int y, int srcX, int srcY, int width, int height, int depthOffset) {
    auto& s = g.Sprite;
    g.SpareValue17 = 0;
    int taken = -1;
    for (int slot = 0; slot < kSpriteSlots; ++slot) {
        if (s.InUse[slot].asInt() != 0) continue;
        s.X[slot] = x;
        s.Y[slot] = y;
        s.SrcX[slot] = srcX;
        s.SrcY[slot] = srcY;
        s.Width[slot] = width;
        s.Height[slot] = height;
        s.Depth[slot] = static_cast<double>(y + depthOffset) + slot / 1000.0;
        s.InUse[slot] = 1;
        g.LastSpawnedSprite = slot;
        taken = slot;
        break;
    }
    RebuildDrawList(g);
    return taken;
}

void RemoveSprite(GameState& g, int slot) {
    if (slot < 0 || slot >= kSpriteSlots) return;
    g.Sprite.InUse[slot] = 0;
    RebuildDrawList(g);
}

void RebuildDrawList(GameState& g) {
    int n = 0;
    for (int slot = 0; slot < kSpriteSlots; ++slot)
        if (g.Sprite.InUse[slot].asInt() == 1) g.DrawList[n++] = slot;
    g.DrawListCount = n;
}
