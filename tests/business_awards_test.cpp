// The quarterly award contest without a window: the scores and their draws,
// the rankings with their ties, the prizes and news events, the worst award,
// the ceremony's script played by clicks, and two seeded game years of
// ceremonies run by the tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "business/Awards.h"
#include "business/CeremonyScript.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "savegame/LoadSave.h"
#include "state/Counters.h"
#include "state/NewGame.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

constexpr int kShops = 15;

// Every shop with the same four ceremony scores; a case then changes a few.
std::unique_ptr<GameState> Contest() {
    auto g = std::make_unique<GameState>();
    g->BookshopCount = kShops;
    g->AwardRound = 7;
    for (int r = 0; r < kShops; ++r) {
        g->Bookshop.Name[r] = r == 0 ? std::string("测试书店") : "对手" + std::to_string(r);
        g->Bookshop.AwardFacility[r] = 100;
        g->Bookshop.AwardSales[r] = 4000;
        g->Bookshop.AwardEffort[r] = 10;
        g->Bookshop.AwardClean[r] = 150;
    }
    return g;
}

Value& ScoreCell(GameState& g, AwardKind award, int row) {
    switch (award) {
    case AwardKind::Effort: return g.Bookshop.AwardEffort[row];
    case AwardKind::Sales: return g.Bookshop.AwardSales[row];
    case AwardKind::Cleaning: return g.Bookshop.AwardClean[row];
    default: return g.Bookshop.AwardFacility[row];
    }
}

// ---- rankings ----

