// The saved game against play itself: the loader is strict, so everything
// the game can reach while it is played must still be taken back, and the
// largest game the loader takes must be playable without arithmetic
// running off the end of 64 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "business/Advertising.h"
#include "business/Awards.h"
#include "business/MonthEnd.h"
#include "business/WeeklyNews.h"
#include "commands/CommandGates.h"
#include "floor/ShopEnlargement.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/CustomerOpinions.h"
#include "shop/FacilityRemoval.h"
#include "shop/Placement.h"
#include "shop/Registers.h"
#include "shop/ServiceMachines.h"
#include "shop/ShopServices.h"
#include "shop/Staff.h"
#include "sim/Deliveries.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "sim/NewDay.h"
#include "state/Calendar.h"
#include "state/Counters.h"
#include "state/Ledger.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "state/StateLayout.h"
#include "savegame/SaveGame.h"
#include "stock/BookOrders.h"
#include "stock/MagazineOrders.h"
#include "stock/OrderList.h"
#include "tests/TestShop.h"

namespace {

// A game year takes half a second here and half a minute under the
// sanitizers, where two years keep the test within its time.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kYearsOfPlay = 2;
#else
constexpr int kYearsOfPlay = 10;
#endif

// Runs `years` game years (or until the game ends), saving at every new
// month and at the end, and reads every save back; the owner calls the fire
// brigade as soon as a fire is discovered. Returns the saves taken, and
// fills `soldByYear` with the copies sold at the start and after each year.
int SaveEveryMonth(GameState& g, int years, std::vector<std::int64_t>* soldByYear = nullptr) {
    auto months = [&g] { return g.Year.asInt() * 12 + g.Month.asInt(); };
    const std::int64_t end = months() + 12 * years;
    int saves = 0;
    auto saveAndReadBack = [&] {
        ++saves;
        std::string bytes, why;
        ASSERT_TRUE(SerializeGame(g, bytes, &why)) << g.Year.asText() << "-" << g.Month.asText() << ": " << why;
        auto back = std::make_unique<GameState>();
        ASSERT_TRUE(DeserializeGame(bytes, *back, &why)) << g.Year.asText() << "-" << g.Month.asText() << ": " << why;
    };
    const std::int64_t start = months();
    if (soldByYear) soldByYear->assign(1, g.CopiesSold.asInt());
    Value month = g.Month;
    while (g.GameRunning.asInt() == 1 && months() < end) {
        MainTick(g);
        if (g.FireBurning.asInt() == 1 && g.FireUndiscovered.asInt() == 0) CallFireBrigade(g);
        if (g.Month == month) continue;
        month = g.Month;
        if (soldByYear && (months() - start) % 12 == 0) soldByYear->push_back(g.CopiesSold.asInt());
        saveAndReadBack();
        if (::testing::Test::HasFatalFailure()) return saves;
    }
    saveAndReadBack();
    return saves;
}

class SavedGamesInPlay : public ::testing::Test {
protected:
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
};

// The other side of strictness: ten seeded years of the busy shop, every
// monthly save taken back (gauges between their clamps, counters that only
// grow, queues, fires of the shop's own making and all).
TEST_F(SavedGamesInPlay, TenYearsOfTheBusyShopSaveAndLoadBack) {
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    ASSERT_TRUE(LoadGameFile(*g, QM_BUSY_SHOP));
    std::vector<std::int64_t> sold;
    EXPECT_GE(SaveEveryMonth(*g, kYearsOfPlay, &sold), 12 * kYearsOfPlay - 1);
    ASSERT_EQ(sold.size(), static_cast<std::size_t>(kYearsOfPlay) + 1);
    for (std::size_t y = 1; y < sold.size(); ++y) EXPECT_GT(sold[y], sold[y - 1]) << "nothing sold in year " << y;
}

// A new game left to itself runs out of money within a few years; every
// save up to and including the game over is taken back.
TEST_F(SavedGamesInPlay, ANewGameSavesAndLoadsBackToItsEnd) {
    auto g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 10, .seed = 7});
    EXPECT_GE(SaveEveryMonth(*g, kYearsOfPlay), 12);
}

