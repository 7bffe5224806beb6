#include "shop/ShopInfo.h"

#include <algorithm>
#include <cmath>

#include "state/FormatMoney.h"

namespace {

constexpr const char* kWeekdayNames[7] = {"星期日", "星期一", "星期二", "星期三",
                                          "星期四", "星期五", "星期六"};
constexpr const char* kShopSizeNames[3] = {"小", "中", "大"};

GaugeView Gauge(const Value& v) { return GaugeView{GaugeText(v), v}; }

}  // namespace

std::string WeekdayName(const Value& weekday) {
    const auto w = weekday.asInt();
    return (w >= 0 && w < 7) ? kWeekdayNames[w] : "";
}

std::string HourText(const Value& hour) {
    const auto h = hour.asInt();
    if (h < 12) return "上午 " + std::to_string(h);
    return "下午 " + std::to_string(h - 12);
}

std::string ShopSizeText(const Value& shopSize) {
    const auto s = shopSize.asInt();
    return (s >= 1 && s <= 3) ? kShopSizeNames[s - 1] : "";
}

std::string GaugeText(const Value& gauge) { return gauge.asText() + "/100"; }

int GaugeBarWidth(const Value& gauge, int frameWidth) {
    const long w = std::lround(frameWidth * gauge.asReal() / 100.0);
    return static_cast<int>(std::clamp<long>(w, 0, std::max(frameWidth, 0)));
}

int LitStars(const Value& starLevel) {
    const double s = std::floor(starLevel.asReal());
    return static_cast<int>(std::clamp(s, 0.0, 5.0));
}

std::string ShopInfoCaption(const GameState& g) {
    return "店铺的信息-" + g.ShopName.asText() + " " + (g.ShopOpen.asInt() == 1 ? "营业中" : "打烊中");
}

ShopInfoTexts ShopInfoView(const GameState& g) {
    ShopInfoTexts t;
    t.caption = ShopInfoCaption(g);
    t.funds = FormatMoney(g.Funds) + "円";
    t.copiesSold = FormatMoney(g.CopiesSold) + "册";
    t.shelfCapacity = FormatMoney(g.ShelfCapacity) + "册";
    t.copiesOnShelves = FormatMoney(g.CopiesOnShelves) + "册";
    t.year = g.Year.asText();
    t.month = g.Month.asText();
    t.day = g.Day.asText();
    t.weekday = WeekdayName(g.Weekday);
    t.hour = HourText(g.Hour);
    t.customers = FormatMoney(g.TotalCustomers) + "人";
    t.shopName = g.ShopName.asText();
    t.dirtiness = Gauge(g.Dirtiness);
    t.quakeResistance = Gauge(g.QuakeResistance);
    t.litStars = LitStars(g.StarLevel);
    return t;
}

ShopDetailsTexts ShopDetailsView(const GameState& g) {
    ShopDetailsTexts t;
    t.year = g.Year.asText();
    t.month = g.Month.asText();
    t.day = g.Day.asText();
    t.weekday = WeekdayName(g.Weekday);
    t.hour = HourText(g.Hour);
    t.shopSize = ShopSizeText(g.ShopSize);
    t.funds = FormatMoney(g.Funds) + "円";
    t.shopName = g.ShopName.asText();
    t.dirtiness = Gauge(g.Dirtiness);
    t.quakeResistance = Gauge(g.QuakeResistance);
    t.popularity = Gauge(g.Popularity);
    t.fame = Gauge(g.Fame);
    t.litStars = LitStars(g.StarLevel);
    return t;
}
