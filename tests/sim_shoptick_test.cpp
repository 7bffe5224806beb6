#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/MachineSales.h"
#include "shop/ShelfFill.h"
#include "sim/ShopTick.h"
#include "state/Ledger.h"
#include "state/NewGame.h"
#include "state/SpritePool.h"
#include "tests/TestSupport.h"
#include "floor/ShopEnlargement.h"
#include "tests/TestShop.h"

namespace {

std::unique_ptr<GameState> NewShop(int hour = 8) {
    return NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = hour, .seed = 7});
}

void SetInside(GameState& g, int customers, int clerks, int cleaner, int robber) {
    g.CustomersInside = customers;
    g.ClerksInside = clerks;
    g.CleanerInside = cleaner;
    g.RobberInside = robber;
}

struct SpriteSnapshot {
    std::vector<long long> x, y;
};
SpriteSnapshot Snapshot(const GameState& g) {
    SpriteSnapshot s;
    for (int i = 0; i < kSpriteSlots; ++i) {
        s.x.push_back(g.Sprite.X[i].asInt());
        s.y.push_back(g.Sprite.Y[i].asInt());
    }
    return s;
}
// The sprite slots whose position differs between two snapshots.
std::vector<int> Moved(const SpriteSnapshot& a, const SpriteSnapshot& b) {
    std::vector<int> out;
    for (int i = 0; i < kSpriteSlots; ++i)
        if (a.x[i] != b.x[i] || a.y[i] != b.y[i]) out.push_back(i);
    return out;
}

}  // namespace

// ---- the clock ----

TEST(ShopTickClock, HourEndsOnceTheCountReachesTheHourLength) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    struct Case {
        const char* what;
        Value hourTicks, ticksPerHour;
        int callsToHourChange;
    };
    const Case cases[] = {
        {"an ordinary hour", 0, 25, 25},
        {"a closed hour", 0, 10, 10},
        {"length lowered below the count", 30, 20, 1},
        {"length lowered to the count", 19, 20, 1},
        {"a new game's unset length", Value(), Value(), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = NewShop(10);
        g->HourTicks = c.hourTicks;
        g->TicksPerHour = c.ticksPerHour;
        for (int i = 1; i < c.callsToHourChange; ++i) ShopTick(*g);
        EXPECT_EQ(g->Hour, Value(10));
        ShopTick(*g);
        EXPECT_EQ(g->Hour, Value(11));
        EXPECT_EQ(g->HourTicks, Value(0));
        EXPECT_EQ(g->CaptionDirty, Value(1));
        EXPECT_EQ(g->ShopInfoDirty, Value(1));
    }
}

TEST(ShopTickClock, EveryTickDrawsOneNumberAndDiscardsIt) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    auto g = NewShop(10);
    g->TicksPerHour = 3;
    g->HourTicks = 0;
    Random expected = g->rng;
    for (int i = 0; i < 3; ++i) {  // the third tick changes the hour
        ShopTick(*g);
        expected.next();
    }
    // The hour change draws on its own: the advice gate, the complaint
    // draw of an open hour, then the earthquake and the fire outbreak draws.
    for (int d = 0; d < 4; ++d) expected.next();
    EXPECT_EQ(g->Hour, Value(11));
    EXPECT_EQ(g->rng.next(), expected.next());
}