TEST(AwardRanking, EveryRankingWritesItsWinnerAndBreaksTiesByTheHigherRow) {
    struct Case {
        const char* what;
        AwardKind award;
        std::vector<std::pair<int, double>> scores;  // row, score
        std::vector<int> order;                      // AwardOrder from element 0
    };
    const Case cases[] = {
        {"the player strictly best", AwardKind::Facility, {{0, 130}, {4, 120}}, {0, 4}},
        {"a tie for first: the higher row wins", AwardKind::Facility, {{0, 130}, {5, 130}}, {5, 0}},
        {"a three-way tie", AwardKind::Effort, {{0, 30}, {3, 30}, {7, 30}}, {7, 3, 0}},
        {"cleaning: the lowest wins", AwardKind::Cleaning, {{0, 40}, {2, 60}}, {0, 2}},
        {"cleaning: a tie at the lowest", AwardKind::Cleaning, {{0, 40}, {2, 40}}, {2, 0}},
        {"a rival beats the player by one copy", AwardKind::Sales, {{0, 6000}, {9, 6001}}, {9, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = Contest();
        for (auto [row, score] : c.scores) ScoreCell(*g, c.award, row) = score;
        g->AwardOrder[0] = 11;  // what an earlier ranking left there
        EXPECT_EQ(RankAward(*g, c.award), c.order.front());
        for (std::size_t k = 0; k < c.order.size(); ++k) EXPECT_EQ(g->AwardOrder[k], Value(c.order[k])) << k;
        std::vector<int> all;
        for (int k = 0; k < kShops; ++k) all.push_back(g->AwardOrder[k].i());
        std::sort(all.begin(), all.end());
        std::vector<int> rows(kShops);
        std::iota(rows.begin(), rows.end(), 0);
        EXPECT_EQ(all, rows) << "every shop takes one rank";
        EXPECT_EQ(g->AwardRankTally, Value(0));
    }
}

TEST(AwardRanking, GrandScoreCountsSalesAsHundredthsAndLeavesCleanlinessOut) {
    auto g = Contest();
    // 100 + 43.21 + 10 against 100 + 43.00 + 10.2: the player by 0.01.
    g->Bookshop.AwardSales[0] = 4321;
    g->Bookshop.AwardSales[14] = 4300;
    g->Bookshop.AwardEffort[14] = 10.2;
    g->Bookshop.AwardClean[0] = 999;
    EXPECT_DOUBLE_EQ(AwardScore(*g, AwardKind::Grand, 0), 153.21);
    EXPECT_EQ(RankAward(*g, AwardKind::Grand), 0);
    EXPECT_EQ(g->AwardOrder[1], Value(14));
}

// ---- the opening ----

TEST(CeremonyOpening, PlaceWeightsRoundNumberAndFourDrawsPerShopInOrder) {
    auto g = NewTestShop({.year = 2026, .month = 3, .day = 31, .hour = 22, .seed = 7});
    ASSERT_TRUE(g);
    g->FacilitySlot.Kind[1] = 9;  // a photo booth: 2.8
    g->FacilitySlot.Kind[2] = 1;  // a small shelf: 1.2
    g->Bookshop.FacilityScore[0] = 5;
    g->TypePos = 12;  // left by the customer-opinion window
    const long long round = g->AwardRound.asInt();
    Random r = g->rng;

    CeremonyStarts(*g);

    EXPECT_EQ(g->AwardRound, Value(round + 1));
    EXPECT_EQ(g->CeremonyStep, Value(0));
    EXPECT_EQ(g->TypePos, Value(0));
    EXPECT_NEAR(g->Bookshop.FacilityScore[0].asReal(), 5 + 61 + 1.8 + 0.2, 1e-9);
    auto draw = [&](int n) { return static_cast<int>(r.next() * n); };
    for (int row = 0; row < kShops; ++row) {
        SCOPED_TRACE(row);
        const auto& b = g->Bookshop;
        EXPECT_NEAR(b.AwardFacility[row].asReal(), b.FacilityScore[row].asReal() + 10 - draw(20), 1e-9);
        EXPECT_EQ(b.AwardSales[row].asReal(), b.SalesPoints[row].asReal() + 500 - draw(1000));
        EXPECT_EQ(b.AwardEffort[row].asReal(), b.EffortPoints[row].asReal() + 10 - draw(20));
        EXPECT_EQ(b.AwardClean[row].asReal(), b.DirtPoints[row].asReal() - (50 - draw(100)));
    }
    EXPECT_EQ(r.next(), g->rng.next()) << "no other draw";
}

// ---- the closing ----

TEST(CeremonyClosing, PaysEachAwardWonAndLeavesTheLastOneForTheNews) {
    struct Case {
        const char* what;
        std::vector<AwardKind> won;
        std::int64_t paid;
        int newsEvent;  // 7: an earlier event, left alone
        int grandPrizePending, gameOver;
    };
    const Case cases[] = {
        {"nothing won", {}, 0, 7, 0, 0},
        {"facility and sales", {AwardKind::Facility, AwardKind::Sales}, 3300000, 3, 0, 0},
        {"facility and cleaning", {AwardKind::Facility, AwardKind::Cleaning}, 3500000, 4, 0, 0},
        {"effort and the grand prize", {AwardKind::Effort, AwardKind::Grand}, 11800000, 5, 5, 0},
        {"all five", {AwardKind::Facility, AwardKind::Effort, AwardKind::Sales, AwardKind::Cleaning, AwardKind::Grand},
         17100000, 5, 5, 0},
        {"the worst award", {AwardKind::Worst}, 0, 7, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = NewTestShop({.year = 2026, .month = 6, .day = 30, .seed = 3});
        ASSERT_TRUE(g);
        g->NewsEventCode = 7;
        g->Bookshop.FacilityScore[0] = 80.4;
        g->Bookshop.DirtPoints[0] = 210;
        g->Bookshop.EffortPoints[0] = 12;
        g->Bookshop.SalesPoints[0] = 3000;
        g->RouletteTicks = 15;
        g->CeremonyLock = 1;
        for (AwardKind k : c.won) g->AwardWon[static_cast<int>(k)] = 1;
        const std::int64_t funds = g->Funds.asInt();

        CeremonyClosed(*g);

        EXPECT_EQ(g->Funds.asInt() - funds, c.paid);
        EXPECT_EQ(g->Ledger.Income[2][1].whole(), c.paid) << "prizes are income of the other category";
        EXPECT_EQ(g->NewsEventCode, Value(c.newsEvent));
        EXPECT_EQ(g->GrandPrizePending.asInt(), c.grandPrizePending);
        EXPECT_EQ(g->GameOverReason.asInt(), c.gameOver);
        for (const Value& won : g->AwardWon) EXPECT_EQ(won, Value(0));
        for (const Value* total : {&g->Bookshop.FacilityScore[0], &g->Bookshop.DirtPoints[0],
                                   &g->Bookshop.EffortPoints[0], &g->Bookshop.SalesPoints[0]})
            EXPECT_EQ(*total, Value(0));
        EXPECT_EQ(g->RouletteTicks, Value(0));
        EXPECT_EQ(g->CeremonyLock, Value(0));
    }
}

// ---- the script ----

class Script : public ::testing::Test {
protected:
    void SetUp() override {
        g = Contest();
        g->TypePos = 0;
        g->CeremonyStep = 0;
    }
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) CeremonyTick(*g, show);
    }
    // Ticks until the line is typed out.
    void TypeOut() {
        for (int i = 0; i < 200 && !CeremonyWaitsForClick(*g); ++i) Tick();
    }
    void ClickUntilStep(int step) {
        for (int i = 0; i < 5000 && g->CeremonyStep.asInt() < step; ++i) {
            Tick();
            if (CeremonyWaitsForClick(*g)) CeremonyAdvance(*g);
        }
        ASSERT_EQ(g->CeremonyStep, Value(step));
    }
    std::unique_ptr<GameState> g;
    CeremonyShow show;
};

TEST_F(Script, TypesOneCharacterPerTickWithATalkingFaceThenPrompts) {
    const std::string greeting = "大家好。第7回 全日本 书店评选开始了。";
    const int n = TypedLength(greeting);
    std::vector<int> faces;
    for (int k = 1; k <= n; ++k) {
        Tick();
        ASSERT_EQ(show.speech, TypedPart(greeting, k));
        faces.push_back(show.faceFrame);
        EXPECT_EQ(show.prompt, k < n ? "" : kCeremonyPrompt) << k;
    }
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), std::vector<int>(faces.begin(), faces.begin() + 4));
    EXPECT_EQ(faces.back(), 1) << "the face rests once the line is out";
    Tick(3);
    EXPECT_EQ(show.speech, greeting);
    EXPECT_EQ(show.prompt, kCeremonyPrompt) << "the prompt stands, it does not blink";
}

