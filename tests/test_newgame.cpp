#include <gtest/gtest.h>

#include <memory>

#include "commands/StartNewGame.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/TestSupport.h"
#include "state/FloorWalls.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"

namespace {

NewGameStart Start(int y, int m, int d, int h, std::uint64_t seed = 1) {
    NewGameStart s;
    EXPECT_TRUE(NewGameStart::FromDate(y, m, d, h, seed, s));
    return s;
}

std::unique_ptr<GameState> NewGame(const NewGameStart& s, const char* name = "测试书店") {
    auto g = std::make_unique<GameState>();
    g->VersionText = kVersionText;
    g->GameTitle = kGameTitle;
    StartNewGame(*g, name, s);
    return g;
}

std::string Bytes(const GameState& g) {
    std::string b, why;
    EXPECT_TRUE(SerializeGame(g, b, &why)) << why;
    return b;
}

}  // namespace

TEST(NewGame, CalendarComesFromTheComputerClock) {
    struct Case {
        int y, m, d, h, weekday;
    };
    const Case cases[] = {
        {2026, 12, 13, 10, 0},  // a Sunday
        {2026, 12, 12, 10, 6},  // a Saturday
        {2026, 12, 10, 23, 4},  // started at 23:30
        {2028, 2, 29, 9, 2},    // a leap day
    };
    for (const Case& c : cases) {
        auto g = NewGame(Start(c.y, c.m, c.d, c.h));
        EXPECT_EQ(g->Year, Value(c.y));
        EXPECT_EQ(g->Month, Value(c.m));
        EXPECT_EQ(g->Day, Value(c.d));
        EXPECT_EQ(g->Hour, Value(c.h));
        EXPECT_EQ(g->Weekday, Value(c.weekday)) << c.y << "-" << c.m << "-" << c.d;
    }
    NewGameStart bad;
    EXPECT_FALSE(NewGameStart::FromDate(2027, 2, 29, 0, 1, bad));
}

TEST(NewGame, StartingValuesAndLayout) {
    auto g = NewGame(Start(2026, 12, 10, 10));
    EXPECT_EQ(g->Funds, Value(4000000));
    EXPECT_EQ(g->ShopSize, Value(1));
    EXPECT_EQ(g->StarLevel, Value(1));
    EXPECT_EQ(g->OpeningHour, Value(9));
    EXPECT_EQ(g->ClosingHour, Value(21));
    EXPECT_EQ(g->GameSpeed, Value(5));
    EXPECT_EQ(g->GameRunning, Value(1));
    EXPECT_EQ(g->ShopName, Value("测试书店"));
    EXPECT_EQ(g->Bookshop.Name[0], Value("测试书店"));
    EXPECT_EQ(g->NewsIssueTitle, Value("创刊号"));
    EXPECT_TRUE(g->HourTicks.isEmpty());
    EXPECT_TRUE(g->TicksPerHour.isEmpty());
    for (int c = 0; c < 11; ++c)
        for (int p = 0; p < 3; ++p) EXPECT_EQ(g->Ledger.Income[c][p].raw() + g->Ledger.Expense[c][p].raw(), 0);
    for (int i = 0; i < 513; ++i) ASSERT_EQ(g->Book.KeepReordering[i], Value(1)) << i;

    // Counters of the catalogues.
    EXPECT_EQ(g->MagazineCount, Value(61));
    EXPECT_EQ(g->BookCount, Value(94));
    EXPECT_EQ(g->PersonCount, Value(26));
    EXPECT_EQ(g->ApplicantCount, Value(40));
    EXPECT_EQ(g->BookshopCount, Value(15));
    EXPECT_EQ(g->FixtureTypeCount, Value(9));
    EXPECT_EQ(g->RegisterTypeCount, Value(6));
    EXPECT_EQ(g->ServiceTypeCount, Value(4));

    // Scenery in slots 0..19, persons in 20..45, nothing else.
    EXPECT_EQ(g->DrawListCount, Value(46));
    EXPECT_EQ(g->SceneryCount, Value(13));
    EXPECT_EQ(g->DoorCoverSprite, Value(9));
    EXPECT_EQ(g->Door.LeafSprites[0], Value(10));
    EXPECT_EQ(g->Door.LeafSprites[1], Value(11));
    EXPECT_EQ(g->Sprite.Y[9], Value(33));
    EXPECT_DOUBLE_EQ(g->Sprite.Depth[9].asReal(), 996.009);  // keyed out of sight
    EXPECT_EQ(g->Sprite.X[19], Value(-12));
    for (int r = 0; r < 26; ++r) EXPECT_EQ(g->Person.Sprite[r], Value(20 + r));

    int walls = 0, barriers = 0;
    for (auto& col : g->FloorGrid)
        for (int c : col) walls += c == Wall, barriers += c == Barrier;
    EXPECT_EQ(walls, 190);
    EXPECT_EQ(barriers, 4);
}

