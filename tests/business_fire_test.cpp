// Fires: the outbreak draw, flames and their frames, the spread, the
// discovery and the burn-out, the end of the fire with its payout, the fire
// brigade, and a fire in a full sprite pool or a saved game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "business/Fire.h"
#include "business/Insurance.h"
#include "commands/CommandGates.h"
#include "commands/SaveAndLoad.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/FacilityRemoval.h"
#include "shop/FloorSpots.h"
#include "shop/Placement.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "sim/ShopTick.h"
#include "savegame/SaveGame.h"
#include "state/SpritePool.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

constexpr int kShelf40 = 0, kVending = 6;
constexpr int kFlameSrcX = 605, kFlameSrcY = 128;

int SpritesInUse(const GameState& g) {
    int n = 0;
    for (int s = 0; s < kSpriteSlots; ++s) n += g.Sprite.InUse[s].asInt() == 1;
    return n;
}

int FlameOf(const GameState& g, int spot) { return g.FacilitySlot.FlameSprite[spot].i(); }

int FireState(const GameState& g, int spot) { return g.FacilitySlot.FireState[spot].i(); }

// A closed shop at night, every window answered by its plain default.
class Fire : public ::testing::Test {
protected:
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 22, .seed = 7});

    void SetUp() override {
        g->ShopOpen = 0;
        g->Funds = 50'000'000;
    }
    // Shelves (and a vending machine on the last spot) on `spots`.
    void Furnish(const std::vector<int>& spots) {
        for (std::size_t i = 0; i < spots.size(); ++i)
            PlaceFacility(*g, spots[i], i + 1 == spots.size() ? kVending : kShelf40);
    }
    // Copies of book 0 on the shelves.
    void Stock(int copies) {
        g->Book.Stock[0] = copies;
        g->CopiesOnShelves = copies;
    }
    int Count(Window w) const {
        int n = 0;
        for (Window s : ui.windowsShown) n += s == w;
        return n;
    }
};

}  // namespace

TEST(FireFlames, PositionsFollowTheFloorRows) {
    const struct {
        int spot;
        FlamePosition at;
    } cases[] = {
        {1, {215, -30}}, {8, {397, 61}},  {9, {197, 10}},  {13, {333, 78}}, {21, {453, 153}},
        {48, {-17, 168}}, {53, {113, 233}}, {54, {177, 233}}, {55, {221, 233}}, {56, {329, 245}},
        {61, {459, 180}}, {0, {0, 0}},     {62, {0, 0}},
    };
    for (const auto& c : cases) {
        const FlamePosition at = FlamePositionOf(c.spot);
        EXPECT_EQ(at.x, c.at.x) << "spot " << c.spot;
        EXPECT_EQ(at.y, c.at.y) << "spot " << c.spot;
    }
}

