// The cleaner (person row 5) under the main tick: it comes when a cleaning
// is ordered, mops one stretch in the small shop and two in a larger one,
// takes the ordered strength off the dirt once, and leaves.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "floor/ShopEnlargement.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/Upkeep.h"
#include "sim/Cleaner.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/HourLength.h"
#include "sim/Walking.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

constexpr int kCleaner = 5;

struct Visit {
    std::vector<int> states;             // every state the row passed through, in order
    std::vector<long long> dirtChanges;  // Dirtiness after every change
    int ticks = 0;
};

class CleanerTest : public ::testing::Test {
protected:
    void SetUp() override {
        g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 10, .seed = 7});
        g->Hour = 11;  // well inside the day: no new day while the cleaner works
        g->ShopOpen = 1;
    }

    GridCell Cell() const {
        return {static_cast<int>(PersonCellX(*g, kCleaner)), static_cast<int>(PersonCellY(*g, kCleaner))};
    }

    // Runs the main tick until the order is done (or 3000 ticks have gone).
    Visit RunVisit(const std::function<void(int tick)>& each = nullptr) {
        Visit v;
        long long dirt = g->Dirtiness.asInt();
        int state = g->Person.State[kCleaner].i();
        while (g->CleaningOrdered.asInt() == 1 && v.ticks < 3000) {
            MainTick(*g);
            ++v.ticks;
            const int now = g->Person.State[kCleaner].i();
            if (now != state) {
                v.states.push_back(now);
                state = now;
            }
            if (g->Dirtiness.asInt() != dirt) {
                dirt = g->Dirtiness.asInt();
                v.dirtChanges.push_back(dirt);
            }
            if (each) each(v.ticks);
        }
        return v;
    }

    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g;
};

}  // namespace

TEST_F(CleanerTest, NobodyComesWithoutAnOrder) {
    for (int i = 0; i < 50; ++i) MainTick(*g);
    EXPECT_EQ(g->Person.State[kCleaner], Value(0));
    EXPECT_EQ(g->CleanerInside.asInt(), 0);
}

TEST_F(CleanerTest, TheSmallShopIsMoppedInOneStretch) {
    g->Dirtiness = 50;
    const long long visits = g->Person.Visits[kCleaner].asInt();
    OrderCleaning(*g, 1);  // strength 30
    const Visit v = RunVisit();
    ASSERT_EQ(g->CleaningOrdered, Value(0)) << "the cleaner never left";
    using namespace CleanerState;
    EXPECT_EQ(v.states, (std::vector<int>{Enter, ToArea1, CleanArea1, FromArea2, ToDoor, Exit, Absent}));
    EXPECT_EQ(v.dirtChanges, std::vector<long long>{20}) << "booked once";
    EXPECT_EQ(g->CleaningStrength, Value(0));
    EXPECT_EQ(g->CleanerInside.asInt(), 0);
    EXPECT_EQ(g->Person.Visits[kCleaner].asInt(), visits + 1) << "came in once, never off the map";
}

TEST_F(CleanerTest, ALargerShopIsMoppedInTwoStretches) {
    ASSERT_TRUE(EnlargeShop(*g));
    g->Dirtiness = 20;
    OrderCleaning(*g, 2);  // strength 60: more than the dirt
    const Visit v = RunVisit();
    ASSERT_EQ(g->CleaningOrdered, Value(0)) << "the cleaner never left";
    using namespace CleanerState;
    EXPECT_EQ(v.states,
              (std::vector<int>{Enter, ToArea1, CleanArea1, ToArea2, CleanArea2, FromArea2, ToDoor, Exit, Absent}));
    EXPECT_EQ(v.dirtChanges, std::vector<long long>{0}) << "booked once, held at 0";
}

