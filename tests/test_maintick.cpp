#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/MainTick.h"
#include "state/MainCaption.h"
#include "tests/TestSupport.h"

TEST(MainCaption, PartsInOrder) {
    auto g = std::make_unique<GameState>();
    g->GameTitle = "Quillmart";
    g->ShopName = "书店";
    g->Funds = 4000000;
    g->Year = 2026;
    g->Month = 12;
    g->Day = 10;
    struct Case {
        int weekday, hour;
        const char* tail;
    };
    const Case cases[] = {
        {4, 10, "星期四上午 10时"},
        {0, 0, "星期日上午 0时"},
        {6, 12, "星期六下午 0时"},
        {1, 23, "星期一下午 11时"},
    };
    for (const Case& c : cases) {
        g->Weekday = c.weekday;
        g->Hour = c.hour;
        EXPECT_EQ(MainCaption(*g), std::string("Quillmart 书店  资金400万0000円 2026年 12月 10日 ") + c.tail);
    }
    g->Funds = -1;
    EXPECT_NE(MainCaption(*g).find("资金-1円 "), std::string::npos);
}

TEST(MainTick, StatusMessageShowsNextTickAndBlanksAfterTwenty) {
    auto g = std::make_unique<GameState>();
    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    const std::vector<std::string>& bar = ui.statusBar;
    g->StatusText = "书架装满了。";
    g->StatusTicks = 0;
    g->CaptionDirty = 1;
    g->TicksPerHour = 1000000;  // no hour ends during the test
    MainTick(*g);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0], "书架装满了。");
    EXPECT_EQ(ui.captions.size(), 1u);
    EXPECT_EQ(g->CaptionDirty, Value(0));
    for (int i = 2; i <= 20; ++i) MainTick(*g);
    EXPECT_EQ(g->StatusText, Value(""));
    EXPECT_EQ(g->StatusTicks, Value(0));
    EXPECT_EQ(bar.size(), 1u);
    MainTick(*g);  // the bar goes blank on the tick after
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[1], "");
    EXPECT_EQ(ui.captions.size(), 1u);  // not rebuilt until something marks it again
}

namespace {

// A game whose every tick counts in StatusTicks and ends no hour.
std::unique_ptr<GameState> CountingGame() {
    auto g = std::make_unique<GameState>();
    g->StatusTicks = 2;
    g->TicksPerHour = 1000000;
    return g;
}

// A platform whose caption fails, as a broken screen might.
struct FailingCaption : HeadlessPlatform {
    void SetCaption(const std::string&) override { throw std::runtime_error("no screen"); }
};

}  // namespace

TEST(MainTick, AWindowOfTheTickRunsNoSecondTickOfThatGame) {
    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    auto g = CountingGame();
    auto other = CountingGame();
    g->GameOverReason = 1;  // the tick ends with the game-over window
    std::int64_t seenInside = 0;
    ui.windowAnswers[Window::GameOver] = [&](GameState& game) {
        MainTick(game);    // the timer firing while the window is up
        MainTick(*other);  // another game's tick is its own
        seenInside = game.StatusTicks.asInt();
    };
    MainTick(*g);
    EXPECT_EQ(seenInside, 3);  // the outer tick's step only
    EXPECT_EQ(g->StatusTicks, Value(3));
    EXPECT_EQ(other->StatusTicks, Value(3));
    EXPECT_FALSE(g->inTick);
}

TEST(MainTick, ATickThatFailedLeavesNoGuardBehind) {
    auto g = CountingGame();
    g->CaptionDirty = 1;
    {
        FailingCaption broken;
        ScopedPlatform scoped{broken};
        EXPECT_THROW(MainTick(*g), std::runtime_error);
    }
    EXPECT_FALSE(g->inTick);
    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    MainTick(*g);  // runs: the failed tick did not leave the game "inside"
    EXPECT_EQ(g->StatusTicks, Value(4));
}
