#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "business/WeeklyNews.h"
#include "state/GameState.h"
#include "state/Random.h"

namespace {

const std::string kOwnShop = "自家书店";

std::string RivalName(int row) { return "对手书店" + std::to_string(100 + row); }

// The catalogue sizes and popularity ranges of a real game, and the contest
// table with the player's shop in row 0 and fourteen rivals.
std::unique_ptr<GameState> MakeState(std::uint64_t seed) {
    auto g = std::make_unique<GameState>();
    g->BookCount = 94;
    for (int i = 0; i < 94; ++i) g->Book.Popularity[i] = i % 15 + 1;
    g->MagazineCount = 61;
    for (int i = 0; i < 61; ++i) g->Magazine.Popularity[i] = i % 17 + 1;
    g->BookshopCount = 15;
    g->Bookshop.Name[0] = kOwnShop;
    for (int r = 1; r < 15; ++r) g->Bookshop.Name[r] = RivalName(r);
    g->rng.seed(seed);
    return g;
}

// Draws the news makes: 201 sales with two draws each for the books and for
// the magazines, then a rival and a pick for each of the three articles.
constexpr int kRankingDraws = 2 * 201 * 2;
constexpr int kTotalDraws = kRankingDraws + 6;

// The rivals and picks a seed gives, replayed on a separate generator.
struct ArticleDraws {
    int shopRival, shopPick, headlineRival, headlinePick, columnRival, columnPick;
};
ArticleDraws ReplayArticleDraws(std::uint64_t seed) {
    Random r;
    r.seed(seed);
    for (int i = 0; i < kRankingDraws; ++i) r.next();
    auto draw = [&](int n) { return static_cast<int>(r.next() * n); };
    ArticleDraws d{};
    d.shopRival = draw(14) + 1;
    d.shopPick = draw(6);
    d.headlineRival = draw(14) + 1;
    d.headlinePick = draw(5);
    d.columnRival = draw(14) + 1;
    d.columnPick = draw(5);
    return d;
}

// Checks one ranking: ten different rows, best first, where the sales total
// (the whole part of the score) decides and the higher row wins a tie, and
// no row outside the ten beats the tenth.
template <std::size_t Rows>
void ExpectRanking(const Col<11>& top, const Col<Rows>& score, int count) {
    auto total = [&](int row) { return std::floor(score[row].asReal()); };
    auto better = [&](int a, int b) {
        return total(a) > total(b) || (total(a) == total(b) && a > b);
    };
    std::set<int> seen;
    for (int r = 0; r < 10; ++r) {
        const int row = top[r].i();
        ASSERT_TRUE(top[r].isInt());
        ASSERT_GE(row, 0);
        ASSERT_LT(row, count);
        seen.insert(row);
        if (r > 0) {
            EXPECT_TRUE(better(top[r - 1].i(), row)) << "rank " << r + 1;
        }
    }
    EXPECT_EQ(seen.size(), 10u);
    for (int row = 0; row < count; ++row) {
        if (!seen.count(row)) {
            EXPECT_TRUE(better(top[9].i(), row)) << "row " << row;
        }
    }
}

TEST(WeeklyNewsRanking, OrdersByTotalsWithHigherRowWinningTies) {
    for (std::uint64_t seed : {1u, 2u, 3u, 99u}) {
        auto g = MakeState(seed);
        WriteWeeklyNews(*g);
        ExpectRanking(g->TopBooks, g->Book.RankScore, 94);
        ExpectRanking(g->TopMagazines, g->Magazine.RankScore, 61);
        EXPECT_TRUE(g->TopBooks[10].isEmpty());
        EXPECT_TRUE(g->NewsRankTally.is(0));
    }
}

TEST(WeeklyNewsRanking, ScoresAreSalesPlusRowTieBreak) {
    // Popularity 1 sells exactly one copy per sale, so the totals add up to
    // the 201 sales and ties between equal totals are everywhere.
    auto g = MakeState(5);
    for (int i = 0; i < 94; ++i) g->Book.Popularity[i] = 1;
    // Popularity 15 sells 6 to 13 copies per sale.
    for (int i = 0; i < 61; ++i) g->Magazine.Popularity[i] = 15;
    WriteWeeklyNews(*g);

    double books = 0, magazines = 0;
    for (int i = 0; i < 94; ++i) {
        const double s = g->Book.RankScore[i].asReal();
        EXPECT_NEAR(s - std::floor(s), i / 1000.0, 1e-9) << "book " << i;
        books += std::floor(s);
    }
    for (int i = 0; i < 61; ++i) {
        const double s = g->Magazine.RankScore[i].asReal();
        EXPECT_NEAR(s - std::floor(s), i / 1000.0, 1e-9) << "magazine " << i;
        magazines += std::floor(s);
    }
    EXPECT_EQ(books, 201);
    EXPECT_GE(magazines, 6 * 201);
    EXPECT_LE(magazines, 13 * 201);
    ExpectRanking(g->TopBooks, g->Book.RankScore, 94);
}

TEST(WeeklyNewsRanking, BooksThenMagazinesEachSaleRowBeforeQuantity) {
    auto g = MakeState(77);
    WriteWeeklyNews(*g);

    Random r;
    r.seed(77);
    auto replay = [&](int rows, auto popularity) {
        std::vector<double> sales(rows, 0.0);
        for (int sale = 0; sale < 201; ++sale) {
            const int k = static_cast<int>(r.next() * rows);
            const double p = popularity(k);
            sales[k] += std::floor(r.next() * (p / 2)) + std::floor(p / 3) + 1;
        }
        return sales;
    };
    const auto books = replay(94, [](int i) { return i % 15 + 1.0; });
    const auto magazines = replay(61, [](int i) { return i % 17 + 1.0; });
    for (int i = 0; i < 94; ++i) {
        EXPECT_EQ(std::floor(g->Book.RankScore[i].asReal()), books[i]) << "book " << i;
    }
    for (int i = 0; i < 61; ++i) {
        EXPECT_EQ(std::floor(g->Magazine.RankScore[i].asReal()), magazines[i]) << "magazine " << i;
    }
}

TEST(WeeklyNewsRanking, PreviousScoresAreCleared) {
    auto g = MakeState(8);
    for (int i = 0; i < 94; ++i) g->Book.RankScore[i] = 1000000.0;
    WriteWeeklyNews(*g);
    for (int i = 0; i < 94; ++i) EXPECT_LT(g->Book.RankScore[i].asReal(), 13 * 201);
}

TEST(WeeklyNews, SameSeedGivesSameIssueAndUsesEveryDraw) {
    auto a = MakeState(42);
    auto b = MakeState(42);
    WriteWeeklyNews(*a);
    WriteWeeklyNews(*b);
    EXPECT_EQ(a->TopBooks, b->TopBooks);
    EXPECT_EQ(a->TopMagazines, b->TopMagazines);
    EXPECT_EQ(a->Book.RankScore, b->Book.RankScore);
    EXPECT_EQ(a->ShopOfMonthText, b->ShopOfMonthText);
    EXPECT_EQ(a->HeadlineTitle, b->HeadlineTitle);
    EXPECT_EQ(a->HeadlineText, b->HeadlineText);
    EXPECT_EQ(a->IndustryNewsText, b->IndustryNewsText);

    // The issue consumed exactly its draws: the generator continues where a
    // replay of that many draws does.
    Random replay;
    replay.seed(42);
    for (int i = 0; i < kTotalDraws; ++i) replay.next();
    EXPECT_EQ(a->rng.next(), replay.next());
}

TEST(WeeklyNews, ArticlesFollowTheDrawOrder) {
    for (std::uint64_t seed : {3u, 17u, 2024u}) {
        auto g = MakeState(seed);
        WriteWeeklyNews(*g);
        const ArticleDraws d = ReplayArticleDraws(seed);

        EXPECT_EQ(g->ShopArticles[1].asText(),
                  "  这次介绍的书店是" + RivalName(d.shopRival) + "。\r这家" +
                      RivalName(d.shopRival) +
                      "的收银机速度非常快，即使买了很多书也能马上计算出价格。\r"
                      "顾客也给予了很大的好评。\r就这样吧，下周再见。");
        EXPECT_EQ(g->ShopOfMonthText, g->ShopArticles[d.shopPick]);

        EXPECT_EQ(g->HeadlineTitles[0].asText(), RivalName(d.headlineRival) + "失火");
        EXPECT_EQ(g->HeadlineTitle, g->HeadlineTitles[d.headlinePick]);
        EXPECT_EQ(g->HeadlineText, g->HeadlineBodies[d.headlinePick]);

        EXPECT_EQ(g->ColumnArticles[4].asText(),
                  "  最近，" + RivalName(d.columnRival) +
                      "开始提供宅配送服务。\r顾客的评级相当好，相关书刊的销售量也大幅攀升。\r"
                      "你喜欢的话，也可以尝试在自己店铺中提供该服务。");
        EXPECT_EQ(g->IndustryNewsText, g->ColumnArticles[d.columnPick]);
    }
}

TEST(WeeklyNews, PoolsAreRefilledWithFixedCounts) {
    auto g = MakeState(11);
    g->ShopArticleCount = 40;
    g->HeadlineCount = 3;
    g->ColumnArticleCount = 50;
    WriteWeeklyNews(*g);
    EXPECT_TRUE(g->ShopArticleCount.is(6));
    EXPECT_TRUE(g->HeadlineCount.is(5));
    EXPECT_TRUE(g->ColumnArticleCount.is(5));

    EXPECT_EQ(g->ShopArticles[5].asText(),
              "  最近陆续有书被盗的传闻，盗书的小偷正在不断增多。\r"
              "盗窃犯主要是青少年。据说很多经常被小偷光顾的店铺正在研究安装监视器等措施。\r"
              "总之，请务必通过各种手段小心防范。");
    const std::string r = g->HeadlineTitles[0].asText().substr(0, RivalName(1).size());
    EXPECT_EQ(g->HeadlineBodies[0].asText(),
              "  上周末，" + r + "发生的火灾原因已经查明。\r"
              "原因据查是店员吸烟引起的，幸亏发现的早，所以损失并不太大。\r"
              "另外，" + r + "购买了火灾保险，减少了一定的损失。\r");
    EXPECT_EQ(g->HeadlineTitles[3].asText(), "漏税暴光");
    EXPECT_EQ(g->ColumnArticles[1].asText(), "  本周《最近的业界》的作者外出取材，停载一期。");
}

TEST(WeeklyNews, RegularArticlesNeverFeatureThePlayersShop) {
    std::set<std::string> featured;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        auto g = MakeState(seed);
        WriteWeeklyNews(*g);
        for (const Value* text : {&g->ShopArticles[0], &g->HeadlineBodies[0],
                                  &g->ColumnArticles[4]}) {
            ASSERT_EQ(text->asText().find(kOwnShop), std::string::npos);
        }
        featured.insert(g->HeadlineTitles[0].asText());
    }
    // Every rival row, the first and the last included, gets its turn.
    std::set<std::string> expected;
    for (int r = 1; r < 15; ++r) expected.insert(RivalName(r) + "失火");
    EXPECT_EQ(featured, expected);
}