// A file may hold any count of its range as the face's count, not only the
// two frames it cycles through: one whose low 32 bits are the largest int,
// or one past 32 bits. The talking starts afresh, at rest and then talking,
// as from 0.
TEST_F(Script, AFaceCountFromAFileStartsTheTalkingAfresh) {
    constexpr std::int64_t kIntMax = INT32_MAX, k2To32 = std::int64_t{1} << 32;
    for (const std::int64_t blink : {std::int64_t{2}, kIntMax, kIntMax + k2To32, k2To32 + 1, kCountLimit}) {
        SCOPED_TRACE(blink);
        SetUp();
        g->BlinkTicks = blink;
        std::vector<int> faces;
        for (int k = 0; k < 4; ++k) {
            Tick();
            faces.push_back(show.faceFrame);
        }
        EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), faces);
    }
}

TEST_F(Script, AClickShowsTheWholeLineASecondMovesOnAndAClickBeforeAStepsFirstTickDoesNothing) {
    Tick(2);
    CeremonyAdvance(*g);
    EXPECT_EQ(g->CeremonyStep, Value(0));
    Tick();
    EXPECT_EQ(show.speech, "大家好。第7回 全日本 书店评选开始了。");
    EXPECT_EQ(show.prompt, kCeremonyPrompt);
    CeremonyAdvance(*g);
    EXPECT_EQ(g->CeremonyStep, Value(1));
    // A key held down repeats faster than the ticks: the next step waits for
    // its first tick.
    CeremonyAdvance(*g);
    CeremonyAdvance(*g);
    EXPECT_EQ(g->CeremonyStep, Value(1));
    Tick();
    EXPECT_EQ(show.speech, "现");
}