// The richest game the loader takes runs a year without overflow (the
// sanitizer preset turns any into a failure): funds, every ledger cell and
// the profit totals at the limit, and every running count near its bound.
// Money stays at the limit rather than wrapping round, so the game is not
// ended by arithmetic, and its save still loads.
TEST_F(SavedGamesInPlay, TheLargestAcceptedFundsRunAYear) {
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    ASSERT_TRUE(LoadGameFile(*g, QM_BUSY_SHOP));
    g->Funds = kYenLimit;
    for (auto* table : {&g->Ledger.Income, &g->Ledger.Expense})
        for (auto& category : *table)
            for (Money& cell : category) cell = Money::FromWhole(kYenLimit);
    for (auto* history : {&g->ProfitHistory.Daily, &g->ProfitHistory.Monthly, &g->ProfitHistory.Yearly})
        for (Value& v : *history) v = kYenLimit;
    const std::int64_t nearlyNever = 999'999'999'000'000;
    g->TotalCustomers = g->CopiesSold = g->Register1Served = g->Register2Served = nearlyNever;
    for (Value& v : g->Person.TicksAlive) v = nearlyNever;

    std::string bytes, why;
    ASSERT_TRUE(SerializeGame(*g, bytes, &why)) << why;
    auto loaded = std::make_unique<GameState>(*g);
    ASSERT_TRUE(DeserializeGame(bytes, *loaded, &why)) << why;

    auto months = [&] { return g->Year.asInt() * 12 + g->Month.asInt(); };
    const std::int64_t start = months();
    while (g->GameRunning.asInt() == 1 && months() <= start + 12) MainTick(*g);
    EXPECT_EQ(g->GameRunning, Value(1));
    EXPECT_EQ(g->GameOverReason.asInt(), 0);
    EXPECT_GT(g->Funds.asInt(), 0);
    EXPECT_LE(g->Funds.asInt(), kYenLimit);
    ASSERT_TRUE(SerializeGame(*g, bytes, &why)) << why;
    ASSERT_TRUE(DeserializeGame(bytes, *loaded, &why)) << why;
}

// The game's save, and a fresh game that loads it.
::testing::AssertionResult SavesAndLoadsBack(const GameState& g) {
    std::string bytes, why;
    if (!SerializeGame(g, bytes, &why)) return ::testing::AssertionFailure() << "not written: " << why;
    auto back = std::make_unique<GameState>();
    if (!DeserializeGame(bytes, *back, &why)) return ::testing::AssertionFailure() << "not taken back: " << why;
    return ::testing::AssertionSuccess();
}

constexpr int kFastestRegister = 5;  // the small workstation
constexpr int kClawMachine = 7;      // catalogue rows
constexpr int kShelf40 = 0;

// The catalogue row of the shelf that holds the most.
int LargestShelf(const GameState& g) {
    int best = 0;
    for (int r = 0; r < g.FixtureTypeCount.i(); ++r)
        if (g.FixtureType.Capacity[r].asInt() > g.FixtureType.Capacity[best].asInt()) best = r;
    return best;
}

// The largest shop with the largest shelf on every floor place.
void FurnishTheLargestShop(GameState& g) {
    AddMoney(g, 200'000'000, OtherCategory, 1);
    while (EnlargeShop(g)) {
    }
    for (int spot = 1; spot <= 61; ++spot) PlaceFacility(g, spot, LargestShelf(g));
}

void OrderBook(GameState& g, int title, int copies) {
    OpenBookOrders(g);
    SetBookEditedOrder(g, title, copies);
    CommitBookOrders(g);
}

// Book 0 ordered afresh at 999 copies and delivered, again and again, until
// a delivery meets full shelves; then the order dialog is opened.
void FillTheShelvesWithOneTitle(GameState& g) {
    for (int round = 0; round < 20 && ShelfRoom(g) > 0; ++round) {
        OrderBook(g, 0, 0);
        OrderBook(g, 0, kMaxOrderCopies);
        for (int day = 0; day < kBookDeliveryDays; ++day) DeliverBooks(g);
    }
    OpenBookOrders(g);
}

// The highest count of ticks in a state a file may hold.
std::int64_t MostStateTicks() { return Layout().find("Person.StateTicks")->rule.hi; }

// The first person whose state step is counting its ticks, or -1.
int CountingPerson(const GameState& g) {
    for (int p = 0; p < g.PersonCount.i(); ++p)
        if (g.Person.StateTicks[p].asInt() > 0) return p;
    return -1;
}

