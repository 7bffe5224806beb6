// The robber: the trigger draw on every tick without a robbery, the walk to
// register 1 and out again, and the robbery window's demand, payment and
// refusal.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "business/Insurance.h"
#include "business/Robbery.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/PersonSlots.h"
#include "sim/Robber.h"
#include "state/HourLength.h"
#include "sim/Walking.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

constexpr int kRobber = PersonSlot::Robber;

// An open, rich shop with a clerk, on a weekday morning.
std::unique_ptr<GameState> RichShop() {
    auto g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 11, .seed = 7});
    g->ShopOpen = 1;
    g->ClerkCount = 1;
    g->Funds = 10'000'000;
    g->DaysSinceRobbery = 50;
    return g;
}

}  // namespace

TEST(RobberTrigger, DrawnEveryTickAndOnlyARichOpenStaffedShopIsRobbed) {
    struct Case {
        const char* what;
        int clerks, shopOpen, hour, days;
        long long funds;
        bool drawHits, robbed;
    };
    const Case cases[] = {
        {"all conditions", 1, 1, 11, 50, 7'000'000, true, true},
        {"the draw misses", 1, 1, 11, 50, 7'000'000, false, false},
        {"no clerk", 0, 1, 11, 50, 7'000'000, true, false},
        {"closed", 1, 0, 11, 50, 7'000'000, true, false},
        {"the hour before closing", 1, 1, 20, 50, 7'000'000, true, false},
        {"49 days since the last", 1, 1, 11, 49, 7'000'000, true, false},
        {"just under 7,000,000", 1, 1, 11, 50, 6'999'999, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = RichShop();
        g->ClerkCount = c.clerks;
        g->ShopOpen = c.shopOpen;
        g->Hour = c.hour;
        g->DaysSinceRobbery = c.days;
        g->Funds = c.funds;
        SteerDraws(*g, [&](Random r) { return Below(r, 12 * 360) == c.drawHits; });
        Random expected = g->rng;
        expected.next();

        StepRobber(*g, kRobber);

        EXPECT_EQ(g->rng.next(), expected.next()) << "one draw, whatever holds";
        EXPECT_EQ(g->RobberActive.asInt(), c.robbed ? 1 : 0);
        EXPECT_EQ(g->Person.State[kRobber].asInt(), 0) << "the robber comes in on the next tick";
    }
}

TEST(RobberWalk, InToRegisterOneThenOutAndOffTheFloor) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    auto g = RichShop();
    g->Funds = 16'000'000;
    g->RobberActive = 1;
    const int sprite = PersonSpriteSlot(*g, kRobber);
    ASSERT_GE(sprite, 0);

    // The first call brings the robber in at the staff entrance.
    TickPersonSlot(*g, kRobber);
    EXPECT_EQ(g->RobberInside.asInt(), 1);
    EXPECT_EQ(g->Person.Visits[kRobber].asInt(), 1);
    EXPECT_EQ(g->Person.State[kRobber].asInt(), RobberState::Enter);

    std::vector<int> states{RobberState::Enter};
    int ticks = 1;
    while (g->Person.State[kRobber].asInt() != RobberState::Absent && ticks < 2000) {
        TickPersonSlot(*g, kRobber);
        ++ticks;
        const int s = g->Person.State[kRobber].i();
        if (s != states.back()) states.push_back(s);
    }
    ASSERT_LT(ticks, 2000) << "the robber never left";
    ASSERT_GE(states.size(), 5u);
    EXPECT_EQ(std::vector<int>(states.begin(), states.begin() + 3),
              (std::vector<int>{RobberState::Enter, RobberState::AtRegister, RobberState::ToDoor}));
    EXPECT_TRUE(states[3] == RobberState::LeaveNorth || states[3] == RobberState::LeaveWest);
    EXPECT_EQ(states[4], RobberState::Absent);

    // The window opened once, at the counter; the robber was paid.
    EXPECT_EQ(ui.windowsShown, std::vector<Window>{Window::Robbery});
    EXPECT_EQ(g->RobberyDemand.asInt(), 15'000'000);
    EXPECT_EQ(g->Funds.asInt(), 1'000'000);
    EXPECT_EQ(g->DaysSinceRobbery.asInt(), 0);
    EXPECT_EQ(g->NewsEventCode.asInt(), kNewsRobberyPaid);
    EXPECT_EQ(g->RobberActive.asInt(), 0);
    EXPECT_EQ(g->RobberInside.asInt(), 0);
    EXPECT_EQ(g->Sprite.Y[sprite].asInt(), -64) << "parked off the floor";
}

