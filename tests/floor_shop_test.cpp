// The floor picture by size and hour, the shop enlargement and the litter.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "state/Ledger.h"
#include "state/NewGame.h"
#include "state/SpritePool.h"
#include "tests/TestSupport.h"
#include "floor/FloorPictures.h"
#include "shop/Litter.h"
#include "commands/CommandGates.h"
#include "floor/ShopEnlargement.h"
#include "tests/TestShop.h"

namespace {

std::unique_ptr<GameState> NewShop(int hour = 10) {
    return NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = hour, .seed = 7});
}

// What the floor view would show after a routine, as the view decides it.
std::string ShownPicture(int size, int hour, const std::string& before) {
    const FloorPictureFiles* f = FloorPicturesOfSize(size);
    switch (SheetAfterLoading(hour)) {
    case FloorSheet::Day: return f ? f->day : before;
    case FloorSheet::Night: return f ? f->night : before;
    default: return before;
    }
}

// A platform with an open floor view: records what the game asks of the
// view, with the state the game had then.
struct PlatformWithFloorView : HeadlessPlatform {
    std::vector<std::string> calls;
    void LoadShopGraphics(const GameState& g) override {
        calls.push_back("load " + ShownPicture(g.ShopSize.i(), g.Hour.i(), ""));
    }
    void SwitchDayNightSheet(const GameState&) override { calls.push_back("switch"); }
    void LayOutFloorViewAgain(const GameState& g) override { calls.push_back("layout " + g.ShopSize.asText()); }
};

bool InUse(const GameState& g, int slot) { return g.Sprite.InUse[slot].asInt() == 1; }

// A sprite by where it stands and what it shows.
using Piece = std::tuple<int, int, int, int, int, int>;
Piece PieceOf(const GameState& g, int slot) {
    const auto& s = g.Sprite;
    return {s.X[slot].i(), s.Y[slot].i(), s.SrcX[slot].i(), s.SrcY[slot].i(), s.Width[slot].i(), s.Height[slot].i()};
}
std::vector<Piece> SceneryPieces(const GameState& g) {
    std::vector<Piece> v;
    for (int r = 0; r < g.SceneryCount.i(); ++r) v.push_back(PieceOf(g, g.SceneryList[r].i()));
    return v;
}
// True when no sprite in use shows one of these pieces.
bool AllGone(const GameState& g, const std::vector<Piece>& pieces) {
    for (int k = 0; k < g.DrawListCount.i(); ++k)
        for (const Piece& p : pieces)
            if (PieceOf(g, g.DrawList[k].i()) == p) return false;
    return true;
}

}  // namespace

TEST(FloorPictures, DayAndNightBySizeAndHour) {
    struct Case {
        int hour;
        FloorSheet onLoad, atHour;
    };
    const Case cases[] = {
        {0, FloorSheet::Night, FloorSheet::Unchanged},  {5, FloorSheet::Night, FloorSheet::Unchanged},
        {6, FloorSheet::Day, FloorSheet::Day},          {12, FloorSheet::Day, FloorSheet::Unchanged},
        {17, FloorSheet::Day, FloorSheet::Unchanged},   {18, FloorSheet::Night, FloorSheet::Night},
        {23, FloorSheet::Night, FloorSheet::Unchanged},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SheetAfterLoading(c.hour), c.onLoad) << c.hour;
        EXPECT_EQ(SheetAtHour(c.hour), c.atHour) << c.hour;
    }
    EXPECT_STREQ(FloorPicturesOfSize(1)->day, "Graphic/inside4.dat");
    EXPECT_STREQ(FloorPicturesOfSize(1)->night, "Graphic/inside5.dat");
    EXPECT_STREQ(FloorPicturesOfSize(2)->day, "Graphic/inside6.dat");
    EXPECT_STREQ(FloorPicturesOfSize(2)->night, "Graphic/inside7.dat");
    EXPECT_STREQ(FloorPicturesOfSize(3)->day, "Graphic/inside2.rle");
    EXPECT_STREQ(FloorPicturesOfSize(3)->night, "Graphic/inside3.rle");
    EXPECT_EQ(FloorPicturesOfSize(0), nullptr);
    EXPECT_EQ(FloorPicturesOfSize(4), nullptr);
}