TEST_F(Fire, ArsonBurnsOutDiscoveredThenEndsAndTheClockRunsOn) {
    Furnish({1, 2, 3, 22});
    Stock(70);
    const auto capacity = g->ShelfCapacity.asInt();
    ASSERT_GT(capacity, 70);
    ASSERT_EQ(ArsonCommand(*g, 2), ArsonOutcome::Started);
    const int spritesBefore = SpritesInUse(*g);  // the litter of the arson included
    g->HourTicks = 0;
    g->TicksPerHour = kHourTicksClosedEmpty;

    // The first tick shows the flame of the spot set on fire; the clock
    // stands from now on.
    MainTick(*g);
    ASSERT_EQ(FireState(*g, 2), 2);
    const int flame = FlameOf(*g, 2);
    ASSERT_GE(flame, 0);
    EXPECT_EQ(g->Sprite.X[flame].asInt(), FlamePositionOf(2).x);
    EXPECT_EQ(g->Sprite.Y[flame].asInt(), FlamePositionOf(2).y);
    EXPECT_EQ(g->Sprite.SrcX[flame].asInt(), kFlameSrcX);
    EXPECT_EQ(g->Sprite.SrcY[flame].asInt(), kFlameSrcY);
    EXPECT_EQ(g->TicksPerHour.asInt(), kHourTicksFire);
    EXPECT_EQ(g->BurningSlotCount.asInt(), 1);

    const Value hour = g->Hour;
    int ticks = 1;
    while (g->FireBurning.asInt() == 1 && ticks < 200) {
        MainTick(*g);
        ++ticks;
        if (g->FireBurning.asInt() == 1) {
            EXPECT_EQ(g->Hour, hour) << "the clock stands while the fire burns";
        }
    }
    ASSERT_EQ(g->FireBurning.asInt(), 0);
    // Four spots: one more every ninth tick, the burn-out at the check that
    // finds none left. Four spots are few enough for the first check to
    // find the fire.
    EXPECT_EQ(ticks, 4 * 9);
    EXPECT_EQ(Count(Window::FireDiscovered), 1);
    EXPECT_EQ(Count(Window::FireOut), 1);
    EXPECT_EQ(Count(Window::InsurancePayout), 0);

    // Everything burnt: no facility, no shelf room, no copies, no flames.
    for (int s = kFirstSpot; s <= kLastSpot; ++s) {
        EXPECT_EQ(g->FacilitySlot.Kind[s].asInt(), 0) << "spot " << s;
        EXPECT_EQ(FireState(*g, s), 0) << "spot " << s;
    }
    EXPECT_EQ(g->OccupiedSlotCount.asInt(), 0);
    EXPECT_EQ(g->ShelvesPerArea[0].asInt(), 0);
    EXPECT_EQ(g->ShelfCapacity.asInt(), 0);
    EXPECT_EQ(g->CopiesOnShelves.asInt(), 0);
    EXPECT_EQ(g->Book.Stock[0].asInt(), 0);
    EXPECT_EQ(SpritesInUse(*g), spritesBefore - 4);
    EXPECT_EQ(g->NewsEventCode.asInt(), kNewsShopFire);
    EXPECT_EQ(g->DaysSinceDisaster.asInt(), 0);
    EXPECT_EQ(g->BurningSlotCount.asInt(), 0);

    // The clock runs again: the hour that waited ends at once.
    EXPECT_EQ(g->Hour.asInt(), hour.asInt() + 1);
    const Value after = g->Hour;
    for (int t = 0; t < 3 * kHourTicksOpen; ++t) MainTick(*g);
    EXPECT_NE(g->Hour, after);
}

TEST_F(Fire, FlameFramesSpreadAndDiscoveryByTheOccupiedSpots) {
    struct Case {
        int occupied;
        int discoveredAtCheck;  // the ninth-tick check at which the neighbours see it
    };
    const Case cases[] = {{3, 1}, {7, 1}, {16, 2}, {24, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.occupied);
        g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 22, .seed = 7});
        SetUp();
        ui.windowsShown.clear();
        std::vector<int> spots;
        for (int s = 1; static_cast<int>(spots.size()) < c.occupied; ++s) spots.push_back(s);
        Furnish(spots);
        SetFacilityOnFire(*g, 1);

        // Each flame shows each of its two frames for two ticks.
        const int frames[] = {605, 605, 667, 667, 605, 605, 667, 667};
        for (int t = 0; t < 8; ++t) {
            ShopTick(*g);
            EXPECT_EQ(g->Sprite.SrcX[FlameOf(*g, 1)].asInt(), frames[t]) << "tick " << t + 1;
        }
        ShopTick(*g);  // the ninth tick: a second spot catches fire
        int catching = 0;
        for (int s = 2; s <= kLastSpot; ++s) catching += FireState(*g, s) == 1;
        EXPECT_EQ(catching, 1);
        EXPECT_EQ(g->FireStepTicks.asInt(), 0);

        for (int check = 1; check < c.discoveredAtCheck; ++check) {
            EXPECT_EQ(Count(Window::FireDiscovered), 0) << "check " << check;
            for (int t = 0; t < 9; ++t) ShopTick(*g);
        }
        EXPECT_EQ(Count(Window::FireDiscovered), 1);
        EXPECT_EQ(g->FireUndiscovered.asInt(), 0);
    }
}

