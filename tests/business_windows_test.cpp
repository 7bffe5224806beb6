// The closing routines of the game-over window, the visitor and star notices
// and the grand-prize certificate, and their headless answers.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "business/GameOver.h"
#include "business/GrandPrize.h"
#include "business/StarNotice.h"
#include "business/VisitorNotice.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/NewGame.h"

namespace {

// ---- game over ----

TEST(BusinessGameOver, CauseTextsKeepTheirLineBreaksAndIndents) {
    EXPECT_EQ(GameOverText(Value(1)),
              "  您的店铺由于资金不足，无法继续\r\n营业了。\r\n  如果下次还要再开店的话，请避免\r\n此类事情的发生。\r\n");
    EXPECT_EQ(GameOverText(Value(2)),
              "  您的店铺目前经营状况非常糟糕，\r\n只能关门停业了。\r\n  如果下次还要再开店的话，请避免\r\n此类事情的发生。\r\n");
    EXPECT_EQ(GameOverText(Value(3)),
              "  由于勒索遭拒，强盗大为恼怒，\r\n刺杀了店长。\r\n  之后经过搜查抓获了凶手，但是\r\n"
              "由于没有了店长，店铺只能关门\r\n停业了。\r\n");
    // A cause read back from a saved game as a real picks the same text.
    EXPECT_EQ(GameOverText(Value(2.0)), GameOverText(Value(2)));
    for (const Value& none : {Value(), Value(0), Value(4), Value(-1)}) EXPECT_EQ(GameOverText(none), "") << none.asText();
}

TEST(BusinessGameOver, ClosingStopsTheGameAndKeepsTheCause) {
    auto g = std::make_unique<GameState>();
    g->GameRunning = 1;
    g->GameOverReason = 3;
    g->Funds = 12345;
    GameOverClosed(*g);
    EXPECT_EQ(g->GameRunning, Value(0));
    EXPECT_EQ(g->GameOverReason, Value(3));
    EXPECT_EQ(g->Funds, Value(12345));
}

// The certificate is presented only while the game goes on; at a game over
// a pending prize is dropped.
TEST(BusinessGameOver, GrandPrizeCertificateDueAtTheEndOfATick) {
    struct Case {
        Value reason, pending;
        bool due;
        Value pendingAfter;
    };
    const Case cases[] = {
        {Value(0), Value(5), true, Value(5)},  {Value(0), Value(0), false, Value(0)},
        {Value(), Value(), false, Value()},    {Value(1), Value(5), false, Value(0)},
        {Value(2), Value(5), false, Value(0)}, {Value(3), Value(5), false, Value(0)},
    };
    for (const Case& c : cases) {
        auto g = std::make_unique<GameState>();
        g->GameOverReason = c.reason;
        g->GrandPrizePending = c.pending;
        EXPECT_EQ(GrandPrizeCertificateDue(*g), c.due) << "reason " << c.reason.asText();
        EXPECT_TRUE(g->GrandPrizePending == c.pendingAfter) << "reason " << c.reason.asText();
    }
}

// ---- star notice ----

TEST(BusinessStarNotice, HeadlineNamesTheNextLevel) {
    auto g = std::make_unique<GameState>();
    g->StarLevel = 1;
    EXPECT_EQ(StarNoticeHeadline(*g), "== 星级为2星了 ==");
    g->StarLevel = 4;
    EXPECT_EQ(StarNoticeHeadline(*g), "== 星级为5星了 ==");
}

TEST(BusinessStarNotice, ClosingRaisesTheLevelByExactlyOneStep) {
    const int levels[][2] = {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 5}};
    for (const auto& [before, after] : levels) {
        auto g = std::make_unique<GameState>();
        g->StarLevel = before;
        g->ShopInfoDirty = 0;
        StarNoticeClosed(*g);
        EXPECT_EQ(g->StarLevel.asInt(), after) << "from " << before;
        EXPECT_EQ(g->ShopInfoDirty, Value(1));
    }
}

// ---- visitor notice ----