// The player's own news replaces the drawn headline.
struct EventCase {
    int code;
    int fireInsurance;
    const char* title;
    std::string text;
};

TEST(WeeklyNewsEvent, PendingEventBecomesTheHeadline) {
    const std::string Y = kOwnShop;
    const std::string robbery = " 前几天" + Y + "遭遇了抢劫，幸运的是没有人受伤。\r受害总额为1000万0000円。今后，" +
                                Y + "计划安装保安装置。\r另外，" + Y;
    const std::string fire = "  上周末，" + Y + "发生的火灾原因已经查明。\r"
                             "发现的时候火已经燃烧起来了，也排除纵火的可能性。\r";
    const EventCase cases[] = {
        {1, 0, "获得设施奖",
         "前几天举行了全日本书店评选，" + Y + "获得了设施奖。\r" + Y +
             "获得了奖金150万円。最后，希望继续努力，争取下回有更好的变现。\r那么，再见"},
        {2, 0, "获得努力奖",
         "前几天举行了全日本书店评选，" + Y + "获得了努力奖。\r" + Y +
             "获得了奖金180万円。最后，希望继续努力，让书店更加优秀。\r那么，再见"},
        {3, 0, "销售奖",
         "前几天举行了全日本书店评选，" + Y + "获得了销售奖。\r" + Y +
             "获得了奖金180万円。最后，希望继续努力，下回销售更多的书刊。\r那么，再见"},
        {4, 0, "获得清扫奖",
         "前几天举行了全日本书店评选，" + Y + "获得了清扫奖。\r" + Y +
             "获得了奖金200万円。最后，希望继续努力，下回更加的整洁。\r那么，再见"},
        {6, 0, "遇抢劫", robbery + "没有购买保险，所以没有获得保险金。"},
        {7, 0, "遇抢劫", robbery + "购买了受害保险，获得了保险金，减少了损失。"},
        {9, 1, "失火", fire + "另外，" + Y + "购买了火灾保险，减少了一定的损失。\r"},
        {9, 0, "失火", fire + "很遗憾，" + Y + "没有购买火灾保险，所以没有获得保险金。\r"},
    };
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.code);
        auto g = MakeState(7);
        g->NewsEventCode = c.code;
        g->RobberyDemand = 10000000;
        g->InsuranceJoined[0] = c.fireInsurance;
        WriteWeeklyNews(*g);
        const std::string title = c.code >= 6 ? Y + c.title : c.title;
        EXPECT_EQ(g->HeadlineTitle.asText(), title);
        EXPECT_EQ(g->HeadlineText.asText(), c.text);
        EXPECT_TRUE(g->NewsEventCode.is(0));
        EXPECT_TRUE(g->HeadlineCount.is(5));
    }
}