TEST(ShopTickClock, TicksPerHourFollowsWhoIsInsideAndTheFire) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    enum Action { HourChange, PlainTick, LastOneLeaves };
    struct Case {
        const char* what;
        Action action;
        int hourBefore;
        int customers, clerks, cleaner, robber;
        int fire;
        int expected;
    };
    const Case cases[] = {
        {"open hour", HourChange, 9, 0, 1, 0, 0, 0, kHourTicksOpen},
        {"open hour with customers", HourChange, 12, 3, 1, 0, 0, 0, kHourTicksOpen},
        {"closing hour, empty", HourChange, 20, 0, 0, 0, 0, 0, kHourTicksOpen},
        {"closing hour, customer inside", HourChange, 20, 1, 1, 0, 0, 0, kHourTicksOvertime},
        {"closed and empty", HourChange, 21, 0, 0, 0, 0, 0, kHourTicksClosedEmpty},
        {"before opening, empty", HourChange, 3, 0, 0, 0, 0, 0, kHourTicksClosedEmpty},
        {"after closing, customer", HourChange, 21, 1, 0, 0, 0, 0, kHourTicksOvertime},
        {"after closing, clerk", HourChange, 21, 0, 1, 0, 0, 0, kHourTicksOvertime},
        {"after closing, cleaner", HourChange, 21, 0, 0, 1, 0, 0, kHourTicksOvertime},
        {"before opening, robber", HourChange, 5, 0, 0, 0, 1, 0, kHourTicksOvertime},
        {"last person gone", LastOneLeaves, 22, 0, 0, 0, 0, 0, kHourTicksLastLeft},
        {"someone still inside", LastOneLeaves, 22, 0, 1, 0, 0, 0, kHourTicksOvertime},
        {"fire burning", PlainTick, 14, 2, 1, 0, 0, 1, kHourTicksFire},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = NewShop(c.hourBefore);
        SetInside(*g, c.customers, c.clerks, c.cleaner, c.robber);
        g->FireBurning = c.fire;
        g->TicksPerHour = kHourTicksOvertime;
        g->HourTicks = 0;
        switch (c.action) {
        case HourChange: RunHourStep(*g); break;
        case PlainTick: ShopTick(*g); break;
        case LastOneLeaves: ShortenHourWhenEmpty(*g); break;
        }
        EXPECT_EQ(g->TicksPerHour.asInt(), c.expected);
        EXPECT_EQ(g->Hour.asInt(), c.action == HourChange ? c.hourBefore + 1 : c.hourBefore);
    }
}

TEST(ShopTickClock, NoHourPassesWhileAFireBurns) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    auto g = NewShop(14);
    g->FireBurning = 1;
    g->TicksPerHour = kHourTicksOpen;
    g->HourTicks = 24;
    for (int i = 0; i < 100; ++i) ShopTick(*g);
    EXPECT_EQ(g->Hour, Value(14));
}

// ---- opening and closing ----

TEST(ShopTickHours, OpenFromOpeningHourThroughClosingHour) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    struct Case {
        int opening, closing;
    };
    const Case cases[] = {{9, 21}, {10, 18}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.opening << ".." << c.closing);
        auto g = NewShop(5);
        g->OpeningHour = c.opening;
        g->ClosingHour = c.closing;
        g->ShopOpen = 0;
        while (g->Hour.asInt() < 23) {
            RunHourStep(*g);
            const int h = g->Hour.i();
            EXPECT_EQ(g->ShopOpen.asInt(), (h >= c.opening && h <= c.closing) ? 1 : 0) << "hour " << h;
        }
    }
}

TEST(ShopTickHours, DayProfitReportAtTheFirstClosedEmptyHour) {
    struct Case {
        const char* what;
        int clerks, showMessages;
        Value profit;
        const char* text;  // null: nothing queued
        bool popup;
    };
    const Case cases[] = {
        {"no money moved", 1, 1, 0, "今日的利润为0円。", true},
        {"nothing booked today", 1, 1, Value(), "今日的利润为0円。", true},
        {"profit", 2, 1, 123456, "今日的利润为12万3456円，是黑字。", true},
        {"loss", 1, 1, -50000, "今日的利润为-5万0000円，是赤字。", true},
        {"messages switched off", 1, 0, 100, "今日的利润为100円，是黑字。", false},
        {"no clerk", 0, 1, 100, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HeadlessPlatform ui;
        ScopedPlatform use(ui);
        auto g = NewShop(21);
        g->ShopOpen = 1;
        g->DayReportDone = 0;
        g->ClerkCount = c.clerks;
        g->ShowClerkMessages = c.showMessages;
        g->ProfitHistory.Daily[0] = c.profit;
        g->ClerkMessageCount = 3;  // left over from an earlier writer
        g->ClerkAdviceToday = 2;   // no advice pop-up in the way
        RunHourStep(*g);
        EXPECT_EQ(g->DayReportDone, Value(1));
        if (c.text) {
            EXPECT_EQ(g->ClerkMessageCount, Value(1));
            EXPECT_EQ(g->ClerkMessages[0], Value(c.text));
        } else {
            EXPECT_EQ(g->ClerkMessageCount, Value(0));
        }
        EXPECT_EQ(ui.windowsShown, c.popup ? std::vector<Window>{Window::ClerkPopup} : std::vector<Window>{});
    }
}

TEST(ShopTickHours, OneProfitReportPerClosing) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    auto g = NewShop(21);
    g->ClerkCount = 1;
    g->ClerkAdviceToday = 2;  // no advice pop-up in the way
    g->ProfitHistory.Daily[0] = 500;
    RunHourStep(*g);  // 22: closed and empty
    RunHourStep(*g);  // 23: still closed
    EXPECT_EQ(ui.windowsShown.size(), 1u);
    // A working day in between allows the next report.
    g->Hour = 8;
    RunHourStep(*g);
    EXPECT_EQ(g->DayReportDone, Value(0));
    g->Hour = 21;
    RunHourStep(*g);
    EXPECT_EQ(ui.windowsShown.size(), 2u);
}