TEST(NewGame, AwardRoundAlwaysOneToFifteen) {
    bool seen1 = false, seen15 = false;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        auto g = NewGame(Start(2026, 12, 10, 10, seed));
        long long r = g->AwardRound.asInt();
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 15);
        seen1 |= r == 1;
        seen15 |= r == 15;
    }
    EXPECT_TRUE(seen1 && seen15);
}

TEST(NewGame, SameSeedAndDateGiveTheSameFile) {
    auto a = NewGame(Start(2026, 12, 10, 10, 42));
    auto b = NewGame(Start(2026, 12, 10, 10, 42));
    EXPECT_EQ(Bytes(*a), Bytes(*b));
    auto c = NewGame(Start(2026, 12, 10, 10, 43));
    EXPECT_NE(Bytes(*a), Bytes(*c));
}

TEST(NewGame, SecondGameResetsAllButTwoScalars) {
    auto g = NewGame(Start(2026, 12, 10, 10, 7));
    auto fresh = NewGame(Start(2026, 12, 10, 10, 7));
    // Play leaves marks the next game must not inherit.
    g->Paused = 1;
    g->FireUndiscovered = 1;
    g->StatusText = "书架装满了。";
    g->ClerkMessageCount = 2;
    g->ClerkMessages[0] = "a";
    g->ClerkMessages[1] = "b";
    g->ClerkMessages[2] = "c";
    g->ClerkMessages[3] = "past the count";
    g->Funds = -5;
    g->Ledger.Income[0][0] = Money::FromWhole(99);

    // The old game's windows close first, while the game is still the old one.
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    std::int64_t fundsWhenClosed = 0;
    ui.onCloseGameWindows = [&] { fundsWhenClosed = g->Funds.asInt(); };
    StartNewGame(*g, "测试书店", Start(2026, 12, 10, 10, 7));
    EXPECT_EQ(ui.gameWindowsClosed, 1);
    EXPECT_EQ(fundsWhenClosed, -5);
    EXPECT_EQ(g->GameRunning, Value(1));
    EXPECT_EQ(g->FireUndiscovered, Value(1));  // kept through a new game
    EXPECT_TRUE(g->Paused.isEmpty());
    EXPECT_TRUE(g->StatusText.isEmpty());
    EXPECT_TRUE(g->ClerkMessages[2].isEmpty());  // one past the count is emptied too
    EXPECT_EQ(g->ClerkMessages[3], Value("past the count"));
    EXPECT_EQ(g->VersionText, Value(kVersionText));  // the program texts stay
    EXPECT_EQ(g->GameTitle, Value(kGameTitle));

    g->FireUndiscovered = fresh->FireUndiscovered;
    g->ClerkMessages[3] = Value();
    EXPECT_EQ(Bytes(*g), Bytes(*fresh));
}

TEST(NewGame, FirstGameWithNothingRunningClosesNoWindows) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    auto g = std::make_unique<GameState>();
    StartNewGame(*g, " ", Start(2026, 12, 10, 10));
    EXPECT_EQ(ui.gameWindowsClosed, 0);
    EXPECT_EQ(g->ShopName, Value(" "));
}

TEST(NewGame, ShopNameRules) {
    struct Case {
        const char* name;
        NameCheck expected;
    };
    const Case cases[] = {
        {"", NameCheck::Empty},
        {" ", NameCheck::Ok},
        {"一二三四五六七八九十一二三四五六", NameCheck::Ok},       // 16 characters
        {"一二三四五六七八九十一二三四五六七", NameCheck::TooLong},  // 17
        {"abcdefghijklmnop", NameCheck::Ok},
        {"书\"店", NameCheck::HasQuote},
        {"书店・本", NameCheck::NotGbk},   // the katakana middle dot has no GBK code
        {"书店·本", NameCheck::Ok},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckShopName(c.name), c.expected) << c.name;
}
