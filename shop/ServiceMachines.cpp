#include "shop/ServiceMachines.h"

#include <cmath>
#include <vector>

#include "platform/Platform.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"
#include "state/SpritePool.h"
#include "state/Counters.h"

namespace {

// Where the machine stands on the floor and which frame of the sprite
// sheet shows it.
struct MachineFrame {
    int x, y, srcX, srcY, width, height, depthOffset;
};

// By machine row, then place 1 and place 2.
constexpr MachineFrame kMachineFrames[kServiceMachines][kServicePlaces] = {
    {{185, 101, 254, 187, 18, 21, 6}, {205, 133, 236, 187, 18, 21, 20}},   // gum
    {{187, 96, 214, 187, 22, 26, 10}, {207, 130, 214, 187, 22, 26, 14}},   // buns
    {{187, 89, 294, 187, 22, 33, 18}, {205, 124, 272, 187, 22, 33, 19}},   // the manager's statue
    {{187, 104, 252, 208, 16, 18, 2}, {205, 136, 236, 208, 16, 18, 30}},   // CD and video
};

// The machines offered by the whole part of the star level, in offer order.
const std::vector<int>& OfferedMachines(int starLevel) {
    static const std::vector<int> kNone;
    static const std::vector<int> kLevel1And2 = {0, 1};
    static const std::vector<int> kLevel3And4 = {0, 1, 3};
    static const std::vector<int> kLevel5 = {0, 1, 3, 2};
    switch (starLevel) {
    case 1:
    case 2: return kLevel1And2;
    case 3:
    case 4: return kLevel3And4;
    case 5: return kLevel5;
    default: return kNone;
    }
}

bool ValidPlace(int place) { return place >= 1 && place <= kServicePlaces; }
bool ValidRow(int row) { return row >= 0 && row < kServiceMachines; }

}  // namespace

const int kServicePopularityChange[kServiceMachines][kServicePlaces] = {
    {+2, +1},  // "卖口香糖"
    {+3, +2},  // "包子"
    {-1, -1},  // "店长的铜像"
    {-1, -1},  // "CD和录像"
};

void BuildServiceOffer(GameState& g) {
    const auto& rows = OfferedMachines(static_cast<int>(std::floor(g.StarLevel.asReal())));
    g.OfferedListCount = 0;
    for (int row : rows) {
        const int n = g.OfferedListCount.i();
        g.OfferedList[n] = row;
        g.OfferedListCount = n + 1;
    }
}

void BuyServiceMachine(GameState& g, int place, int row) {
    if (!ValidPlace(place) || !ValidRow(row)) return;
    const int i = place - 1;

    AddToScore(g.Bookshop.EffortPoints[0], 1);
    AddMoney(g, -g.ServiceFacilityType.Price[row].asInt(), Services, 0);

    const MachineFrame& f = kMachineFrames[row][i];
    const int sprite = SpawnSprite(g, f.x, f.y, f.srcX, f.srcY, f.width, f.height, f.depthOffset);
    // A full pool leaves the place without a picture rather than pointing
    // at a sprite that belongs to something else.
    g.ServiceSlot.Sprite[i] = sprite >= 0 ? Value(sprite) : Value();
    std::int64_t popularity = g.Popularity.asInt() + kServicePopularityChange[row][i];
    if (popularity >= 100) popularity = 100;
    if (popularity <= 0) popularity = 0;
    g.Popularity = popularity;

    g.ServiceSlot.Kind[place] = row + 1;
    if (g.SoundOn.asInt() == 1) Ui().PlaySound("Gold.wav");
}

bool RemoveServiceMachine(GameState& g, int place) {
    if (!ValidPlace(place)) return false;
    const std::string title = g.GameTitle.asText();
    if (g.ShopOpen.asInt() == 1) {
        Ui().MessageBox("现在正在营业中，请在打烊后撤去服务设备。", MsgStyle::Information, title);
        return false;
    }
    if (Ui().MessageBox("真的要撤除吗？", MsgStyle::Question, QuestionTitleFor(title)) != MsgAnswer::Yes)
        return false;
    const int i = place - 1;
    // Only a standing machine still owns the sprite it recorded; after a
    // removal the slot may have gone to something else.
    const bool standing = g.ServiceSlot.Kind[place].asInt() != 0;
    g.ServiceSlot.Kind[place] = 0;
    if (standing && !g.ServiceSlot.Sprite[i].isEmpty()) RemoveSprite(g, g.ServiceSlot.Sprite[i].i());
    g.ServedCount[i] = 0;
    return true;
}

std::string ServiceMachinePictureFile(int row) { return "Graphic/Service" + std::to_string(row + 1) + ".dat"; }

ServiceMachineTexts ServiceMachineView(const GameState& g, int row) {
    if (!ValidRow(row)) return {};
    const auto& t = g.ServiceFacilityType;
    return {t.Name[row].asText(), FormatMoney(t.Price[row]) + "円", t.Description[row].asText()};
}

int InstalledServiceMachine(const GameState& g, int place) {
    if (!ValidPlace(place)) return -1;
    const int row = g.ServiceSlot.Kind[place].i() - 1;
    return ValidRow(row) ? row : -1;
}