TEST_F(Script, RevealPromptsAfterOneTickAndTheResultNamesTheWinnerInRed) {
    g->Bookshop.AwardSales[0] = 7321;  // the player's shop, by its jittered figure
    ClickUntilStep(11);
    Tick();
    EXPECT_EQ(show.prompt, kCeremonyPrompt) << "a reveal's line is one space";
    EXPECT_EQ(g->RouletteTicks, Value(1));
    CeremonyAdvance(*g);  // on to the result while the roulette still spins
    Tick();
    EXPECT_EQ(show.spotlight, "");
    EXPECT_EQ(show.board[2], "测试书店");
    EXPECT_TRUE(show.boardRed[2]);
    EXPECT_EQ(g->AwardWon[static_cast<int>(AwardKind::Sales)], Value(1));
    EXPECT_EQ(g->TypeText, Value("测试书店。测试书店，7321册销售量。这家店获得180万円奖金。"));
}

TEST_F(Script, RouletteShowsFifteenRandomShopsThenTheWinner) {
    g->Bookshop.AwardFacility[6] = 140;
    ClickUntilStep(3);
    Random r = g->rng;
    for (int k = 0; k < kRouletteNames; ++k) {
        Tick();
        EXPECT_EQ(show.spotlight, g->Bookshop.Name[static_cast<int>(r.next() * kShops)].asText()) << k;
    }
    Tick(3);
    EXPECT_EQ(show.spotlight, "对手6");
    EXPECT_EQ(g->rng.next(), r.next()) << "the roulette draws only its fifteen names";
    EXPECT_EQ(show.board[5], "") << "the board waits for the result";
}

TEST_F(Script, WorstAwardNamesThePlayerFrom244AndAwardsItFrom480) {
    struct Case {
        double clean;
        const char* roulette;
        const char* board;
        bool red;
        const char* line;
    };
    const Case cases[] = {
        {243, "无", "无", false, "这次没有店铺获得粗恶奖，真不错。"},
        {260, "测试书店", "无", false, "这次没有店铺获得粗恶奖，真不错。"},
        {480, "测试书店", "测试书店", true, "测试书店。测试书店停止营业……"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clean);
        SetUp();
        show = {};
        g->Bookshop.AwardClean[0] = c.clean;
        ClickUntilStep(20);
        Tick(kRouletteNames + 1);
        EXPECT_EQ(show.spotlight, c.roulette);
        CeremonyAdvance(*g);
        TypeOut();
        EXPECT_EQ(show.board[4], c.board);
        EXPECT_EQ(show.boardRed[4], c.red);
        EXPECT_EQ(g->TypeText, Value(c.line));
        EXPECT_EQ(g->AwardWon[static_cast<int>(AwardKind::Worst)].asInt(), c.red ? 1 : 0);
    }
}

TEST_F(Script, LastStepLocksTheScriptAndEnablesTheEnd) {
    g->Bookshop.AwardFacility[3] = 200;  // grand winner too
    ClickUntilStep(kCeremonyLastStep);
    EXPECT_FALSE(show.closeEnabled);
    Tick();
    EXPECT_TRUE(show.closeEnabled);
    EXPECT_EQ(g->CeremonyLock, Value(1));
    TypeOut();
    Tick(40);
    EXPECT_EQ(show.speech, "那么，3个月后再会。");
    EXPECT_EQ(show.prompt, "");
    for (int k = 0; k < 5; ++k) CeremonyAdvance(*g);
    EXPECT_EQ(g->CeremonyStep, Value(kCeremonyLastStep));
    EXPECT_EQ(show.board[0], "对手3");
    EXPECT_EQ(show.board[5], "对手3");
}

