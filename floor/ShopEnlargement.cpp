#include "floor/ShopEnlargement.h"

#include "platform/Platform.h"
#include "state/Ledger.h"
#include "state/Scenery.h"
#include "state/SpritePool.h"

namespace {

// The pieces the step from small to medium adds: the side wing with door 1
// (its cover, hidden at y 1000, and its two closed leaves) and four pieces
// that the next step takes away again.
constexpr SceneryPiece kToMedium[] = {
    {161, 98, 32, 133, 38, 38, -6, SceneryPiece::None},
    {199, 110, 70, 145, 23, 35, -4, SceneryPiece::None},
    {222, 110, 93, 145, 23, 35, 10, SceneryPiece::None},
    {185, 145, 56, 180, 60, 41, -4, SceneryPiece::None},
    {129, 160, 0, 195, 56, 37, -6, SceneryPiece::None},
    {114, 77, 159, 128, 34, 54, 14, SceneryPiece::None},
    {77, 131, 193, 128, 43, 59, 14, SceneryPiece::None},
    {21, 173, 322, 128, 30, 46, 14, SceneryPiece::None},
    {43, 157, 352, 128, 42, 21, 100, SceneryPiece::None},
    {50, 1000, 442, 128, 32, 45, -4, SceneryPiece::DoorCover2},
    {50, 169, 394, 128, 16, 37, 20, SceneryPiece::Leaf2},
    {66, 161, 410, 128, 16, 37, 0, SceneryPiece::Leaf3},
    {21, 193, 882, 380, 24, 44, 100, SceneryPiece::Scenery},
    {469, 155, 906, 380, 6, 35, 100, SceneryPiece::Scenery},
    {99, 230, 678, 368, 198, 90, 100, SceneryPiece::Scenery},
    {31, 196, 678, 368, 110, 89, 100, SceneryPiece::Scenery},
};

// The pieces the step from medium to large adds; they stay for good.
constexpr SceneryPiece kToLarge[] = {
    {21, 185, 0, 347, 66, 96, 140, SceneryPiece::None},
    {87, 244, 66, 347, 374, 94, 140, SceneryPiece::None},
    {461, 223, 440, 367, 78, 73, 140, SceneryPiece::None},
};

// The price of the step up, by the current shop size 1..2.
constexpr std::int64_t kStepPrices[] = {5000000, 10000000};

void RemoveScenery(GameState& g) {
    const int n = g.SceneryCount.i();
    for (int r = 0; r < n && r < static_cast<int>(g.SceneryList.size()); ++r)
        RemoveSprite(g, g.SceneryList[r].i());
    g.SceneryCount = 0;
}

}  // namespace

std::int64_t EnlargementPrice(int shopSize) {
    if (shopSize < 1 || shopSize > 2) return 0;
    return kStepPrices[shopSize - 1];
}

bool EnlargeShop(GameState& g) {
    const int size = g.ShopSize.i();
    if (size != 1 && size != 2) return false;

    RemoveScenery(g);
    if (size == 1)
        SpawnSceneryPieces(g, kToMedium);
    else
        SpawnSceneryPieces(g, kToLarge);

    // No check of the funds: a price above them ends the game at the next
    // tick through the rule for funds below zero.
    AddMoney(g, -kStepPrices[size - 1], OtherCategory, 0);
    g.ShopSize = size + 1;

    Ui().LoadShopGraphics(g);
    Ui().LayOutFloorViewAgain(g);
    return true;
}

bool SideDoorBuilt(const GameState& g) {
    return g.ShopSize.asInt() >= 2 && !g.Door.LeafSprites[2].isEmpty() && !g.Door.LeafSprites[3].isEmpty();
}
