#include "shop/ShelfFill.h"

#include "state/SpritePool.h"

namespace {

// Indexed by stage. A stage holds from its ratio of copies to room up to the
// next stage's; the Low stage is any ratio below Half that is not 0.
struct ShelfStagePicture {
    double fromRatio;
    int srcY;  // picture row in the floor sprite sheet; the column stays
};
constexpr ShelfStagePicture kShelfStages[] = {
    /* ShelfEmpty */ {0.0, 465},
    /* ShelfLow   */ {0.0, 516},
    /* ShelfHalf  */ {0.4, 567},
    /* ShelfFull  */ {0.8, 232},
};

// Kinds 1..6 are shelves; 7..9 are machines.
constexpr int kLastShelfKind = 6;

ShelfFillStage StageOf(double ratio) {
    if (ratio >= kShelfStages[ShelfFull].fromRatio) return ShelfFull;
    if (ratio >= kShelfStages[ShelfHalf].fromRatio) return ShelfHalf;
    if (ratio != 0) return ShelfLow;
    return ShelfEmpty;
}

}  // namespace

void UpdateShelfFillLevel(GameState& g) {
    if (g.ShelfCapacity.asReal() == 0) return;
    const ShelfFillStage stage = StageOf(g.CopiesOnShelves.asReal() / g.ShelfCapacity.asReal());
    if (g.ShelfFillLevel.is(stage)) return;

    g.ShelfFillLevel = static_cast<int>(stage);
    const int occupied = g.OccupiedSlotCount.i();
    for (int i = 0; i < occupied && i < static_cast<int>(g.OccupiedSlots.size()); ++i) {
        const int s = g.OccupiedSlots[i].i();
        if (s < 0 || s >= static_cast<int>(g.FacilitySlot.Kind.size())) continue;
        if (g.FacilitySlot.Kind[s].asInt() > kLastShelfKind) continue;
        const int sprite = g.FacilitySlot.Sprite[s].i();
        if (sprite >= 0 && sprite < kSpriteSlots) g.Sprite.SrcY[sprite] = kShelfStages[stage].srcY;
    }
}
