// A year of the busy shop with the clerks cleaning at their most eager
// setting: the cleaner keeps the dirt down, and the shop earns its stars.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/headless/HeadlessPlatform.h"
#include "shop/ClerkSettings.h"
#include "shop/Upkeep.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"

namespace {

// The dirt a day leaves behind at the turn of the day.
constexpr int kDailyDirt = 3;

}  // namespace

TEST(BusyShopUpkeep, AYearOfAutomaticCleaningKeepsTheDirtDownAndEarnsStars) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    ASSERT_TRUE(LoadGameFile(*g, QM_BUSY_SHOP));
    // The clerk settings dialog's "确定": clean at 20, the plain method.
    StoreClerkSettings(*g, 4, 0);
    const int threshold = AutoCleanThreshold(g->AutoCleanLevel);
    ASSERT_EQ(threshold, 20);

    std::int64_t maxDirt = g->Dirtiness.asInt(), cleanings = 0;
    int days = 0;
    Value day = g->Day;
    while (days < 365 && g->GameRunning.asInt() == 1) {
        const long long ordered = g->CleaningOrdered.asInt();
        MainTick(*g);
        if (ordered == 0 && g->CleaningOrdered.asInt() == 1) ++cleanings;
        maxDirt = std::max(maxDirt, g->Dirtiness.asInt());
        if (!(g->Day == day)) {
            ++days;
            day = g->Day;
        }
    }
    ASSERT_EQ(g->GameRunning, Value(1)) << "the shop went out of business on day " << days;
    EXPECT_LT(maxDirt, threshold + kDailyDirt);
    EXPECT_GT(cleanings, 30);
    EXPECT_GE(g->StarLevel.asInt(), 2);
}