// ---- the closed-door covers ----

TEST(ShopTickDoors, SmallShopShutsOnlyTheFrontDoor) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    struct Case {
        const char* what;
        int shopSize;  // 2 without the side door: a size the enlargement never built
    };
    const Case cases[] = {{"small shop", 1}, {"side door not built", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = NewShop(21);
        g->ShopSize = c.shopSize;
        ASSERT_FALSE(SideDoorBuilt(*g));
        const int cover = g->DoorCoverSprite.i(), leaf0 = g->Door.LeafSprites[0].i(),
                  leaf1 = g->Door.LeafSprites[1].i();
        g->Door.Cycling[0] = 1;
        g->Door.Step[0] = 4;
        g->Sprite.X[leaf0] = 170;  // caught half open
        g->Sprite.Y[cover] = 1000;  // out of sight during the day
        const SpriteSnapshot before = Snapshot(*g);
        RunHourStep(*g);  // 22: closed and empty
        EXPECT_EQ(g->Sprite.Y[cover], Value(33));
        EXPECT_EQ(g->Sprite.X[leaf0], Value(178));
        EXPECT_EQ(g->Sprite.Y[leaf0], Value(41));
        EXPECT_EQ(g->Sprite.X[leaf1], Value(194));
        EXPECT_EQ(g->Sprite.Y[leaf1], Value(33));
        EXPECT_EQ(g->Door.Cycling[0], Value(0));
        EXPECT_EQ(g->Door.Step[0], Value(0));
        std::vector<int> expectedMoved = {cover, leaf0};  // leaf 1 already stood closed
        std::sort(expectedMoved.begin(), expectedMoved.end());
        EXPECT_EQ(Moved(before, Snapshot(*g)), expectedMoved);
        EXPECT_TRUE(g->Door.Cycling[1].isEmpty());

        g->Hour = 8;
        const SpriteSnapshot closed = Snapshot(*g);
        RunHourStep(*g);  // 9: open, the cover goes out of sight
        EXPECT_EQ(g->Sprite.Y[cover], Value(1000));
        EXPECT_EQ(Moved(closed, Snapshot(*g)), std::vector<int>{cover});
    }
}

TEST(ShopTickDoors, EnlargedShopShutsTheSideDoorToo) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    auto g = NewShop(8);
    ASSERT_TRUE(EnlargeShop(*g));
    ASSERT_TRUE(SideDoorBuilt(*g));
    const int cover2 = g->DoorCoverSprite2.i(), leaf2 = g->Door.LeafSprites[2].i(),
              leaf3 = g->Door.LeafSprites[3].i();
    RunHourStep(*g);  // 9: open
    EXPECT_EQ(g->Sprite.Y[cover2], Value(1000));
    g->Door.Cycling[1] = 1;
    g->Door.Step[1] = 3;
    g->Sprite.X[leaf2] = 40;
    g->Sprite.X[leaf3] = 76;
    g->Hour = 21;
    RunHourStep(*g);  // 22: closed and empty
    EXPECT_EQ(g->Sprite.Y[cover2], Value(161));
    EXPECT_EQ(g->Sprite.X[leaf2], Value(50));
    EXPECT_EQ(g->Sprite.Y[leaf2], Value(169));
    EXPECT_EQ(g->Sprite.X[leaf3], Value(66));
    EXPECT_EQ(g->Sprite.Y[leaf3], Value(161));
    EXPECT_EQ(g->Door.Cycling[1], Value(0));
    EXPECT_EQ(g->Door.Step[1], Value(0));
}