TEST(ShopEnlargement, LoadsThePicturesOfTheNewSizeForTheHour) {
    for (auto [hour, file] : {std::pair{12, "Graphic/inside6.dat"}, std::pair{20, "Graphic/inside7.dat"}}) {
        auto g = NewShop(hour);
        PlatformWithFloorView view;
        ScopedPlatform use(view);
        EnlargeShopCommand(*g);
        EXPECT_EQ(view.calls, (std::vector<std::string>{std::string("load ") + file, "layout 2"})) << hour;
    }
}

TEST(ShopEnlargement, SmallToMediumToLarge) {
    auto g = NewShop();
    PlatformWithFloorView ui;
    ScopedPlatform use(ui);
    const auto& view = ui;
    const std::string questionTitle = std::string(18, ' ') + "Quillmart";

    ASSERT_EQ(g->SceneryCount, Value(13));
    const std::vector<Piece> smallScenery = SceneryPieces(*g);
    EXPECT_FALSE(SideDoorBuilt(*g));
    const int before = g->DrawListCount.i();

    // 1 -> 2: 4,000,000 in the till, 5,000,000 to pay; allowed all the same.
    ui.answers = {MsgAnswer::Yes};
    EnlargeShopCommand(*g);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "扩大店铺的规模，费用500万円");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Question);
    EXPECT_EQ(ui.shown[0].title, questionTitle);
    EXPECT_EQ(g->ShopSize, Value(2));
    EXPECT_EQ(g->Funds.asInt(), -1000000);
    EXPECT_EQ(g->GameOverReason, Value(1));
    EXPECT_EQ(g->Ledger.Expense[OtherCategory][1], Money::FromWhole(5000000));
    EXPECT_TRUE(AllGone(*g, smallScenery));
    EXPECT_EQ(g->DrawListCount.i(), before - 13 + 16);
    EXPECT_EQ(g->SceneryCount, Value(4));

    const int cover = g->DoorCoverSprite2.i();
    const int leaf2 = g->Door.LeafSprites[2].i(), leaf3 = g->Door.LeafSprites[3].i();
    EXPECT_TRUE(InUse(*g, cover));
    EXPECT_EQ(g->Sprite.X[cover], Value(50));
    EXPECT_EQ(g->Sprite.Y[cover], Value(1000));
    EXPECT_EQ(g->Sprite.X[leaf2], Value(50));
    EXPECT_EQ(g->Sprite.Y[leaf2], Value(169));
    EXPECT_EQ(g->Sprite.X[leaf3], Value(66));
    EXPECT_EQ(g->Sprite.Y[leaf3], Value(161));
    EXPECT_TRUE(SideDoorBuilt(*g));
    const std::vector<Piece> mediumScenery = SceneryPieces(*g);
    EXPECT_EQ(mediumScenery, (std::vector<Piece>{{21, 193, 882, 380, 24, 44}, {469, 155, 906, 380, 6, 35},
                                                 {99, 230, 678, 368, 198, 90}, {31, 196, 678, 368, 110, 89}}));

    // 2 -> 3: the four recorded pieces go, three pieces come for good, the
    // door stays as it is.
    EnlargeShopCommand(*g);
    EXPECT_EQ(ui.shown.back().text, "扩大店铺的规模，费用1000万円");
    EXPECT_EQ(g->ShopSize, Value(3));
    EXPECT_EQ(g->Funds.asInt(), -11000000);
    EXPECT_EQ(g->Ledger.Expense[OtherCategory][2], Money::FromWhole(15000000));
    EXPECT_EQ(g->SceneryCount, Value(0));
    EXPECT_TRUE(AllGone(*g, mediumScenery));
    EXPECT_EQ(g->DrawListCount.i(), before - 13 + 16 - 4 + 3);
    EXPECT_EQ(g->Door.LeafSprites[2].i(), leaf2);
    EXPECT_TRUE(InUse(*g, cover));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"load Graphic/inside6.dat", "layout 2",
                                                    "load Graphic/inside2.rle", "layout 3"}));

    // Size 3: only the information box.
    const auto funds = g->Funds;
    const int sprites = g->DrawListCount.i();
    EnlargeShopCommand(*g);
    EXPECT_EQ(ui.shown.back().text, "店铺不能再扩大了。");
    EXPECT_EQ(ui.shown.back().style, MsgStyle::Information);
    EXPECT_EQ(ui.shown.back().title, "Quillmart");
    EXPECT_EQ(g->ShopSize, Value(3));
    EXPECT_EQ(g->Funds, funds);
    EXPECT_EQ(g->DrawListCount.i(), sprites);
    EXPECT_EQ(view.calls.size(), 4u);
}