TEST(RobberWalk, TheFirstRobberOfAGameWalksInOnceAndReachesTheCounter) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    auto g = RichShop();  // the robber's row as a new game leaves it
    g->RobberActive = 1;
    int atCounterTick = 0, ticks = 0;
    long long visitsAtCounter = 0;
    ui.windowAnswers[Window::Robbery] = [&](GameState& game) {
        atCounterTick = ticks;
        visitsAtCounter = game.Person.Visits[kRobber].asInt();
    };
    double topRow = 99;  // the highest row it stands on before the counter
    const Random before = g->rng;
    while (atCounterTick == 0 && ticks < 200) {
        ++ticks;
        TickPersonSlot(*g, kRobber);
        if (atCounterTick == 0) topRow = std::min(topRow, PersonCellY(*g, kRobber));
    }
    EXPECT_EQ(visitsAtCounter, 1) << "came in once, never off the map";
    EXPECT_GE(topRow, 12) << "never above the staff entrance";
    // In at the entrance's row 12 on the first tick, then a row a tick down
    // to the counter's row 54.
    EXPECT_EQ(atCounterTick, 1 + (54 - 12));
    Random untouched = before;
    EXPECT_EQ(g->rng.next(), untouched.next()) << "the walk in draws nothing";
}

TEST(RobberWalk, StandsAtTheCounterWhileTheWindowIsUpAndShortensAnEmptyHour) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    auto g = RichShop();
    g->RobberActive = 1;
    const int sprite = PersonSpriteSlot(*g, kRobber);
    bool atCounter = false;
    ui.windowAnswers[Window::Robbery] = [&](GameState& game) {
        atCounter = StandsOn(game, kRobber, {56, 54});
        EXPECT_EQ(game.Sprite.SrcX[sprite].asInt(), game.Person.Look[kRobber].asInt() * 112);
        EXPECT_EQ(game.Sprite.SrcY[sprite].asInt(), 96);
        EXPECT_EQ(game.Person.State[kRobber].asInt(), RobberState::ToDoor);
    };
    g->TicksPerHour = kHourTicksOvertime;
    while (g->RobberActive.asInt() == 1) TickPersonSlot(*g, kRobber);
    EXPECT_TRUE(atCounter);
    // Out of the door with nobody else inside: the hour ends soon.
    EXPECT_EQ(g->TicksPerHour.asInt(), kHourTicksLastLeft);
}

TEST(Robbery, DemandByTheFunds) {
    const struct {
        long long funds, demand;
    } cases[] = {
        {15'000'001, 15'000'000}, {15'000'000, 10'000'000}, {12'000'001, 10'000'000}, {12'000'000, 8'000'000},
        {8'000'001, 8'000'000},   {8'000'000, 5'000'000},   {7'000'000, 5'000'000},   {5'000'000, 3'000'000},
        {3'000'001, 3'000'000},   {3'000'000, 2'000'000},   {-5, 2'000'000},
    };
    for (const auto& c : cases) EXPECT_EQ(RobberyDemandFor(c.funds), c.demand) << c.funds;
}

TEST(Robbery, PayingWithAndWithoutDamageInsurance) {
    for (bool insured : {false, true}) {
        SCOPED_TRACE(insured);
        HeadlessPlatform ui{GameWindowDefaults()};
        ScopedPlatform scoped{ui};
        auto g = RichShop();
        g->Funds = 15'000'000;
        g->InsuranceJoined[static_cast<int>(InsuranceKind::Damage)] = insured ? 1 : 0;
        RobberyOpened(*g);
        EXPECT_EQ(RobberyDemandText(*g), "交钱，1000万0000円!要不然的话……");
        EXPECT_EQ(g->DaysSinceRobbery.asInt(), 0);

        PayRobber(*g);

        EXPECT_EQ(g->Funds.asInt(), insured ? 17'000'000 : 5'000'000);
        EXPECT_EQ(g->NewsEventCode.asInt(), insured ? 7 : 6);
        EXPECT_EQ(ui.windowsShown, insured ? std::vector<Window>{Window::InsurancePayout} : std::vector<Window>{});
    }
}

TEST(Robbery, RefusingDrawsTwiceAndKillsOneTimeInTwo) {
    for (int d : {0, 1}) {
        auto g = RichShop();
        RobberyOpened(*g);
        const auto funds = g->Funds.asInt();
        SteerDraws(*g, [&](Random r) {
            r.next();  // thrown away
            return static_cast<int>(r.next() * 2) == d;
        });
        Random expected = g->rng;
        expected.next();
        expected.next();

        EXPECT_EQ(RefuseRobber(*g), d == 0);

        EXPECT_EQ(g->rng.next(), expected.next());
        EXPECT_EQ(g->GameOverReason.asInt(), d == 0 ? kGameOverManagerKilled : 0);
        EXPECT_EQ(g->Funds.asInt(), funds);
        EXPECT_EQ(g->NewsEventCode.asInt(), 0);
    }
}