// The busy shop, played on until somebody counts the ticks of a state (at
// a facility, at the counter, mopping); the count is then set to the
// highest a file may hold.
void ACountAtItsEdge(GameState& g) {
    ASSERT_TRUE(LoadGameFile(g, QM_BUSY_SHOP));
    for (int tick = 0; tick < 20'000 && CountingPerson(g) < 0; ++tick) MainTick(g);
    const int p = CountingPerson(g);
    ASSERT_GE(p, 0);
    g.Person.StateTicks[p] = MostStateTicks();
}

void AllTitlesAsPopularAsCanBe(GameState& g) {
    for (Value& p : g.Book.Popularity) p = kScoreLimit;
    for (Value& p : g.Magazine.Popularity) p = kScoreLimit;
}

void PlayerScoresAt(GameState& g, std::int64_t score) {
    auto& shop = g.Bookshop;
    shop.FacilityScore[0] = shop.EffortPoints[0] = shop.SalesPoints[0] = shop.DirtPoints[0] = score;
}

void ExpectPlayerScoresAt(const GameState& g, std::int64_t score) {
    const auto& shop = g.Bookshop;
    for (const Value* v : {&shop.FacilityScore[0], &shop.EffortPoints[0], &shop.SalesPoints[0], &shop.DirtPoints[0]})
        EXPECT_EQ(v->asReal(), static_cast<double>(score));
}

// What a game reaches at the edges of its fields' ranges is taken back:
// from a game that itself saves and loads (a file the loader takes may
// stand anywhere in a range), each row plays the game's own routine that
// takes a field to its edge or would grow it past it, and the save after it
// loads.
TEST_F(SavedGamesInPlay, PlayAtTheEdgesOfTheFieldsSavesAndLoadsBack) {
    using Step = std::function<void(GameState&)>;
    struct Case {
        const char* what;
        Step before;  // where the game stands
        Step play;    // the game's own routine
        std::function<void(const GameState&)> expect;
    };
    const auto nothing = [](GameState&) {};
    const Case cases[] = {
        {"the fastest register bought", nothing, [](GameState& g) { BuyRegister(g, 2, kFastestRegister); },
         [](const GameState& g) { EXPECT_EQ(g.RegisterSlot.ServiceTime[1], Value(-1)); }},
        {"a delivery that meets full shelves in the largest shop", FurnishTheLargestShop, FillTheShelvesWithOneTitle,
         [](const GameState& g) {
             EXPECT_EQ(ShelfRoom(g), 0);
             EXPECT_GT(g.Book.StandingOrder[0].asInt(), kMaxOrderCopies);
             EXPECT_EQ(g.Book.StandingOrder[0], g.ShelfCapacity);
             EXPECT_EQ(g.Book.EditedOrder[0], g.Book.StandingOrder[0]);
         }},
        {"the weekly ranking of titles as popular as a file may make them", AllTitlesAsPopularAsCanBe, WriteWeeklyNews,
         [](const GameState& g) {
             EXPECT_EQ(g.Book.RankScore[0].asReal(), static_cast<double>(kScoreLimit));
             EXPECT_EQ(g.Magazine.RankScore[0].asReal(), static_cast<double>(kScoreLimit));
         }},

        // Every way the award contest's scores move stops at their edge.
        {"advertising in the newspaper", [](GameState& g) { PlayerScoresAt(g, kScoreLimit); },
         [](GameState& g) { AdvertiseWith(g, AdvertisingMedium::Newspaper); },
         [](const GameState& g) { ExpectPlayerScoresAt(g, kScoreLimit); }},
        {"a shelf placed", [](GameState& g) { PlayerScoresAt(g, kScoreLimit); },
         [](GameState& g) { PlaceFacility(g, 1, kShelf40); },
         [](const GameState& g) { ExpectPlayerScoresAt(g, kScoreLimit); }},
        {"a register bought", [](GameState& g) { PlayerScoresAt(g, kScoreLimit); },
         [](GameState& g) { BuyRegister(g, 1, 0); }, [](const GameState& g) { ExpectPlayerScoresAt(g, kScoreLimit); }},
        {"a service machine bought", [](GameState& g) { PlayerScoresAt(g, kScoreLimit); },
         [](GameState& g) { BuyServiceMachine(g, 1, 0); },
         [](const GameState& g) { ExpectPlayerScoresAt(g, kScoreLimit); }},
        {"a book order", [](GameState& g) { PlayerScoresAt(g, kScoreLimit); },
         [](GameState& g) { OrderBook(g, 0, 10); }, [](const GameState& g) { ExpectPlayerScoresAt(g, kScoreLimit); }},
        {"a magazine order", [](GameState& g) { PlayerScoresAt(g, kScoreLimit); },
         [](GameState& g) {
             OpenMagazineOrders(g);
             CommitMagazineOrders(g);
         },
         [](const GameState& g) { ExpectPlayerScoresAt(g, kScoreLimit); }},
        {"the customers' opinions heard", [](GameState& g) { PlayerScoresAt(g, kScoreLimit); },
         CustomerOpinionsClosed, [](const GameState& g) { ExpectPlayerScoresAt(g, kScoreLimit); }},
        {"a month's sales and dirt", [](GameState& g) {
             PlayerScoresAt(g, kScoreLimit);
             g.CopiesSoldHistory.Monthly[0] = 100;
             g.Dirtiness = 50;
         },
         MonthClose, [](const GameState& g) { ExpectPlayerScoresAt(g, kScoreLimit); }},
        {"a shelf removed", [](GameState& g) {
             PlaceFacility(g, 1, kShelf40);
             PlayerScoresAt(g, -kScoreLimit);
         },
         [](GameState& g) { RemoveFacility(g, 1); }, [](const GameState& g) { ExpectPlayerScoresAt(g, -kScoreLimit); }},
        {"the ceremony's scores", [](GameState& g) {
             PlaceFacility(g, 1, kShelf40);
             PlayerScoresAt(g, kScoreLimit);
             g.Bookshop.DirtPoints[0] = -kScoreLimit;
         },
         CeremonyOpened,
         [](const GameState& g) {
             const auto& shop = g.Bookshop;
             EXPECT_EQ(shop.FacilityScore[0].asReal(), static_cast<double>(kScoreLimit));
             for (const Value* v : {&shop.AwardFacility[0], &shop.AwardSales[0], &shop.AwardEffort[0], &shop.AwardClean[0]})
                 EXPECT_LE(std::abs(v->asReal()), static_cast<double>(kScoreLimit));
         }},

        // Popularity between its weekly clamps.
        {"a claw machine placed", [](GameState& g) { g.Popularity = kPopularityLimit; },
         [](GameState& g) { PlaceFacility(g, 1, kClawMachine); },
         [](const GameState& g) { EXPECT_EQ(g.Popularity, Value(kPopularityLimit)); }},
        {"a service offered", [](GameState& g) { g.Popularity = kPopularityLimit; },
         [](GameState& g) { ApplyShopServices(g, {true, true, true, true}); },
         [](const GameState& g) { EXPECT_EQ(g.Popularity, Value(kPopularityLimit)); }},
        {"a clerk dismissed", [](GameState& g) {
             DrawTodayApplicants(g);
             ASSERT_TRUE(HireApplicant(g, 0));
             g.Popularity = -kPopularityLimit;
         },
         [](GameState& g) { ASSERT_TRUE(DismissClerk(g, 0)); },
         [](const GameState& g) { EXPECT_EQ(g.Popularity, Value(-kPopularityLimit)); }},

        {"a state's count of ticks at its edge", ACountAtItsEdge, MainTick,
         [](const GameState& g) {
             for (int p = 0; p < g.PersonCount.i(); ++p) EXPECT_LT(g.Person.StateTicks[p].asInt(), MostStateTicks());
         }},
        {"the new year of the calendar's last year", [](GameState& g) {
             g.Year = kLastGameYear;
             g.Month = 12;
             g.Day = 31;
         },
         StartNewDay,
         [](const GameState& g) {
             EXPECT_EQ(g.Year, Value(kLastGameYear));
             EXPECT_EQ(g.Month, Value(1));
             EXPECT_EQ(g.Day, Value(1));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 22, .seed = 7});
        g->ShopOpen = 0;
        c.before(*g);
        ASSERT_TRUE(SavesAndLoadsBack(*g));
        c.play(*g);
        c.expect(*g);
        EXPECT_TRUE(SavesAndLoadsBack(*g));
    }
}

}  // namespace