TEST_F(Fire, BrigadeWhileTheFirstSpotHasOnlyCaughtFire) {
    Furnish({1, 2, 3, 4, 5});
    Stock(10);
    g->InsuranceJoined[static_cast<int>(InsuranceKind::Fire)] = 1;
    SetFacilityOnFire(*g, 3);
    // The spot has no flame yet; whatever its flame field held before
    // (here another thing's sprite) must not be freed.
    g->FacilitySlot.FlameSprite[3] = g->FacilitySlot.Sprite[1];
    const int spritesBefore = SpritesInUse(*g);
    const auto funds = g->Funds.asInt();

    CallFireBrigade(*g);

    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "呼叫消防车，费用为50万円。");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Question);
    EXPECT_EQ(ui.windowsShown, (std::vector<Window>{Window::FireBrigade, Window::InsurancePayout}));
    // Only the burning facility went, with its own picture; every spot
    // occupied at the outbreak is paid for.
    for (int s = 1; s <= 5; ++s) EXPECT_EQ(g->FacilitySlot.Kind[s].asInt() != 0, s != 3) << "spot " << s;
    EXPECT_EQ(SpritesInUse(*g), spritesBefore - 1);
    EXPECT_EQ(g->Sprite.InUse[g->FacilitySlot.Sprite[1].i()].asInt(), 1);
    EXPECT_EQ(g->Funds.asInt(), funds - 500'000 + 5 * 200'000);
    EXPECT_EQ(g->NewsEventCode.asInt(), kNewsShopFire);
    EXPECT_EQ(g->FireBurning.asInt(), 0);
    EXPECT_EQ(g->TicksPerHour.asInt(), kHourTicksOpen);
    EXPECT_EQ(FlameOf(*g, 3), kNoFlame);
    EXPECT_EQ(g->OccupiedSlotCount.asInt(), 4);
}

TEST_F(Fire, BrigadeRefusedDeclinedOrTooLateChangesNothing) {
    struct Case {
        const char* what;
        bool burning;
        MsgAnswer answer;
        bool fireEndsWhileAsking;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"no fire", false, MsgAnswer::Ok, false, {kNoFireText}},
        {"No", true, MsgAnswer::No, false, {kFireBrigadeQuestion}},
        {"burnt out while asking", true, MsgAnswer::Yes, true, {kFireBrigadeQuestion, kNoFireText}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 22, .seed = 7});
        SetUp();
        Furnish({1, 2});
        g->InsuranceJoined[static_cast<int>(InsuranceKind::Fire)] = 1;
        if (c.burning) SetFacilityOnFire(*g, 1);
        ui.shown.clear();
        ui.windowsShown.clear();
        ui.answers = {c.answer};
        // The fire burns out (its window closes) while the question is up.
        ui.onShow = [&](const HeadlessPlatform::Shown& s) {
            if (c.fireEndsWhileAsking && s.style == MsgStyle::Question) EndFire(*g);
        };
        const auto funds = g->Funds.asInt();

        CallFireBrigade(*g);
        ui.onShow = nullptr;

        std::vector<std::string> texts;
        for (const auto& s : ui.shown) texts.push_back(s.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(std::count(ui.windowsShown.begin(), ui.windowsShown.end(), Window::FireBrigade), 0);
        // Burnt out: ended and paid once, by the burn-out; no brigade fee.
        const auto paid = c.fireEndsWhileAsking ? 2 * 200'000 : 0;
        EXPECT_EQ(g->Funds.asInt(), funds + paid);
        EXPECT_EQ(g->FireBurning.asInt(), c.burning && !c.fireEndsWhileAsking ? 1 : 0);
    }
}