// ---- in play ----

// Two seeded game years of the busy shop: a ceremony at every quarter's
// end, each paying exactly the prizes of the awards in which the player's
// shop was strictly best.
TEST(CeremoniesInPlay, TwoGameYearsHoldEightCeremoniesThatPayWhatTheyAward) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    ASSERT_TRUE(LoadGameFile(*g, QM_BUSY_SHOP));

    WindowAnswer ceremony = nullptr;
    for (const WindowDefault& d : GameWindowDefaults())
        if (d.window == Window::AwardCeremony) ceremony = d.answer;
    ASSERT_NE(ceremony, nullptr);

    int ceremonies = 0;
    std::int64_t paidInAll = 0;
    ui.windowAnswers[Window::AwardCeremony] = [&](GameState& s) {
        ++ceremonies;
        const Money before = s.Ledger.Income[2][0];
        ceremony(s);
        // The player's strict wins, read from the scores the ceremony left.
        auto best = [&](auto score, bool lower) {
            for (int r = 1; r < s.BookshopCount.i(); ++r)
                if (lower ? score(r) <= score(0) : score(r) >= score(0)) return false;
            return true;
        };
        const auto& b = s.Bookshop;
        std::int64_t expected = 0;
        if (best([&](int r) { return b.AwardFacility[r].asReal(); }, false)) expected += 1500000;
        if (best([&](int r) { return b.AwardEffort[r].asReal(); }, false)) expected += 1800000;
        if (best([&](int r) { return b.AwardSales[r].asReal(); }, false)) expected += 1800000;
        if (best([&](int r) { return b.AwardClean[r].asReal(); }, true)) expected += 2000000;
        if (best([&](int r) { return AwardScore(s, AwardKind::Grand, r); }, false)) expected += 10000000;
        Money paid = s.Ledger.Income[2][0];
        paid -= before;
        EXPECT_EQ(paid.whole(), expected) << "ceremony " << ceremonies;
        paidInAll += expected;
    };

    const int endYear = g->Year.i() + 2;
    const int endMonth = g->Month.i();
    for (long long t = 0; t < 5000000 && g->GameRunning.asInt() == 1; ++t) {
        MainTick(*g);
        if (g->Year.i() == endYear && g->Month.i() == endMonth) break;
    }
    EXPECT_EQ(g->GameRunning, Value(1));
    EXPECT_EQ(ceremonies, 8);
    EXPECT_EQ(std::count(ui.windowsShown.begin(), ui.windowsShown.end(), Window::AwardNotice), 8);
    EXPECT_GT(paidInAll, 0) << "the busy shop wins something in two years";
}

// The worst award cannot be reached in play; set by hand, the ceremony at
// the end of June gives it, and the game-over window opens at the end of
// that same tick, after the month report.
TEST(CeremoniesInPlay, WorstAwardSetByHandEndsTheGameAtTheEndOfTheTick) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    auto g = NewTestShop({.year = 2026, .month = 6, .day = 30, .hour = 23, .seed = 11});
    ASSERT_TRUE(g);
    g->Bookshop.DirtPoints[0] = 600;
    for (int t = 0; t < 100 && g->GameOverReason.asInt() == 0; ++t) MainTick(*g);
    EXPECT_EQ(g->GameOverReason, Value(2));
    EXPECT_EQ(g->GameRunning, Value(0));
    std::vector<Window> seen;
    for (Window w : ui.windowsShown)
        if (w == Window::AwardNotice || w == Window::AwardCeremony || w == Window::MonthReport || w == Window::GameOver)
            seen.push_back(w);
    EXPECT_EQ(seen, (std::vector<Window>{Window::AwardNotice, Window::AwardCeremony, Window::MonthReport,
                                         Window::GameOver}));
}

}  // namespace
