#include "shop/ShopInfo.h"

#include <algorithm>
#include <cmath>

#include "state/FormatMoney.h"

namespace {

constexpr const char* kShopSizeNames[3] = {"小", "中", "大"};

GaugeView Gauge(const Value& v) { return GaugeView{GaugeText(v), v}; }

}  // namespace

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
    const ShownDate today = TodayShown(g);
    t.year = std::to_string(today.year);
    t.month = std::to_string(today.month);
    t.day = std::to_string(today.day);
    t.weekday = WeekdayName(today.weekday);
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
    const ShownDate today = TodayShown(g);
    t.year = std::to_string(today.year);
    t.month = std::to_string(today.month);
    t.day = std::to_string(today.day);
    t.weekday = WeekdayName(today.weekday);
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