TEST(ShopTickDoors, CoversStayUpWhileSomeoneIsInsideAfterHours) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    auto g = NewShop(21);
    const int cover = g->DoorCoverSprite.i();
    g->Sprite.Y[cover] = 1000;
    SetInside(*g, 0, 0, 1, 0);  // the cleaner is still at work
    RunHourStep(*g);
    EXPECT_EQ(g->Sprite.Y[cover], Value(1000));
    EXPECT_EQ(g->DayReportDone.asInt(), 0);
}

// ---- shelf fill level ----

namespace {
struct ShelfFloor {
    std::unique_ptr<GameState> g = NewShop(10);
    std::vector<int> shelfSprites;
    int machineSprite = -1;

    ShelfFloor() {
        // Two shelves (the first and the last shelf kind) and a vending machine.
        const int kinds[] = {1, 6, 7};
        const int places[] = {3, 30, 12};
        for (int i = 0; i < 3; ++i) {
            const int sprite = SpawnSprite(*g, 100 + 30 * i, 100, 40 * i, 232, 30, 40, 0);
            g->FacilitySlot.Kind[places[i]] = kinds[i];
            g->FacilitySlot.Sprite[places[i]] = sprite;
            g->OccupiedSlots[i] = places[i];
            if (kinds[i] <= 6)
                shelfSprites.push_back(sprite);
            else
                machineSprite = sprite;
        }
        g->OccupiedSlotCount = 3;
        g->ShelfCapacity = 100;
        g->ShelfFillLevel = -1;
    }
};
}  // namespace

TEST(ShelfFill, StageAndPictureByCopiesOnTheShelves) {
    struct Case {
        int copies, stage, srcY;
    };
    const Case cases[] = {
        {100, 3, 232}, {80, 3, 232}, {79, 2, 567}, {40, 2, 567}, {39, 1, 516}, {1, 1, 516}, {0, 0, 465},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.copies);
        ShelfFloor f;
        const WholeCell machineSrcX = f.g->Sprite.SrcX[f.machineSprite];
        f.g->CopiesOnShelves = c.copies;
        UpdateShelfFillLevel(*f.g);
        EXPECT_EQ(f.g->ShelfFillLevel, Value(c.stage));
        for (int s : f.shelfSprites) EXPECT_EQ(f.g->Sprite.SrcY[s], Value(c.srcY));
        EXPECT_EQ(f.g->Sprite.SrcY[f.machineSprite], Value(232));
        EXPECT_EQ(f.g->Sprite.SrcX[f.machineSprite], machineSrcX);
        EXPECT_EQ(f.g->Sprite.SrcX[f.shelfSprites[1]], Value(40));  // the model column stays
    }
}

TEST(ShelfFill, RedrawsOnlyWhenTheStageChangesOrIsForced) {
    ShelfFloor f;
    GameState& g = *f.g;
    const int shelf = f.shelfSprites[0];
    g.CopiesOnShelves = 50;
    UpdateShelfFillLevel(g);
    ASSERT_EQ(g.Sprite.SrcY[shelf], Value(567));
    g.Sprite.SrcY[shelf] = 232;  // a shelf placed since
    g.CopiesOnShelves = 60;      // same stage
    UpdateShelfFillLevel(g);
    EXPECT_EQ(g.Sprite.SrcY[shelf], Value(232));
    g.ShelfFillLevel = -1;
    UpdateShelfFillLevel(g);
    EXPECT_EQ(g.Sprite.SrcY[shelf], Value(567));
}