TEST(BusinessVisitorNotice, OnlyTheExactMilestonesOpenIt) {
    struct Case {
        Value count;
        int picture;  // 0: no milestone
        const char* message;
    };
    const Case cases[] = {
        {Value(999), 0, nullptr},
        {Value(1000), 1, "店铺来访的顾客人数突破了1,000人。"},
        {Value(1001), 0, nullptr},
        {Value(5000), 2, "店铺来访的顾客人数突破了5,000人。"},
        {Value(5000.0), 2, "店铺来访的顾客人数突破了5,000人。"},
        {Value(10000), 3, "店铺来访的顾客人数突破了10,000人。"},
        {Value(20000), 0, nullptr},
        {Value(), 0, nullptr},
    };
    for (const Case& c : cases) {
        const VisitorMilestone* m = FindVisitorMilestone(c.count);
        if (c.picture == 0) {
            EXPECT_EQ(m, nullptr) << c.count.asText();
            continue;
        }
        ASSERT_NE(m, nullptr) << c.count.asText();
        EXPECT_EQ(m->picture, c.picture);
        EXPECT_STREQ(m->message, c.message);
    }
}

// ---- grand prize ----

TEST(BusinessGrandPrize, CertificateNamesTheOwnerAndClosingClearsThePrizeOnly) {
    auto g = std::make_unique<GameState>();
    const std::string name = "一二三四五六七八九十一二三四五六";  // 16 characters
    g->ShopName = name;
    g->GrandPrizePending = 5;
    g->Funds = 14000000;
    EXPECT_EQ(CertificateOwnerLine(*g), name + "店主");
    GrandPrizeCertificateClosed(*g);
    EXPECT_EQ(g->GrandPrizePending, Value(0));
    EXPECT_EQ(g->Funds, Value(14000000));
}

// ---- headless answers ----

class BusinessWindowDefaults : public ::testing::Test {
protected:
    void SetUp() override {
        g.GameRunning = 1;
        g.Funds = 4000000;
        g.TicksPerHour = 1000;  // the hour stays as it is
        Ui().SetClockInterval(100);
        Ui().SetClockEnabled(true);
    }
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> game = std::make_unique<GameState>();
    GameState& g = *game;
};

TEST_F(BusinessWindowDefaults, GameOverEndsTheGameWithTheClockOff) {
    g.GameOverReason = 1;
    EXPECT_TRUE(Ui().ShowWindow(Window::GameOver, g));
    EXPECT_EQ(g.GameRunning, Value(0));
    EXPECT_EQ(g.GameOverReason, Value(1));
    EXPECT_FALSE(Ui().Clock().enabled());
    EXPECT_EQ(Ui().Clock().holds(), 0);
}

TEST_F(BusinessWindowDefaults, NoticesApplyTheirClosingAndRestartTheClock) {
    g.StarLevel = 2;
    g.TotalCustomers = 5000;
    g.GrandPrizePending = 5;

    EXPECT_TRUE(Ui().ShowWindow(Window::VisitorNotice, g));
    EXPECT_EQ(g.TotalCustomers, Value(5000));
    EXPECT_TRUE(Ui().Clock().ticking());

    EXPECT_TRUE(Ui().ShowWindow(Window::StarPromotion, g));
    EXPECT_EQ(g.StarLevel, Value(3));
    EXPECT_EQ(g.ShopInfoDirty, Value(1));
    EXPECT_TRUE(Ui().Clock().ticking());

    EXPECT_TRUE(Ui().ShowWindow(Window::GrandPrize, g));
    EXPECT_EQ(g.GrandPrizePending, Value(0));
    EXPECT_EQ(g.Funds, Value(4000000));
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(BusinessWindowDefaults, ClosingANoticeWithoutARunningGameLeavesTheClockOff) {
    g.GameRunning = 0;
    Ui().SetClockEnabled(false);
    g.GrandPrizePending = 5;
    Ui().ShowWindow(Window::GrandPrize, g);
    EXPECT_EQ(g.GrandPrizePending, Value(0));
    EXPECT_FALSE(Ui().Clock().enabled());
}

TEST_F(BusinessWindowDefaults, CertificateShownOnceAndNotAfterAGameOver) {
    g.GrandPrizePending = 5;
    MainTick(g);
    MainTick(g);  // a later tick: already presented
    EXPECT_EQ(ui.windowsShown, (std::vector<Window>{Window::GrandPrize}));

    // A grand prize and a game over in the same tick: only the game over.
    ui.windowsShown.clear();
    g.GrandPrizePending = 5;
    g.GameOverReason = 1;
    MainTick(g);
    EXPECT_EQ(ui.windowsShown, (std::vector<Window>{Window::GameOver}));
    EXPECT_EQ(g.GrandPrizePending, Value(0));
    EXPECT_FALSE(Ui().Clock().enabled());
}

}  // namespace
