// Ten years of the busy shop, headless and seeded: it lives through
// robberies, earthquakes and fires, keeps selling in every one of its years
// (its floor is proofed against earthquakes, and its owner calls the fire
// brigade as soon as a fire is discovered), and every yen it gains or loses
// on the way goes through the books.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "commands/CommandGates.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/Ledger.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"

namespace {

// The money every booking has added up to since the shop opened: the
// yearly profit history keeps it (over ten years no year falls off its end).
std::int64_t BookedSoFar(const GameState& g) {
    std::int64_t sum = 0;
    for (const Value& y : g.ProfitHistory.Yearly) sum += y.asInt();
    return sum;
}

}  // namespace

TEST(DisastersRun, TenYearsThroughRobberiesEarthquakesAndFires) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    ASSERT_TRUE(LoadGameFile(*g, QM_BUSY_SHOP));
    g->rng.seed(20260411);
    // A backer keeps the shop afloat whatever the robbers take.
    AddMoney(*g, 2'000'000'000, OtherCategory, 1);
    const std::int64_t funds = g->Funds.asInt(), booked = BookedSoFar(*g);

    // Copies sold by the end of each year of the run, the start first.
    std::vector<std::int64_t> soldByYear{g->CopiesSold.asInt()};
    int newDays = 0;
    while (newDays < 10 * 365 && g->GameRunning.asInt() == 1) {
        const Value day = g->Day;
        MainTick(*g);
        // As `qmtool run --brigade` does: a fire left to burn takes every
        // shelf, and the shop would sell nothing for the rest of the run.
        if (g->FireBurning.asInt() == 1 && g->FireUndiscovered.asInt() == 0) CallFireBrigade(*g);
        if (g->Day == day) continue;
        ++newDays;
        if (newDays % 365 == 0) soldByYear.push_back(g->CopiesSold.asInt());
    }

    EXPECT_EQ(g->GameRunning.asInt(), 1) << "game over, reason " << g->GameOverReason.asInt();
    EXPECT_EQ(newDays, 10 * 365);
    auto count = [&](Window w) { return ui.timesShown[w]; };
    EXPECT_GE(count(Window::Robbery), 1);
    EXPECT_GE(count(Window::Earthquake), 1);
    EXPECT_EQ(count(Window::QuakeDamage), count(Window::Earthquake));
    EXPECT_GE(count(Window::FireBrigade), 1);
    EXPECT_EQ(count(Window::FireDiscovered), count(Window::FireBrigade));
    EXPECT_EQ(g->FireBurning.asInt(), 0);
    for (std::size_t y = 1; y < soldByYear.size(); ++y)
        EXPECT_GT(soldByYear[y], soldByYear[y - 1]) << "nothing sold in year " << y;
    EXPECT_EQ(g->Funds.asInt() - funds, BookedSoFar(*g) - booked) << "money moved outside the books";

    // Ten years of windows, boxes and status lines leave a bounded record,
    // its latest entries kept.
    long long windows = 0;
    for (const auto& [w, n] : ui.timesShown) windows += n;
    EXPECT_GT(windows, static_cast<long long>(kRecordLimit));
    EXPECT_LE(ui.windowsShown.size(), kRecordLimit);
    EXPECT_GT(ui.windowsShown.size(), kRecordLimit / 2);
    EXPECT_LE(ui.statusBar.size(), kRecordLimit);
    EXPECT_LE(ui.captions.size(), kRecordLimit);
}