TEST_F(CleanerTest, EachStretchSlidesItsCellsAndMovesOn) {
    struct Case {
        int shopSize, state;
        GridCell from, to;
        int ticks, next;
        bool booked;
    };
    using namespace CleanerState;
    const Case cases[] = {
        {1, CleanArea1, {54, 48}, {60, 54}, 13, FromArea2, true},  // the small shop's only stretch
        {2, CleanArea1, {54, 48}, {60, 54}, 13, ToArea2, false},
        {2, CleanArea2, {65, 63}, {57, 71}, 17, FromArea2, true},
    };
    const int sprite = PersonSpriteSlot(*g, kCleaner);
    ASSERT_GE(sprite, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.shopSize << ", state " << c.state);
        g->ShopSize = c.shopSize;
        g->Dirtiness = 50;
        g->CleaningOrdered = 1;
        g->CleaningStrength = 30;
        g->Person.State[kCleaner] = c.state;
        g->Person.StateTicks[kCleaner] = 0;
        g->Sprite.X[sprite] = (c.from.x - 20) * 6;
        g->Sprite.Y[sprite] = (c.from.y - 20) * 3;
        for (int t = 1; t < c.ticks; ++t) StepCleaner(*g, kCleaner);
        EXPECT_EQ(g->Person.State[kCleaner], Value(c.state));
        StepCleaner(*g, kCleaner);
        EXPECT_EQ(Cell(), c.to);
        EXPECT_EQ(g->Person.State[kCleaner], Value(c.next));
        EXPECT_EQ(g->Dirtiness, Value(c.booked ? 20 : 50));
    }
}

TEST_F(CleanerTest, WhileMoppingTheMainTickLeavesItAlone) {
    ASSERT_TRUE(EnlargeShop(*g));
    OrderCleaning(*g, 1);
    const int look = g->Person.Look[kCleaner].i();
    const int sprite = PersonSpriteSlot(*g, kCleaner);
    ASSERT_GE(sprite, 0);
    // Every tick of the second stretch: a step only on odd ticks from 3,
    // the mop frames alternating between rows 64 and 96. On every tick of
    // both, the cleaner stands where the loader holds it to.
    std::vector<int> srcY;
    int steps = 0, mopped = 0;
    GridCell last{};
    RunVisit([&](int) {
        const int state = g->Person.State[kCleaner].i();
        if (const std::optional<GridCell> cell = MoppingCell(state, g->Person.StateTicks[kCleaner].asInt())) {
            EXPECT_EQ(Cell(), *cell);
            ++mopped;
        }
        if (state != CleanerState::CleanArea2) return;
        EXPECT_EQ(g->Person.Heading[kCleaner], Value(0));
        const GridCell now = Cell();
        if (g->Person.StateTicks[kCleaner].i() > 1 && !(now == last)) ++steps;
        last = now;
        if (g->Person.StateTicks[kCleaner].i() % 2 == 1 && g->Person.StateTicks[kCleaner].i() >= 3) {
            EXPECT_EQ(g->Sprite.SrcX[sprite].asInt(), 48 + 112 * look);
            srcY.push_back(g->Sprite.SrcY[sprite].i());
        }
    });
    EXPECT_EQ(mopped, 12 + 16);
    EXPECT_EQ(steps, 7) << "seen while mopping; the eighth ends the stretch";
    EXPECT_EQ(srcY, (std::vector<int>{64, 96, 64, 96, 64, 96, 64}));
}

TEST_F(CleanerTest, TheCleanerLeavingLastAfterHoursEndsTheHourSoon) {
    g->Hour = 22;
    g->ShopOpen = 0;
    g->TicksPerHour = kHourTicksOvertime;
    g->HourTicks = 0;
    g->Dirtiness = 40;
    OrderCleaning(*g, 1);
    bool checked = false;
    RunVisit([&](int) {
        if (checked || g->Person.State[kCleaner].i() != CleanerState::Exit) return;
        checked = true;
        EXPECT_EQ(g->CleanerInside.asInt(), 0);
        EXPECT_EQ(g->TicksPerHour, Value(kHourTicksLastLeft));
        EXPECT_EQ(g->Dirtiness, Value(10));
    });
    EXPECT_TRUE(checked);
}