TEST(WeeklyNewsEvent, CodesWithoutArticleKeepTheDrawnHeadline) {
    auto plain = MakeState(7);
    WriteWeeklyNews(*plain);
    // None, the grand prize, the earthquake payout and an unknown code.
    for (int code : {0, 5, 8, 12}) {
        SCOPED_TRACE(code);
        auto g = MakeState(7);
        g->NewsEventCode = code;
        WriteWeeklyNews(*g);
        EXPECT_EQ(g->HeadlineTitle, plain->HeadlineTitle);
        EXPECT_EQ(g->HeadlineText, plain->HeadlineText);
        EXPECT_TRUE(g->NewsEventCode.is(0));
    }
}

TEST(WeeklyNewsEvent, EventDoesNotChangeTheOtherArticles) {
    auto plain = MakeState(21);
    WriteWeeklyNews(*plain);
    auto g = MakeState(21);
    g->NewsEventCode = 9;
    WriteWeeklyNews(*g);
    EXPECT_EQ(g->ShopOfMonthText, plain->ShopOfMonthText);
    EXPECT_EQ(g->IndustryNewsText, plain->IndustryNewsText);
    EXPECT_EQ(g->HeadlineTitles, plain->HeadlineTitles);
    EXPECT_EQ(g->rng.next(), plain->rng.next());
}

}  // namespace
