#include <gtest/gtest.h>

#include <memory>

#include "shop/ShopInfo.h"
#include "state/Ledger.h"
#include "tests/TestSupport.h"

TEST(ShopInfoTexts, HourOnTheTwelveHourDial) {
    const struct {
        int hour;
        const char* text;
    } cases[] = {
        {0, "上午 0"}, {9, "上午 9"}, {11, "上午 11"}, {12, "下午 0"}, {13, "下午 1"}, {23, "下午 11"},
    };
    for (const auto& c : cases) EXPECT_EQ(HourText(c.hour), c.text) << "hour " << c.hour;
}

TEST(ShopInfoTexts, WeekdayAndShopSizeNames) {
    const char* const days[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int w = 0; w < 7; ++w) EXPECT_EQ(WeekdayName(w), days[w]);
    EXPECT_EQ(WeekdayName(7), "");
    EXPECT_EQ(WeekdayName(-1), "");

    EXPECT_EQ(ShopSizeText(1), "小");
    EXPECT_EQ(ShopSizeText(2), "中");
    EXPECT_EQ(ShopSizeText(3), "大");
    EXPECT_EQ(ShopSizeText(0), "");
    EXPECT_EQ(ShopSizeText(4), "");
}

TEST(ShopInfoTexts, GaugeTextAndBarStayInsideTheFrame) {
    const struct {
        Value gauge;
        const char* text;
        int bar;  // in a frame 100 wide
    } cases[] = {
        {36, "36/100", 36},   {0, "0/100", 0},       {100, "100/100", 100},
        {-5, "-5/100", 0},    {107, "107/100", 100},  {Value(12.5), "12.5/100", 13},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GaugeText(c.gauge), c.text);
        EXPECT_EQ(GaugeBarWidth(c.gauge, 100), c.bar) << c.text;
    }
    // The bar scales with the frame.
    EXPECT_EQ(GaugeBarWidth(50, 60), 30);
    EXPECT_EQ(GaugeBarWidth(150, 60), 60);
}

TEST(ShopInfoTexts, LitStarsFollowTheWholeStarLevel) {
    const struct {
        Value level;
        int lit;
    } cases[] = {{1, 1}, {3, 3}, {5, 5}, {Value(2.7), 2}, {0, 0}, {Value(), 0}, {6, 5}, {-1, 0}};
    for (const auto& c : cases) EXPECT_EQ(LitStars(c.level), c.lit) << c.level.asText();
}

namespace {

void FillShop(GameState& g) {
    g.ShopName = "青叶书房";
    g.ShopOpen = 1;
    g.Funds = 4000000;
    g.CopiesSold = 12345;
    g.ShelfCapacity = 800;
    g.CopiesOnShelves = 0;
    g.TotalCustomers = 10000;
    g.Year = 2024;
    g.Month = 3;
    g.Day = 9;
    g.Weekday = 6;
    g.Hour = 14;
    g.Dirtiness = 36;
    g.QuakeResistance = 15;
    g.Popularity = 104;
    g.Fame = 10;
    g.ShopSize = 2;
    g.StarLevel = 3;
}

}  // namespace

TEST(ShopInfoTexts, InformationWindowShowsTheWholeShop) {
    auto g = std::make_unique<GameState>();
    FillShop(*g);
    ShopInfoTexts t = ShopInfoView(*g);
    EXPECT_EQ(t.caption, "店铺的信息-青叶书房 营业中");
    EXPECT_EQ(t.funds, "400万0000円");
    EXPECT_EQ(t.copiesSold, "1万2345册");
    EXPECT_EQ(t.shelfCapacity, "800册");
    EXPECT_EQ(t.copiesOnShelves, "0册");
    EXPECT_EQ(t.customers, "1万0000人");
    EXPECT_EQ(t.year, "2024");
    EXPECT_EQ(t.month, "3");
    EXPECT_EQ(t.day, "9");
    EXPECT_EQ(t.weekday, "星期六");
    EXPECT_EQ(t.hour, "下午 2");
    EXPECT_EQ(t.shopName, "青叶书房");
    EXPECT_EQ(t.dirtiness.text, "36/100");
    EXPECT_EQ(t.quakeResistance.text, "15/100");
    EXPECT_EQ(t.litStars, 3);

    // Closed, and in debt after a charge through the one money routine.
    g->ShopOpen = 0;
    AddMoney(*g, -4100000, OtherCategory, 0);
    t = ShopInfoView(*g);
    EXPECT_EQ(t.caption, "店铺的信息-青叶书房 打烊中");
    EXPECT_EQ(t.funds, "-10万0000円");
}

TEST(ShopInfoTexts, DetailsWindowShowsSizeAndAllFourGauges) {
    auto g = std::make_unique<GameState>();
    FillShop(*g);
    const ShopDetailsTexts t = ShopDetailsView(*g);
    EXPECT_EQ(t.year, "2024");
    EXPECT_EQ(t.month, "3");
    EXPECT_EQ(t.day, "9");
    EXPECT_EQ(t.weekday, "星期六");
    EXPECT_EQ(t.hour, "下午 2");
    EXPECT_EQ(t.shopSize, "中");
    EXPECT_EQ(t.funds, "400万0000円");
    EXPECT_EQ(t.shopName, "青叶书房");
    EXPECT_EQ(t.fame.text, "10/100");
    EXPECT_EQ(t.popularity.text, "104/100");  // not yet clamped by the weekly step
    EXPECT_EQ(t.dirtiness.text, "36/100");
    EXPECT_EQ(t.quakeResistance.text, "15/100");
    EXPECT_EQ(GaugeBarWidth(t.popularity.value, 100), 100);
    EXPECT_EQ(t.litStars, 3);
}