TEST_F(Fire, EndingAFireTwiceEndsAndPaysItOnce) {
    Furnish({1, 2, 3});
    g->InsuranceJoined[static_cast<int>(InsuranceKind::Fire)] = 1;
    SetFacilityOnFire(*g, 2);
    const auto funds = g->Funds.asInt();
    EndFire(*g);
    EndFire(*g);
    EXPECT_EQ(g->Funds.asInt(), funds + 3 * 200'000);
    EXPECT_EQ(std::count(ui.windowsShown.begin(), ui.windowsShown.end(), Window::InsurancePayout), 1);
}

TEST_F(Fire, AFullSpritePoolLeavesTheSpotWithoutAFlame) {
    Furnish({1, 2});
    SetFacilityOnFire(*g, 1);
    while (SpawnSprite(*g, 0, 0, 0, 0, 1, 1, 0) >= 0) {
    }
    const Value last = g->LastSpawnedSprite;
    std::vector<Value> srcX(g->Sprite.SrcX.begin(), g->Sprite.SrcX.end());

    for (int t = 0; t < 5; ++t) ShopTick(*g);

    EXPECT_EQ(FlameOf(*g, 1), kNoFlame);
    EXPECT_EQ(FireState(*g, 1), 2);  // it burns all the same
    EXPECT_EQ(g->BurningSlotCount.asInt(), 1);
    EXPECT_EQ(g->LastSpawnedSprite, last);
    EXPECT_EQ(std::vector<Value>(g->Sprite.SrcX.begin(), g->Sprite.SrcX.end()), srcX) << "no sprite was animated";

    const int inUse = SpritesInUse(*g);
    EndFire(*g);
    EXPECT_EQ(SpritesInUse(*g), inUse - 1) << "only the facility's own picture";
}

TEST_F(Fire, AGameSavedMidFireLoadsAndBurnsOn) {
    Furnish({1, 2, 3});
    SetFacilityOnFire(*g, 1);
    ShopTick(*g);   // spot 1 burns with its flame
    g->FacilitySlot.FlameSprite[2] = kNoFlame;  // a spot whose flame the full pool refused
    const std::string path = ::testing::TempDir() + "qm_fire_saved.qmt";
    ASSERT_EQ(SaveGameTo(*g, path), SaveResult::Saved);

    auto loaded = NewTestShop();
    std::string why;
    ASSERT_TRUE(ReadGameFrom(*loaded, path, &why)) << why;
    std::remove(path.c_str());
    EXPECT_EQ(loaded->FireBurning.asInt(), 1);
    EXPECT_EQ(loaded->FacilitySlot.FlameSprite[1], g->FacilitySlot.FlameSprite[1]);
    EXPECT_EQ(loaded->FacilitySlot.FlameSprite[2].asInt(), kNoFlame);
    ShopTick(*loaded);
    EXPECT_EQ(FireState(*loaded, 1), 3);
}

TEST_F(Fire, OutbreakDrawNeedsAClosedFurnishedShopSixtyDaysOn) {
    struct Case {
        const char* what;
        int shopOpen, days;
        bool furnished;
        int occupiedCount;  // as the game state says, stale or not
        bool drawHits;
        bool breaksOut;
    };
    const Case cases[] = {
        {"closed, 60 days", 0, 60, true, 3, true, true},
        {"the draw misses", 0, 60, true, 3, false, false},
        {"open", 1, 60, true, 3, true, false},
        {"59 days", 0, 59, true, 3, true, false},
        {"an empty floor", 0, 60, false, 0, true, false},
        {"a stale count, nothing on the floor", 0, 60, false, 3, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 22, .seed = 7});
        SetUp();
        if (c.furnished) Furnish({4, 5, 6});
        g->OccupiedSlotCount = c.occupiedCount;
        g->ShopOpen = c.shopOpen;
        g->DaysSinceDisaster = c.days;
        g->FireCandidateCount = 0;
        const auto dirt = g->Dirtiness;
        SteerDraws(*g, [&](Random r) { return Below(r, 4380) == c.drawHits && static_cast<int>(r.next() * 3) == 1; });
        Random expected = g->rng;
        // The outbreak draw always, the spot's draw when it breaks out (or
        // would, but for a stale count).
        const int draws = 1 + (c.shopOpen == 0 && c.drawHits && c.days >= 60 && c.occupiedCount != 0);
        for (int d = 0; d < draws; ++d) expected.next();

        DrawFireOutbreak(*g);

        EXPECT_EQ(g->rng.next(), expected.next());
        EXPECT_EQ(g->FireBurning.asInt(), c.breaksOut ? 1 : 0);
        EXPECT_EQ(g->FireUndiscovered.asInt(), c.breaksOut ? 1 : 0);
        EXPECT_EQ(g->Dirtiness, c.breaksOut ? Value(100) : dirt);
        EXPECT_EQ(g->FireCandidateCount.asInt(), c.breaksOut ? 3 : 0);
        if (c.breaksOut) {
            EXPECT_EQ(FireState(*g, 5), 1) << "the second candidate drawn";
            EXPECT_EQ(g->FireFacilityCount.asInt(), 3);
        }
    }
}