TEST(ShopEnlargement, NoChangesNothing) {
    auto g = NewShop();
    PlatformWithFloorView ui;
    ScopedPlatform use(ui);
    const auto& view = ui;
    ui.answers = {MsgAnswer::No};
    EnlargeShopCommand(*g);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(g->ShopSize, Value(1));
    EXPECT_EQ(g->Funds, Value(4000000));
    EXPECT_EQ(g->SceneryCount, Value(13));
    EXPECT_TRUE(g->Door.LeafSprites[2].isEmpty());
    EXPECT_TRUE(view.calls.empty());
}

TEST(ShopEnlargement, FullPoolRecordsOnlyPiecesThatWerePlaced) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    auto g = NewShop();
    while (SpawnSprite(*g, 0, 0, 0, 0, 1, 1, 0) >= 0) {
    }
    // The 13 freed scenery slots take pieces 1..13; 14..16 find no room.
    ASSERT_TRUE(EnlargeShop(*g));
    EXPECT_EQ(g->SceneryCount, Value(1));
    EXPECT_EQ(g->Sprite.SrcX[g->SceneryList[0].i()], Value(882));
    EXPECT_TRUE(SideDoorBuilt(*g));

    auto h = NewShop();
    h->SceneryCount = 0;  // nothing to free: no piece fits
    while (SpawnSprite(*h, 0, 0, 0, 0, 1, 1, 0) >= 0) {
    }
    ASSERT_TRUE(EnlargeShop(*h));
    EXPECT_EQ(h->ShopSize, Value(2));
    EXPECT_TRUE(h->Door.LeafSprites[2].isEmpty());
    EXPECT_TRUE(h->DoorCoverSprite2.isEmpty());
    EXPECT_FALSE(SideDoorBuilt(*h));
}

TEST(Litter, PiecesByDirtinessAndShopSize) {
    struct Case {
        int size, dirtiness;
        std::set<std::pair<int, int>> places;
    };
    const Case cases[] = {
        {1, 29, {}},
        {3, -5, {}},
        {1, 30, {{220, 50}}},
        {3, 30, {{220, 50}, {110, 200}, {400, 200}}},
        {2, 55, {{220, 50}, {240, 120}, {110, 200}, {220, 180}}},
        {1, 100, {{220, 50}, {240, 120}, {330, 100}, {394, 150}}},
        {3, 100, {{220, 50}, {240, 120}, {330, 100}, {394, 150}, {110, 200}, {220, 180}, {220, 250},
                  {140, 120}, {400, 200}, {340, 250}, {300, 300}, {120, 260}}},
    };
    for (const Case& c : cases) {
        auto g = std::make_unique<GameState>();
        g->ShopSize = c.size;
        g->Dirtiness = 100;
        UpdateLitterSprites(*g);  // some litter already lies about
        g->Dirtiness = c.dirtiness;
        UpdateLitterSprites(*g);
        std::set<std::pair<int, int>> places;
        for (int r = 0; r < g->LitterCount.i(); ++r) {
            const int s = g->LitterList[r].i();
            EXPECT_TRUE(InUse(*g, s));
            EXPECT_EQ(g->Sprite.SrcX[s], Value(560));
            EXPECT_EQ(g->Sprite.SrcY[s], Value(128));
            EXPECT_EQ(g->Sprite.Width[s], Value(45));
            EXPECT_EQ(g->Sprite.Height[s], Value(30));
            EXPECT_DOUBLE_EQ(g->Sprite.Depth[s].asReal(), g->Sprite.Y[s].asReal() - 40 + s / 1000.0);
            places.insert({g->Sprite.X[s].i(), g->Sprite.Y[s].i()});
        }
        EXPECT_EQ(places, c.places) << "size " << c.size << " dirtiness " << c.dirtiness;
        // The old pieces are gone: only the new ones are in the pool.
        EXPECT_EQ(g->DrawListCount, g->LitterCount);
    }
}
