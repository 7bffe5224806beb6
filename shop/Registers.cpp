#include "shop/Registers.h"

#include <cmath>
#include <vector>

#include "platform/Platform.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"
#include "state/SpritePool.h"
#include "state/Counters.h"

namespace {

// Where the register stands on the floor and which frame of the sprite
// sheet shows it.
struct RegisterFrame {
    int x, y, srcX, srcY, width, height, depthOffset;
};

// By model row, then place 1 and place 2.
constexpr RegisterFrame kRegisterFrames[kRegisterModels][kRegisterPlaces] = {
    {{218, 127, 116, 183, 14, 8, -4}, {180, 162, 130, 183, 14, 8, 10}},   // abacus
    {{222, 128, 116, 176, 12, 7, -4}, {180, 162, 128, 176, 12, 7, 10}},   // calculator
    {{214, 115, 116, 191, 22, 21, 8}, {176, 153, 115, 212, 23, 18, 10}},  // old register
    {{214, 115, 192, 187, 22, 21, 8}, {176, 154, 192, 208, 22, 18, 0}},   // standard register
    {{214, 117, 144, 182, 22, 19, 6}, {176, 153, 166, 182, 22, 19, 2}},   // LCD register
    {{213, 114, 138, 201, 28, 24, 8}, {173, 152, 166, 201, 26, 21, 2}},   // small workstation
};

// The models offered by the whole part of the star level.
const std::vector<int>& OfferedModels(int starLevel) {
    static const std::vector<int> kNone;
    static const std::vector<int> kLevel1 = {0, 1, 2, 3};
    static const std::vector<int> kLevel2And3 = {0, 1, 2, 3, 4};
    static const std::vector<int> kLevel4And5 = {0, 1, 2, 3, 4, 5};
    switch (starLevel) {
    case 1: return kLevel1;
    case 2:
    case 3: return kLevel2And3;
    case 4:
    case 5: return kLevel4And5;
    default: return kNone;
    }
}

bool ValidPlace(int place) { return place >= 1 && place <= kRegisterPlaces; }
bool ValidModel(int m) { return m >= 0 && m < kRegisterModels; }

}  // namespace

const RegisterModelEffect kRegisterEffects[kRegisterModels] = {
    {5, -1},  // "算盘"
    {4, 0},   // "计算器，使用太阳能。"
    {3, +2},  // "旧收银机"
    {2, +3},  // "普通收银机"
    {1, +4},  // "液晶显示，性能相当高。"
    {-1, +5}, // "小型工作站"
};

const char* const kRegisterPictureHolders[kRegisterModels + 1] = {
    "",
    "Graphic/Rezi2.dat",
    "Graphic/Rezi1.dat",
    "Graphic/Rezi3.dat",
    "Graphic/Rezi4.dat",
    "Graphic/Rezi5.dat",
    "Graphic/Rezi6.dat",
};

void BuildRegisterOffer(GameState& g) {
    const auto& rows = OfferedModels(static_cast<int>(std::floor(g.StarLevel.asReal())));
    g.OfferedListCount = 0;
    for (int row : rows) {
        const int n = g.OfferedListCount.i();
        g.OfferedList[n] = row;
        g.OfferedListCount = n + 1;
    }
}

void BuyRegister(GameState& g, int place, int modelRow) {
    if (!ValidPlace(place) || !ValidModel(modelRow)) return;
    const int i = place - 1;
    const RegisterModelEffect& effect = kRegisterEffects[modelRow];

    AddToScore(g.Bookshop.EffortPoints[0], 1);
    g.RegisterSlot.TypeIndex[i] = modelRow;
    AddMoney(g, -g.RegisterType.Price[modelRow].asInt(), Facilities, 0);

    g.RegisterSlot.ServiceTime[i] = effect.serviceTime;
    const RegisterFrame& f = kRegisterFrames[modelRow][i];
    const int sprite = SpawnSprite(g, f.x, f.y, f.srcX, f.srcY, f.width, f.height, f.depthOffset);
    // A full pool leaves the place without a picture rather than pointing
    // at a sprite that belongs to something else.
    g.RegisterSlot.Sprite[i] = sprite >= 0 ? Value(sprite) : Value();
    std::int64_t popularity = g.Popularity.asInt() + effect.popularityChange;
    if (popularity >= 100) popularity = 100;
    if (popularity <= 0) popularity = 0;
    g.Popularity = popularity;

    g.RegisterSlot.Kind[place] = modelRow + 1;
    if (g.SoundOn.asInt() == 1) Ui().PlaySound("Gold.wav");
}

bool RemoveRegister(GameState& g, int place) {
    if (!ValidPlace(place)) return false;
    const std::string title = QuestionTitleFor(g.GameTitle.asText());
    if (Ui().MessageBox("真的要撤除吗？", MsgStyle::Question, title) != MsgAnswer::Yes) return false;
    const int i = place - 1;
    // Only a standing register still owns the sprite it recorded; after a
    // removal the slot may have gone to something else.
    const bool standing = g.RegisterSlot.Kind[place].asInt() != 0;
    g.RegisterSlot.Kind[place] = 0;
    if (standing && !g.RegisterSlot.Sprite[i].isEmpty()) RemoveSprite(g, g.RegisterSlot.Sprite[i].i());
    g.ServedCount[i] = 0;
    g.RegisterSlot.ServiceTime[i] = kEmptyRegisterServiceTime;
    return true;
}

bool NoRegisterAt(const GameState& g, int place) {
    if (!ValidPlace(place)) return true;
    return g.RegisterSlot.Kind[place].asInt() == 0;
}

RegisterModelTexts RegisterModelView(const GameState& g, int m) {
    if (!ValidModel(m)) return {};
    return {FormatMoney(g.RegisterType.Price[m]) + "円", g.RegisterType.SpeedText[m].asText(),
            g.RegisterType.Name[m].asText()};
}

RegisterInfoTexts RegisterInfoView(const GameState& g, int place) {
    RegisterInfoTexts t;
    if (!ValidPlace(place)) return t;
    const int m = g.RegisterSlot.Kind[place].i() - 1;
    if (!ValidModel(m)) return t;
    t.model = m;
    t.speed = g.RegisterType.SpeedText[m].asText();
    t.served = std::to_string(g.ServedCount[place - 1].asInt()) + "回";
    t.name = g.RegisterType.Name[m].asText();
    return t;
}
