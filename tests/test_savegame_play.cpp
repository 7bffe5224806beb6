// The saved game against play itself: the loader is strict, so everything
// the game can reach while it is played must still be taken back, and the
// largest game the loader takes must be playable without arithmetic
// running off the end of 64 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "commands/CommandGates.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/Ledger.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"
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

}  // namespace
