#include "shop/Litter.h"

#include "state/SpritePool.h"

namespace {

struct LitterPlace {
    int x, y;
};

// Every piece is the same picture.
constexpr int kLitterSrcX = 560, kLitterSrcY = 128, kLitterWidth = 45, kLitterHeight = 30;
constexpr int kLitterDepthOffset = -40;

constexpr int kThresholds[4] = {30, 50, 60, 80};

// Places by area (1 always, 2 from the medium shop, 3 in the large shop),
// one per dirtiness threshold above.
constexpr LitterPlace kPlaces[3][4] = {
    {{220, 50}, {240, 120}, {330, 100}, {394, 150}},
    {{110, 200}, {220, 180}, {220, 250}, {140, 120}},
    {{400, 200}, {340, 250}, {300, 300}, {120, 260}},
};

}  // namespace

void UpdateLitterSprites(GameState& g) {
    const int old = g.LitterCount.i();
    for (int r = 0; r < old && r < static_cast<int>(g.LitterList.size()); ++r) RemoveSprite(g, g.LitterList[r].i());
    g.LitterCount = 0;

    const double dirtiness = g.Dirtiness.asReal();
    const int size = g.ShopSize.i();
    for (int area = 0; area < 3; ++area) {
        if (area > 0 && size < area + 1) break;  // area 1 always shows
        for (int t = 0; t < 4; ++t) {
            if (dirtiness < kThresholds[t]) continue;
            const LitterPlace& p = kPlaces[area][t];
            const int slot = SpawnSprite(g, p.x, p.y, kLitterSrcX, kLitterSrcY, kLitterWidth, kLitterHeight,
                                         kLitterDepthOffset);
            if (slot < 0) continue;  // a full pool: nothing placed, nothing to record
            const int row = g.LitterCount.i();
            g.LitterList[row] = slot;
            g.LitterCount = row + 1;
        }
    }
}
