// Advertising without windows: each medium's price and gains with the cap at
// 100, the questions and their answers, the effort points of every OK, and
// the shop details window told of the new fame.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "business/Advertising.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "tests/TestShop.h"

namespace {

class Advertising : public ::testing::Test {
protected:
    void SetUp() override {
        g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 10, .seed = 7});
        ASSERT_TRUE(g);
        g->Fame = 20;
        g->Popularity = 30;
        g->ShopDetailsDirty = 0;
        funds = g->Funds.asInt();
        effort = g->Bookshop.EffortPoints[0].asInt();
    }
    std::int64_t Spent() const { return funds - g->Funds.asInt(); }
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g;
    std::int64_t funds = 0, effort = 0;
};

TEST_F(Advertising, EveryCampaignCostsItsPriceAndRaisesItsGauges) {
    struct Case {
        const char* what;
        std::function<bool(GameState&)> book;
        std::int64_t price;
        int fame, popularity;
    };
    auto print = [](PrintCampaign c, int option) {
        return [c, option](GameState& s) {
            ChoosePrintSize(s, c, option);
            return OrderPrintCampaign(s, c, option);
        };
    };
    auto film = [](FilmCampaign c, int option) {
        return [c, option](GameState& s) {
            ChooseProducer(s, c, option);
            return OrderFilmCampaign(s, c, option);
        };
    };
    const Case cases[] = {
        {"100 posters", print(PrintCampaign::Posters, 1), 110000, 1, 0},
        {"10,000 posters", print(PrintCampaign::Posters, 3), 1100000, 4, 0},
        {"500,000 posters", print(PrintCampaign::Posters, 6), 50100000, 16, 0},
        {"100 leaflets", print(PrintCampaign::Leaflets, 1), 220000, 5, 0},
        {"50,000 leaflets", print(PrintCampaign::Leaflets, 4), 10200000, 11, 0},
        {"a self-made TV advertisement", film(FilmCampaign::Tv, 1), 300000, 4, 0},
        {"a TV advertisement by an agency", film(FilmCampaign::Tv, 2), 800000, 6, 2},
        {"a self-made film", film(FilmCampaign::Film, 1), 1300000, 6, 3},
        {"a film by a famous director", film(FilmCampaign::Film, 3), 3400000, 10, 8},
        {"a newspaper advertisement",
         [](GameState& s) {
             BookMediumInPlace(s, AdvertisingMedium::Newspaper);
             return true;
         },
         500000, 4, 0},
        {"a web page",
         [](GameState& s) {
             BookMediumInPlace(s, AdvertisingMedium::WebPage);
             return true;
         },
         1000000, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        EXPECT_TRUE(c.book(*g));
        EXPECT_EQ(Spent(), c.price);
        EXPECT_EQ(g->Ledger.Expense[2][1].whole(), c.price) << "an expense of the other category";
        EXPECT_EQ(g->Fame.asInt(), 20 + c.fame);
        EXPECT_EQ(g->Popularity.asInt(), 30 + c.popularity);
        EXPECT_EQ(g->ShopDetailsDirty, Value(1)) << "the shop details window shows the new gauges";
    }
}

TEST_F(Advertising, GaugesStopAt100) {
    g->Fame = 95;
    g->Popularity = 97;
    ChooseProducer(*g, FilmCampaign::Film, 3);
    ASSERT_TRUE(OrderFilmCampaign(*g, FilmCampaign::Film, 3));
    EXPECT_EQ(g->Fame, Value(100));
    EXPECT_EQ(g->Popularity, Value(100));

    // The newspaper and the web page are capped by the dialog's OK.
    g->Fame = 98;
    AdvertiseWith(*g, AdvertisingMedium::WebPage);
    EXPECT_EQ(g->Fame, Value(100));
}

TEST_F(Advertising, QuestionsAndNoBooksNothing) {
    ChoosePrintSize(*g, PrintCampaign::Leaflets, 3);
    EXPECT_EQ(g->PrintAdCost, Value(2200000));
    EXPECT_EQ(PrintQuestion(PrintCampaign::Leaflets, 3), "宣传册1万0000份送出。");
    EXPECT_EQ(PrintQuestion(PrintCampaign::Posters, 2), "海报1000张贴出。");

    ui.answers = {MsgAnswer::No};
    EXPECT_FALSE(OrderPrintCampaign(*g, PrintCampaign::Leaflets, 3));
    EXPECT_EQ(Spent(), 0);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "宣传册1万0000份送出。");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Question);
    EXPECT_EQ(ui.shown[0].title, QuestionTitleFor(g->GameTitle.asText()));

    // No, then another size, then Yes: only the last is booked, once.
    ChoosePrintSize(*g, PrintCampaign::Leaflets, 1);
    EXPECT_TRUE(OrderPrintCampaign(*g, PrintCampaign::Leaflets, 1));
    EXPECT_EQ(Spent(), 220000);
    EXPECT_EQ(g->Fame.asInt(), 25);
}

TEST_F(Advertising, EveryOkOfTheAdvertisingDialogCountsTwoEffortPoints) {
    // The newspaper declined: nothing booked, effort all the same.
    ui.answers = {MsgAnswer::No};
    AdvertiseWith(*g, AdvertisingMedium::Newspaper);
    EXPECT_EQ(Spent(), 0);
    EXPECT_EQ(g->Fame.asInt(), 20);
    EXPECT_EQ(g->Bookshop.EffortPoints[0].asInt(), effort + 2);
    EXPECT_EQ(ui.shown.back().text, "在报纸上刊登广告，费用为50万0000円。");

    // Posters, the poster dialog cancelled.
    ui.windowAnswers[Window::Posters] = [](GameState&) {};
    AdvertiseWith(*g, AdvertisingMedium::Posters);
    EXPECT_EQ(Spent(), 0);
    EXPECT_EQ(g->Bookshop.EffortPoints[0].asInt(), effort + 4);

    // The dialog's plain answer: posters, 100 of them, Yes. No funds test.
    ui.windowAnswers.clear();
    g->Funds = 50000;
    funds = 50000;
    ui.ShowWindow(Window::Advertising, *g);
    EXPECT_EQ(Spent(), 110000);
    EXPECT_EQ(g->GameOverReason, Value(1)) << "the funds fell below zero";
    EXPECT_EQ(g->Bookshop.EffortPoints[0].asInt(), effort + 6);
    EXPECT_EQ(ui.Clock().holds(), 0);
}

TEST_F(Advertising, CostRowsShowFundsPriceAndBalance) {
    g->Funds = 1000000;
    ChoosePrintSize(*g, PrintCampaign::Posters, 6);
    const CostRows rows = AdCostRows(*g, g->PrintAdCost);
    EXPECT_EQ(rows.funds, "100万0000円");
    EXPECT_EQ(rows.cost, "5010万0000円");
    EXPECT_EQ(rows.balance, "-4910万0000円");
}

}  // namespace