TEST(ShelfFill, NoShelfRoomChangesNothing) {
    ShelfFloor f;
    GameState& g = *f.g;
    g.ShelfCapacity = 0;
    g.CopiesOnShelves = 0;
    UpdateShelfFillLevel(g);
    EXPECT_EQ(g.ShelfFillLevel, Value(-1));
    for (int s : f.shelfSprites) EXPECT_EQ(g.Sprite.SrcY[s], Value(232));
}

// ---- machine sales ----

namespace {
// Draws numbers from the game until the next sale of up to `maxItems`
// items (one discarded draw, then the count) will sell `want`.
void LineUpSale(GameState& g, int maxItems, int want) {
    for (int i = 0; i < 10000; ++i) {
        Random peek = g.rng;
        peek.next();
        if (static_cast<int>(peek.next() * maxItems) + 1 == want) return;
        g.Rnd();
    }
    FAIL() << "no sale of " << want << " in reach";
}

std::int64_t Income(const GameState& g, int category, int period) {
    return g.Ledger.Income[category][period].whole();
}
}  // namespace

TEST(MachineSales, ServiceCounterBooksServicesIncome) {
    struct Case {
        int kind, count;
        const char* text;  // null: the spot sells nothing
        int amount;
    };
    const Case cases[] = {
        {1, 2, "口香糖2个售出 +200円", 200},
        {2, 1, "包子1个售出 +120円", 120},
        {4, 5, "CD、影像5个售出 +4900円", 4900},
        {3, 4, nullptr, 0},  // the statue
        {0, 3, nullptr, 0},  // the spot was emptied
    };
    for (int spot = 1; spot <= 2; ++spot) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "spot " << spot << " kind " << c.kind);
            HeadlessPlatform ui;
            ScopedPlatform use(ui);
            auto g = NewShop(10);
            g->ServiceSlot.Kind[spot] = c.kind;
            g->ServiceSlot.Kind[3 - spot] = 1;  // the other spot's machine plays no part
            g->StatusText = "前一条";
            g->StatusTicks = 7;
            LineUpSale(*g, 5, c.count);
            Random after = g->rng;
            after.next();
            after.next();
            const std::int64_t funds = g->Funds.asInt();

            SellAtServiceCounter(*g, spot);

            EXPECT_EQ(ui.sounds, std::vector<std::string>{"Gold.wav"});
            EXPECT_EQ(g->rng.next(), after.next());  // exactly two draws
            EXPECT_EQ(g->Funds.asInt(), funds + c.amount);
            for (int p = 0; p < 3; ++p) EXPECT_EQ(Income(*g, Services, p), c.amount);
            EXPECT_EQ(g->StatusText, Value(c.text ? c.text : "前一条"));
            EXPECT_EQ(g->StatusTicks, Value(c.text ? 0 : 7));
        }
    }
}

TEST(MachineSales, DrinksBookFacilitiesIncome) {
    struct Case {
        int cans;
        const char* text;
    };
    const Case cases[] = {{3, "饮料售出了3罐 +210円"}, {12, "饮料售出了12罐 +840円"}, {1, "饮料售出了1罐 +70円"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cans);
        HeadlessPlatform ui;
        ScopedPlatform use(ui);
        auto g = NewShop(10);
        LineUpSale(*g, 12, c.cans);
        const std::int64_t funds = g->Funds.asInt();
        SellDrinks(*g, 7);
        EXPECT_EQ(g->Funds.asInt(), funds + 70 * c.cans);
        for (int p = 0; p < 3; ++p) {
            EXPECT_EQ(Income(*g, Facilities, p), 70 * c.cans);
            EXPECT_EQ(Income(*g, Services, p), 0);
        }
        EXPECT_EQ(g->StatusText, Value(c.text));
        EXPECT_EQ(g->StatusTicks, Value(0));
        EXPECT_TRUE(ui.sounds.empty());  // the machine's own sound is its caller's
    }
}

TEST(MachineSales, NoTillSoundWithSoundOff) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    auto g = NewShop(10);
    g->SoundOn = 0;
    g->ServiceSlot.Kind[1] = 2;
    SellAtServiceCounter(*g, 1);
    EXPECT_TRUE(ui.sounds.empty());
    EXPECT_GT(Income(*g, Services, 0), 0);
}
